#include "forms/Anschriftenform.h"

#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace masken;

namespace {

const Feld kBehoerde[] = {
    text("Name1", "1BehördenName1", "Name 1", "Name der Behörde (z.B Bezirksregierung Arnsberg) "),
    text("Name2", "1BehördenName2", "Name 2", "Name der Behörde/Stelle (z.B. Dez. 49 - Beihilfestelle -)"),
    text("Strasse", "1BehördenStrasse", "Strasse", "Straße/Postfach  Ihrer zuständigen Beihilfestelle"),
    text("PLZ", "1BehördenPLZ", "PLZ / Ort", "Postleitzahl Ihrer zuständigen Beihilfestelle").schmal(5),
    text("Ort", "1BehördenOrt", "", "Zustellungsort Ihrer zuständigen Beihilfestelle").dazu(),
};

const Feld kRuecksendung[] = {
    text("RName1", "1RücksendungName1", "Name 1", "Name-1 (kann sein: Frau/Herr oder Titel usw.)"),
    text("RName2", "1RücksendungName2", "Name 2", "Name-2 (kann sein: Vorame, Nachname)"),
    text("RStrasse", "1RücksendungStrasse", "Strasse", "Straße (in der Regel die Straße Ihres  Wohnsitzes)"),
    text("RPLZ", "1RücksendungPLZ", "PLZ / Ort", "Postleitzahl (z.B. PLZ Ihres Wohnortes)").schmal(5),
    text("ROrt", "1RücksendungOrt", "", "Ort (z.B. Ihr Wohnort)").dazu(),
};

const char *const kKopfTipp = "aus Originalantrag entnehmen (siehe auch Bemerkung rechts --->)";
const Feld kKopf[] = {
    text("Kopf", "1Kopf1", "", kKopfTipp).element(0),
    text("Kopf", "1Kopf2", "", kKopfTipp).element(1),
    text("Kopf", "1Kopf3", "", kKopfTipp).element(2),
};

const Feld kFestsetzung[] = {
    text("FAktenzeichen", "1FSAktenzeichen", "Aktenz.", "Aktenzeichen der Festsetzungsstelle "),
    text("FTelefon", "1FSTelefon", "Telefon", "Telefonnummer der Festsetzungsstelle (bitte aus Originalantrag entnehmen)"),
    text("FOrt", "1FSOrt", "Ort", "Ort der zuständigen Beihilfestelle (bitte aus Originalantrag entnehmen)"),
};

const Feld kAntragsteller[] = {
    text("AOrt", "1AntragstellerOrt", "Ort", "Wohnort des Antragstellers (Ihr Wohnort)"),
    text("ADatum", "1AntragstellerDatum", "Datum",
         "Datum (TT.MM.JJJJ), in der Regel das Abgabedatum des Beihilfeantrages - wird übernommen aus den "
         "Aufwendungen ")
        .schmal(10),
};

const Feld kEntwurf[] = {
    text("Titel", "1Titel", "Titel", "Titel (bitte aus Originalantrag Ihrer Beihilfestelle entnehmen)"),
    text("Kapitel", "1Kapitel", "Kapitel", "Kapitel (bitte aus Originalantrag Ihrer Beihilfestelle entnehmen)"),
};

const Feld kOFD[] = {
    kasten("OFD", "2OFD1", "OFD Düsseldorf",
           "Anklicken, bei Abgabe des  Beihilfeantrages bei Oberfinanzdirektion Düsseldorf ")
        .element(0),
    kasten("OFD", "2OFD2", "B.- V.St.Abtlg. D'dorf",
           "Anklicken, bei Abgabe des Beihilfeantrages bei Besitz- und Verkehrsteuerabteilung Düsseldorf")
        .element(1),
    kasten("OFD", "2OFD3", "B.-V.St.Abtlg. Köln",
           "Anklicken, bei Abgabe des Beihilfeantrages bei Besitz- und Verkehrsteuerabteilung Köln")
        .element(2),
    kasten("OFD", "2OFD4", "OFD Münster", "Anlkicken, bei Abgabe des Beihilfeantrages bei Oberfinanzdirektion Münster")
        .element(3),
};

} // namespace

