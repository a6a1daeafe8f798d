#include "ledger/Aufwendungen.h"

#include "base/GermanDate.h"
#include "base/TextFile.h"
#include "ledger/AufwendungenEingabe.h"
#include "ledger/Bescheidaktionen.h"
#include "ledger/AufwendungenListe.h"
#include "ledger/Numerierenform.h"
#include "ledger/TarvikExport.h"
#include "ledger/Version2Import.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/ZweispaltenCombo.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

// The ledger's menu bar and the actions that live only in it or act on the
// application as a whole: sorting, numbering, printing and the exchange
// files.

void Aufwendungen::menueAufbauen(QMenuBar *leiste)
{
    Hauptform &h = m_hauptform;
    QMenu *programm = leiste->addMenu(QStringLiteral("&Programm"));
    const QPair<const char *, std::function<void()>> eintraege[] = {
        {"&Persönliche Daten", [&h] { h.Daten_Knopf_Click(); }},
        {"Daten der &Kinder", [&h] { h.Kinder_Knopf_Click(); }},
        {"&Versicherungen", [&h] { h.Versicherungen_Knopf_Click(); }},
        {"&Anschriften", [&h] { h.Anschriften_Knopf_Click(); }},
        {"Antrags&rückseite", [&h] { h.Rueckseite_Knopf_Click(); }},
        {"A&ufwendungen", [&h] { h.Aufwendungen_Knopf_Click(); }},
        {"Daten &speichern", [&h] { h.SpeichernKnopf_Click(); }},
        {"Daten &drucken", [&h] { h.Drucken_Knopf_Click(); }},
        {"Beihilfeninfos", [&h] { h.Beihilfeninfo_Knopf_Click(); }},
        {"&Weitere Anträge", [&h] { h.Antraege_Knopf_Click(); }},
    };
    int index = 0;
    for (const auto &e : eintraege) {
        QAction *a = programm->addAction(QString::fromUtf8(e.first));
        a->setObjectName(QStringLiteral("Menü"));
        a->setProperty("index", index++);
        connect(a, &QAction::triggered, this, e.second);
    }
    QAction *pkv = programm->addAction(QStringLiteral("&private Krankenversicherung"));
    pkv->setObjectName(QStringLiteral("MenüPrivateKV"));
    connect(pkv, &QAction::triggered, this, [&h] { h.PrivateKV_Knopf_Click(); });
    programm->addSeparator();
    QAction *ende = programm->addAction(QStringLiteral("&Beenden"));
    ende->setObjectName(QStringLiteral("MenüEnde"));
    connect(ende, &QAction::triggered, this, [&h] { h.Ende_Knopf_Click(); });

    auto eintrag = [this](QMenu *menue, const QString &name, const QString &text, auto slot) {
        QAction *a = menue->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    QMenu *antrag = leiste->addMenu(QStringLiteral("&Antrag"));
    eintrag(antrag, QStringLiteral("MenüAntragLaden"), QStringLiteral("&Laden"), &Aufwendungen::Laden_Knopf_Click);
    m_menueSpeichern = eintrag(antrag, QStringLiteral("MenüAntragSpeichern"), QStringLiteral("&Speichern"), [this] {
        if (m_speichernKnopf->isEnabled())
            Speichern_Knopf_Click();
    });
    eintrag(antrag, QStringLiteral("MenüAntragNeu"), QStringLiteral("&Neu"), &Aufwendungen::Neu_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragDrucken"), QStringLiteral("&Drucken"),
            &Aufwendungen::Drucken_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragSortieren"), QStringLiteral("S&ortieren"),
            &Aufwendungen::Sortieren_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragNumerieren"), QStringLiteral("N&umerieren"),
            &Aufwendungen::Numerieren_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragsinfo"), QStringLiteral("Antrags&info"),
            &Aufwendungen::Antragsinfo_Knopf_Click);
    eintrag(antrag, QStringLiteral("MenüAntragÜbersicht"), QStringLiteral("Ü&bersicht aller Anträge"),
            [this] { m_hauptform.oeffnen(QStringLiteral("Antragsuebersicht")); });
    antrag->addSeparator();
    eintrag(antrag, QStringLiteral("MenüBescheidErfassen"), QStringLiteral("&Bescheid erfassen…"), [this] {
        Bescheidaktionen::bescheidErfassen(this, m_hauptform, kopf(), m_tabelle.alle());
    });
    eintrag(antrag, QStringLiteral("MenüWiderspruch"), QStringLiteral("&Widerspruch schreiben…"), [this] {
        Bescheidaktionen::widerspruchSchreiben(this, m_hauptform, kopf(), m_tabelle.alle());
    });
    antrag->addSeparator();
    eintrag(antrag, QStringLiteral("MenüImport"), QStringLiteral("Import Velmora V 2.xx"), &Aufwendungen::Import_Click);
    m_menueExport = eintrag(antrag, QStringLiteral("MenüExportTarvik"), QStringLiteral("E&xport Tarvik"),
                            &Aufwendungen::Export_Click);
    const QCheckBox *tarvik = m_hauptform.kasten(QStringLiteral("Tarvik"));
    m_menueExport->setVisible(tarvik && tarvik->isChecked());

    QMenu *positionen = leiste->addMenu(QStringLiteral("&Rechnungspositionen"));
    eintrag(positionen, QStringLiteral("MenüHinzufügen"), QStringLiteral("&Hinzufügen"),
            &Aufwendungen::Hinzufuegen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüEinfügen"), QStringLiteral("&Einfügen"),
            &Aufwendungen::Einfuegen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüBearbeiten"), QStringLiteral("&Bearbeiten"),
            &Aufwendungen::Bearbeiten_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüÄndern"), QStringLiteral("Ä&ndern"), &Aufwendungen::Aendern_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüLöschen"), QStringLiteral("&Löschen"),
            &Aufwendungen::Loeschen_Knopf_Click);
    eintrag(positionen, QStringLiteral("MenüFelderLöschen"), QStringLiteral("&Felder löschen"),
            &Aufwendungen::Felder_Loeschen_Knopf_Click);
    // Strg+Z wherever the focus is in this window; a text field with typing
    // of its own to take back keeps the key (AufwendungenEingabe).
    m_menueRueckgaengig = eintrag(positionen, QStringLiteral("MenüRückgängig"), QStringLiteral("&Rückgängig"),
                                  &Aufwendungen::Rueckgaengig_Click);
    m_menueRueckgaengig->setShortcut(QKeySequence::Undo);
    m_menueRueckgaengig->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_menueRueckgaengig->setEnabled(false);
    addAction(m_menueRueckgaengig);
    eintrag(positionen, QStringLiteral("MenüBelegEinlesen"), QStringLiteral("Beleg &einlesen…"),
            &Aufwendungen::Einlesen_Knopf_Click)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    eintrag(positionen, QStringLiteral("MenüBelegAnzeigen"), QStringLiteral("Beleg an&zeigen"),
            &Aufwendungen::Anzeigen_Knopf_Click);
    positionen->addSeparator();
    eintrag(positionen, QStringLiteral("MenüRechnungsliste"), QStringLiteral("&Rechnungsliste"),
            [this] { m_liste->setFocus(); });
    eintrag(positionen, QStringLiteral("MenüVersicherungBerechnen"), QStringLiteral("&Versicherung berechnen"),
            &Aufwendungen::Rechnen_Knopf_Click);
}


