#include "print/Druckerwahl.h"

#include "print/DruckerFlaeche.h"
#include "print/Druckeranschluss.h"
#include "print/PdfFlaeche.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QFileInfo>

namespace {
std::function<QStringList()> &druckerliste()
{
    static std::function<QStringList()> liste;
    return liste;
}

// The print system as a whole, asked for printer names; nullptr without
// the module (then only "PDF-Datei" is offered).
Druckeranschluss *drucksystem()
{
    static const std::unique_ptr<Druckeranschluss> system = Druckeranschluss::neu();
    return system.get();
}
} // namespace

Druckerwahl::Druckerwahl(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("Druckerwahl"));
}

void Druckerwahl::bereitstellen() const
{
    if (m_bereit)
        return;
    m_bereit = true;
    m_namen = Printers();
    const QString standard = druckerliste() || !drucksystem() ? QString() : drucksystem()->standarddrucker();
    m_index = standard.isEmpty() ? int(m_namen.size()) - 1 : int(m_namen.indexOf(standard));
    if (m_index < 0)
        m_index = int(m_namen.size()) - 1;
    const QStringList ausstehend = std::exchange(m_ausstehend, {});
    for (const QString &name : ausstehend)
        const_cast<Druckerwahl *>(this)->anwenden(name);
}

int Druckerwahl::aktuellerIndex() const
{
    bereitstellen();
    return m_index;
}

Druckerwahl::~Druckerwahl() = default;

QStringList Druckerwahl::Printers()
{
    QStringList namen = druckerliste() ? druckerliste()() : drucksystem() ? drucksystem()->druckernamen() : QStringList();
    namen.append(PdfDatei);
    return namen;
}

void Druckerwahl::setDruckerliste(std::function<QStringList()> liste)
{
    druckerliste() = std::move(liste);
}

QString Druckerwahl::DeviceName() const
{
    bereitstellen();
    return m_namen.value(m_index);
}

void Druckerwahl::waehlen(const QString &name)
{
    if (!m_bereit) {
        m_ausstehend.append(name);
        return;
    }
    anwenden(name);
}

void Druckerwahl::anwenden(const QString &name)
{
    m_namen = Printers();
    int gefunden = -1;
    for (int i = 0; i < m_namen.size(); ++i)
        if (m_namen.at(i) == name)
            gefunden = i;
    if (gefunden < 0)
        return;
    m_index = gefunden;
    if (name != PdfDatei)
        if (Druckeranschluss *a = anschluss())
            a->setDruckername(name);
    Q_EMIT gewaehlt(name);
}

Druckeranschluss *Druckerwahl::anschluss()
{
    if (!m_anschluss) {
        m_anschluss = Druckeranschluss::neu();
        const QString name = DeviceName();
        if (m_anschluss && !name.isEmpty() && name != PdfDatei)
            m_anschluss->setDruckername(name);
    }
    return m_anschluss.get();
}

std::unique_ptr<Seitenflaeche> Druckerwahl::auftrag(QWidget *parent, const QString &name, const QString &vorschlag)
{
    if (DeviceName() == PdfDatei || DeviceName().isEmpty()) {
        QString datei = Dialoge::dateiSpeichern(parent, QStringLiteral("Seite als PDF-Datei speichern"), vorschlag);
        if (datei.isEmpty())
            return nullptr;
        if (!datei.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            datei += QStringLiteral(".pdf");
        m_pdfDatei = datei;
        auto f = std::make_unique<PdfFlaeche>(datei, name);
        f->setOrientation(m_pdfOrientierung);
        return f;
    }
    return std::make_unique<DruckerFlaeche>(anschluss(), DeviceName(), name);
}

void Druckerwahl::auftragBeendet(const Seitenflaeche &flaeche)
{
    if (DeviceName() == PdfDatei || DeviceName().isEmpty()) {
        m_pdfOrientierung = flaeche.orientation();
        if (flaeche.fehler().isEmpty() && QFileInfo::exists(m_pdfDatei))
            Hauptform::gespeichertMelden(qobject_cast<QWidget *>(parent()), m_pdfDatei);
    }
}