Anschriftenform::Anschriftenform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Anschriftenform"), QStringLiteral("Anschriften"))
    , m_farbe(255, 255, 0)
{
    auto *spalten = new QHBoxLayout(this);
    spalten->setContentsMargins(8, 8, 8, 8);
    spalten->setSpacing(8);
    auto *links = new QVBoxLayout;
    auto *rechts = new QVBoxLayout;
    spalten->addLayout(links, 3);
    spalten->addLayout(rechts, 2);

    links->addWidget(gruppe(QStringLiteral("Anschrift der Behörde"), kBehoerde, this));
    links->addWidget(gruppe(QStringLiteral("Anschrift für Antragsrücksendung"), kRuecksendung, this));
    links->addWidget(gruppe(QStringLiteral("Antragskopf"), kKopf, this));
    links->addStretch(1);

    rechts->addWidget(gruppe(QStringLiteral("Festsetzungsstelle"), kFestsetzung, this));
    rechts->addWidget(gruppe(QStringLiteral("Antragsteller"), kAntragsteller, this));
    rechts->addWidget(gruppe(QStringLiteral("Entwurf / Verfügung"), kEntwurf, this));
    rechts->addWidget(
        gruppe(QStringLiteral("Oberfinanzdirektion Düsseldorf / Münster"), kOFD, this, QStringLiteral("OFDFrame")));
    m_hinweis = beschriftung(QStringLiteral("Übernehmen Sie bitte den Antragskopf sowie Kapitel und Titel von der "
                                            "Rückseite der Zusammenstellung der Aufwendungen des Originalantrages "
                                            "Ihrer Festsetzungs- stelle."),
                             this, true, QStringLiteral("Hinweis"));
    m_hinweis->setFrameShape(QFrame::StyledPanel);
    m_hinweis->setMargin(6);
    hintergrundSetzen(m_hinweis, palette().color(QPalette::Window));
    rechts->addWidget(m_hinweis);
    rechts->addStretch(1);

    // The hint lights up while a header field has the focus.
    QList<QWidget *> kopffelder;
    for (int i = 0; i < 3; ++i)
        kopffelder << finde<QLineEdit>(this, QStringLiteral("Kopf"), i);
    kopffelder << finde<QLineEdit>(this, QStringLiteral("Kapitel")) << finde<QLineEdit>(this, QStringLiteral("Titel"));
    for (QWidget *w : kopffelder)
        beiFokus(w, [this](bool hinein) {
            hintergrundSetzen(m_hinweis, hinein ? m_farbe : palette().color(QPalette::Window));
        });

    setFocusProxy(finde<QLineEdit>(this, QStringLiteral("Name1")));
    m_datum = finde<QLineEdit>(this, QStringLiteral("ADatum"));
    datumPruefen(m_datum);
    m_hauptform.setAktiv(3);
    m_hauptform.Felder_anzeigen(this);

    // The application date is one field with the main window's date (which
    // the ledger sets): both boxes show the same text from now on, so that
    // the collection, which walks the main window last, keeps what was typed
    // here. The main window's box holds the newer value at this point.
    if (QLineEdit *haupt = m_hauptform.feld(QStringLiteral("Datum"))) {
        m_datum->setText(haupt->text());
        connect(m_datum, &QLineEdit::textChanged, haupt, [haupt](const QString &t) {
            if (haupt->text() != t)
                haupt->setText(t);
        });
        connect(haupt, &QLineEdit::textChanged, m_datum, [this](const QString &t) {
            if (m_datum->text() != t)
                m_datum->setText(t);
        });
    }
}

void Anschriftenform::aktivieren()
{
    OFD_zeigen();
}

void Anschriftenform::OFD_zeigen()
{
    if (QWidget *ofd = findChild<QWidget *>(QStringLiteral("OFDFrame")))
        ofd->setVisible(m_hauptform.antragText() == QStringLiteral("OFD Düsseldorf"));
}
