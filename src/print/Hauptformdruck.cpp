#include "print/Hauptformdruck.h"

#include "print/Druckerwahl.h"
#include "print/Fortschritt.h"
#include "print/Seitenflaeche.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QLineEdit>
#include <QProgressBar>

namespace {
class Balken : public Fortschritt
{
public:
    explicit Balken(QProgressBar *b)
        : m_b(b)
    {
    }
    void beginnen(int maximum) override
    {
        if (!m_b)
            return;
        m_b->setRange(0, std::max(maximum, 1));
        m_b->setValue(0);
        m_b->show();
    }
    void setzen(int wert) override
    {
        if (m_b)
            m_b->setValue(wert);
    }
    void beenden() override
    {
        if (m_b)
            m_b->hide();
    }

private:
    QProgressBar *m_b;
};
} // namespace

Druckauftrag Hauptformdruck::auftrag(Hauptform &hauptform, const QString &layout)
{
    Druckauftrag a;
    a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Hauptform);
    a.datenbank = hauptform.druckdatenbank();
    a.layout = layout;
    a.felder = &hauptform.feldtabelle();
    a.zusatz = &hauptform.zusatzfeldtabelle();
    return a;
}

bool Hauptformdruck::drucken(Hauptform &hauptform, const QString &layout)
{
    if (QLineEdit *bereich = hauptform.feld(QStringLiteral("Bereich")))
        bereich->setText(layout);
    hauptform.Felder_einlesen();
    if (hauptform.zusatzfeldtabelle().anzahl() == 0)
        return false;
    Druckauftrag a = auftrag(hauptform, layout);
    QString fehler;
    const std::optional<Layout> rows = Layoutinterpreter::vorlage(a, &fehler);
    if (!rows) {
        Dialoge::meldung(&hauptform, QMessageBox::Warning, QStringLiteral("Antrag drucken..."), fehler);
        return false;
    }
    auto *wahl = hauptform.findChild<Druckerwahl *>(QStringLiteral("Druckerwahl"));
    if (!wahl)
        return false;
    std::unique_ptr<Seitenflaeche> flaeche =
        wahl->auftrag(&hauptform, layout, hauptform.datenverzeichnis() + layout + QStringLiteral(".pdf"));
    if (!flaeche)
        return false;
    Balken balken(hauptform.Progress());
    a.fortschritt = &balken;
    const Druckergebnis e = Layoutinterpreter::zeichnen(a, *rows, *flaeche);
    wahl->auftragBeendet(*flaeche);
    if (!e.ok) {
        Dialoge::meldung(&hauptform, QMessageBox::Critical, QStringLiteral("Antrag drucken..."), e.fehler);
        return false;
    }
    return true;
}