// --- sorting, numbering, doctors list ---

void Aufwendungen::Sortieren_Knopf_Click()
{
    if (m_tabelle.anzahl() <= 1)
        return;
    schrittMerken(QStringLiteral("Sortieren"));
    m_tabelle.sortieren();
    einlesen();
}

void Aufwendungen::Numerieren_Knopf_Click()
{
    if (m_tabelle.istLeer())
        return;
    if (!m_numerierenform)
        m_numerierenform = new Numerierenform(this);
    Dialoge::ausfuehren(m_numerierenform);
    if (m_numerierenform->was() == QLatin1String("1"))
        return;
    bool ok = false;
    qint64 start = m_numerierenform->nummer().trimmed().toLongLong(&ok);
    if (!ok)
        start = 0;
    QString fehler;
    const Rechnungspositionen vorher = m_tabelle;
    if (!m_tabelle.numerieren(start, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Eingabefehler!"), fehler, QMessageBox::Ok);
        return;
    }
    m_verlauf.merken(vorher, aktuelleZeile(), QStringLiteral("Numerieren"));
    einlesen();
}

// --- taking changes back ---

void Aufwendungen::schrittMerken(const QString &was)
{
    m_verlauf.merken(m_tabelle, aktuelleZeile(), was);
}

void Aufwendungen::antragGewechselt()
{
    m_verlauf.leeren();
    m_hinweisKennung.reset();
}

void Aufwendungen::Rueckgaengig_Click()
{
    if (m_verlauf.leer())
        return;
    const int zeile = m_verlauf.zuruecknehmen(m_tabelle);
    einlesen();
    if (zeile > 0)
        setzeAktuelleZeile(zeile);
    m_liste->setFocus();
}

void Aufwendungen::Drucken_Knopf_Click()
{
    m_hauptform.Felder_einlesen();
    m_hauptform.aktionAusfuehren(QStringLiteral("Druckfunktion"));
}

// --- exchange files ---

void Aufwendungen::Export_Click()
{
    if (m_tabelle.istLeer())
        return;
    const QString pfad = Dialoge::dateiSpeichern(this, QStringLiteral("Export Tarvik"));
    if (pfad.isEmpty())
        return;
    m_hauptform.Felder_einlesen();
    const Feldtabelle &felder = m_hauptform.feldtabelle();
    auto wert = [&felder](const char *tag) {
        const int i = felder.finde(QString::fromUtf8(tag));
        return i >= 0 ? felder.zeile(i).wert : QString();
    };
    TarvikExport::Kopf k;
    if (const QLineEdit *e = m_hauptform.feld(QStringLiteral("Personalnummer")))
        k.Personalnummer = e->text();
    k.Name = wert("1Nachname");
    k.Vorname = wert("1Vorname");
    k.Geburtsdatum = wert("1Geburtsdatum");
    k.Antragsdatum = m_antragsdatum->text();
    k.AbschlagDatum = m_abschlagDatum->text();
    k.AbschlagHoehe = m_abschlagHoehe->text();
    QString fehler;
    if (!TarvikExport::schreiben(pfad, k, m_tabelle, &fehler))
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Exportdatei konnte nicht geschrieben werden.\n\n%1").arg(fehler));
}

void Aufwendungen::Import_Click()
{
    const QString pfad = Dialoge::dateiOeffnen(this, QStringLiteral("Import Velmora V 2.xx"));
    if (pfad.isEmpty())
        return;
    QString text;
    QString fehler;
    if (!TextFile::read(pfad, &text, &fehler)) {
        Dialoge::meldung(this, QMessageBox::Critical, QStringLiteral("Warnung"),
                         QStringLiteral("Die Datei konnte nicht gelesen werden.\n\n%1").arg(fehler));
        return;
    }
    const Version2Import::Inhalt inhalt = Version2Import::lesen(text);
    if (!inhalt.hatDatum)
        return;
    m_antragsdatum->setText(GermanDate::isDate(inhalt.antragsdatum) ? GermanDate::normalized(inhalt.antragsdatum)
                                                                   : inhalt.antragsdatum);
    m_eingabe->euroSetzen(false);
    AufwendungenEingabe &f = *m_eingabe;
    for (const QStringList &gruppe : inhalt.gruppen) {
        Version2Import::Eintrag e;
        e.Empfaenger = f.empfaengerFeld()->currentText();
        e.Beleg = f.belegFeld()->text();
        e.Datum = f.datumFeld()->text();
        e.Art = f.artFeld()->currentText();
        e.Rechnung = f.rechnungFeld()->text();
        e.Versicherung = f.versicherungFeld()->text();
        e.Arzt = f.arztFeld()->currentText();
        for (int i = 0; i < gruppe.size(); ++i)
            Version2Import::anwenden(e, i, gruppe.at(i));
        f.empfaengerFeld()->setEditText(e.Empfaenger);
        f.belegFeld()->setText(e.Beleg);
        f.datumFeld()->setText(e.Datum);
        f.artFeld()->setEditText(e.Art);
        f.rechnungFeld()->setText(e.Rechnung);
        f.versicherungFeld()->setText(e.Versicherung);
        f.arztFeld()->setEditText(e.Arzt);
        if (gruppe.size() == Version2Import::GruppenGroesse)
            Hinzufuegen_Knopf_Click();
    }
}
