#include "print/Hauptformdruck.h"

#include "print/Druckerwahl.h"
#include "print/Fortschrittsbalken.h"
#include "print/Seitenflaeche.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QLineEdit>
#include <QProgressBar>

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
    Fortschrittsbalken balken(hauptform.Progress(), Fortschrittsbalken::Sichtbarkeit::Lauf);
    a.fortschritt = &balken;
    const Druckergebnis e = Layoutinterpreter::zeichnen(a, *rows, *flaeche);
    wahl->auftragBeendet(*flaeche);
    if (!e.ok) {
        Dialoge::meldung(&hauptform, QMessageBox::Critical, QStringLiteral("Antrag drucken..."), e.fehler);
        return false;
    }
    return true;
}
