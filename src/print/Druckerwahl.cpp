#include "print/Druckerwahl.h"

#include "print/DruckerFlaeche.h"
#include "print/PdfFlaeche.h"
#include "shell/Dialoge.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace {
std::function<QStringList()> &druckerliste()
{
    static std::function<QStringList()> liste;
    return liste;
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
    const QString standard = druckerliste() ? QString() : QPrinterInfo::defaultPrinterName();
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
    QStringList namen = druckerliste() ? druckerliste()() : QPrinterInfo::availablePrinterNames();
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
        drucker().setPrinterName(name);
    Q_EMIT gewaehlt(name);
}

QPrinter &Druckerwahl::drucker()
{
    if (!m_drucker) {
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        const QString name = DeviceName();
        if (!name.isEmpty() && name != PdfDatei)
            m_drucker->setPrinterName(name);
    }
    return *m_drucker;
}

std::unique_ptr<Seitenflaeche> Druckerwahl::auftrag(QWidget *parent, const QString &name, const QString &vorschlag)
{
    if (DeviceName() == PdfDatei || DeviceName().isEmpty()) {
        QString datei = Dialoge::dateiSpeichern(parent, QStringLiteral("Seite als PDF-Datei speichern"), vorschlag);
        if (datei.isEmpty())
            return nullptr;
        if (!datei.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            datei += QStringLiteral(".pdf");
        auto f = std::make_unique<PdfFlaeche>(datei, name);
        f->setOrientation(m_pdfOrientierung);
        return f;
    }
    return std::make_unique<DruckerFlaeche>(drucker(), name);
}

void Druckerwahl::auftragBeendet(const Seitenflaeche &flaeche)
{
    if (DeviceName() == PdfDatei || DeviceName().isEmpty())
        m_pdfOrientierung = flaeche.orientation();
}
