#include "forms/Hauptdaten.h"

#include "base/Iban.h"
#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

using namespace masken;

namespace {

const Feld kHauptdaten[] = {
    text("Nachname", "1Nachname", "Name"),
    text("Vorname", "1Vorname", "Vorname / Titel"),
    text("Titel", "", "", "tragen Sie hier Ihren akademischen Titel ein (z.B. Dr. oder Prof.)").dazu(),
    text("Strasse", "1Strasse", "Strasse", "Straße u. Hausnummer, in der Sie gemeldet sind"),
    text("PLZ", "1PLZ", "PLZ / Ort", "Postleitzahl Ihres Wohnortes", 5),
    text("Ort", "1Ort", "", "Ihr gemeldeter Wohnort").dazu(),
    text("Amtsbezeichnung", "1Amtsbezeichnung", "Amtsbez. / Verg.",
         "Ihre Amtsbezeichnung u./oder Vergütungsgruppe (oder was Ihre Beihilfestelle erwartet)"),
    kasten("Referendar", "2ReferendarJa", "R.", "Referendar").dazu(),
    text("Dienststelle", "1Dienststelle", "Dienststelle / Dez.", "Ihre Dienststelle (z.B. Forstamt Schwarzwald)"),
    text("Dezernat", "1Dezernat", "", "Ihr Dezernat (falls im Antrag gesondert verlangt)").dazu(),
    text("Personalnummer", "1Personalnummer", "Personalnr./Leitzahl", "Ihre Personalnummer tragen Sie hier ein"),
    text("Leitzahl", "1LeitzahlAntrag", "", "Leitzahl").dazu(),
    text("Beihilfenummer", "1Beihilfenummer", "Beihilfe-Nummer",
         "falls vorhanden, tragen Sie hier die \"Beihilfenummer\" ein"),
    text("Geburtsdatum", "1Geburtsdatum", "Geburtsdatum", "", 10),
    text("Telefon", "1Telefon", "Telefon (tagsüber)", "Telefonnummer, wo Sie tagsüber zu erreichen sind"),
    text("imDienstseit", "1imDienstseit", "im öffentl. Dienst seit", "der Eintrittstermin in den öffentlichen Dienst"),
    liste("Familienstand", "1Familienstand", "F.stand",
          "Familienstand: ledig, verheiratet, geschieden, getrennt lebend, verwitwet "),
    text("seit", "1Familienstandseit", "", "Zeitpunkt (TT.MM.JJJJ) ab dem der Familienstand gültig ist", 10).dazu(),
    kasten("DSArt", "2DSSchule", "Schule", "Schule").element(0),
    kasten("DSArt", "2DSStudienseminar", "Studienseminar", "Studienseminar").element(1).dazu(),
    kasten("DSArt", "2DSsonstige", "sonstige Dienststelle", "sonstige Dienststelle").element(2).dazu(),
    label("Unterhaltsverpflichtung"),
    kasten("UnterhaltJa", "2UnterhaltpflichtJa", "ja").dazu(),
    kasten("UnterhaltNein", "2UnterhaltpflichtNein", "nein").dazu(),
    kasten("keinBeamter", "", "Antragsteller ist kein Beamter oder Versorgungsempfänger",
           "bitte hier ankreuzen wenn Sie kein Beamter oder Versorgungsempfänger sind"),
    kasten("vor1999ja", "2vor1999ja", "Begründung  Arbeitsverhältnis vor 1.1.1999",
           "Begründung des jetzigen Arbeitsverhältnisses vor dem 1.1.1999 (nur Arbeitnehmer)"),
};

const Feld kEmail[] = {
    text("email", "1emailAdresse"),
};

const Feld kEhegatte[] = {
    text("Ehegattenname", "1EhegattenNachname", "Name",
         "Name der Ehegattin / des Ehegatten (ggf. abweichender Name) "),
    text("Ehegattenvorname", "1Ehegattenvorname", "Vorname", "Vorname der Ehegattin / des Ehegatten"),
    text("Ehegattengeburtsdatum", "1Ehegattengeburtsdatum", "Geburtsdatum",
         "Geburtsdatum (TT.MM.JJJJ) der Ehegattin / des Ehegatten", 10),
    kasten("berufstätig", "2EhegatteBerufstätig", "berufstätig",
           "bitte ankreuzen, wenn Ehegattin/Ehegatte berufstätig ist (wichtig für die Antragstellung)"),
    kasten("iöD", "2EhegatteÖD", "im öffentlichen Dienst",
           "bitte ankreuzen, wenn Ehegattin/Ehegatte im öffentlichen Dienst beschäftigt ist")
        .dazu(),
};

const Feld kBank[] = {
    // The boxes keep their old names and tags; they hold IBAN and BIC now.
    // No length limit: a stored value is never cut by showing it.
    text("Kontonummer", "1Kontonummer", "IBAN", "IBAN, bis 34 Zeichen (z.B. DE89 3704 0044 0532 0130 00)"),
    text("Bankleitzahl", "1Bankleitzahl", "BIC", "BIC, 8 oder 11 Zeichen (z.B. COBADEFFXXX)"),
    text("Institut", "1Institut", "Institut", "Institut (z.B. Stadtsparkasse Irgendwo, Volksbank Dortmund, usw.)"),
    kasten("bar", "2Barauszahlung", "bar auszahlen",
           "bitte ankreuzen, wenn die Beihilfe bar ausgezahlt werden soll (meistens nicht üblich)"),
    kasten("Konto1", "2Gehaltskonto", "Gehaltskto.",
           "bitte ankreuzen, wenn die angegebene Bankverbindung auch als Gehaltskonto dient")
        .dazu(),
    kasten("Konto2", "2Beihilfekonto", "Beihilfekto.",
           "bitte ankreuzen, wenn die angegebene Bankverbindung nur als Beihilfekonto dient")
        .dazu(),
};

const Feld kVoll[] = {
    label("es bestand Vollbeschäftigung"),
    kasten("Vollja", "2VollbeschäftigungJa", "ja", "bitte ankreuzen, wenn Sie einer Vollbeschäftigung nachgehen ")
        .dazu(),
    kasten("Vollnein", "2VollbeschäftigungNein", "nein",
           "bitte ankreuzen, wenn Sie einer Teilzeitbeschäftigung nachgehen ( dann auch Angabe der Wochenstunden) ")
        .dazu(),
    label("falls nein: Anzahl Wochenstunden", "Wochenstundenlabel"),
    text("Wochenstunden", "1Wochenstunden", "", "bei einer Teilzeitbeschäftigung tragen Sie hier die Wochenstunden ein")
        .schmal(5)
        .dazu(),
    text("Pflichtstunden", "1Pflichtstundenzahl", "Pflichtst.", "bei Lehrern: Pflichtstundenzahl bei Vollbeschäftigung")
        .schmal(5)
        .dazu(),
    kasten("Teilzeit", "2Teilzeit", "Teilzeit", "Teilzeit"),
    kasten("Sabbatjahr", "2Sabbatjahr", "Sabbatjahr", "Sabbatjahr").dazu(),
    kasten("Altersteilzeit", "2Altersteilzeit", "Altersteilzeit Blockmodell", "Altersteilzeit").dazu(),
};

const Feld kBeurlaubung[] = {
    kasten("Bezügenein", "2BeurlaubungNein", "nein",
           "bitte ankreuzen, wenn Sie in den letzten 24 Monaten nicht ohne Bezüge beurlaubt waren"),
    kasten("Bezügeja", "2BeurlaubungJa", "ja",
           "bitte ankreuzen, wenn Sie in den letzten 24 Monaten ohne Bezüge beurlaubt waren ( auch Grund u. vom - "
           "bis - Zeitraum eintragen)")
        .dazu(),
    kasten("Grund1", "2Grund85a", "§85a LBG").dazu(),
    kasten("Grund2", "2Grund78e", "§78e LBG").dazu(),
    text("Grund", "1BeurlaubungGrund", "Grund",
         "falls Sie in den letzten 24 Monaten ohne Bezüge beurlaubt waren, tragen Sie hier den Grund ein (z.B. "
         "Weltreise)"),
    text("vom", "1BeurlaubungVon", "vom", "Zeitraum vom (TT.MM.JJJJ)", 10),
    text("bis", "1BeurlaubungBis", "bis", "Zeitraum bis (TT.MM.JJJJ)", 10).dazu(),
};

const char *const kBSatzTipp[] = {
    "Antragsteller: Beihilfebemessungssatz = 50 für 50% (das Prozentzeichen (%) nicht eingeben!), bei "
    "Empfängern von Versorgungsbezügen = 70 für 70%",
    "Ehegattin/Ehegatte: Beihilfebemessungssatz = 70 für 70%",
    "Kinder: Beihilfebemessungssatz = 80 für 80%",
};
const char *const kKSatzTipp[] = {
    "Antragsteller: Prozentsatz der Krankenversicherung (z.B. 50 für 50%, das Prozentzeichen (%) nicht eingeben!)",
    "Ehegattin/Ehegatte Krankenversicherung = 30 für 30%",
    "Kinder: Krankenversicherung = 20 für 20%",
};
const char *const kPerson[] = {"Antragsteller", "Ehegatte", "Kinder"};

// Hidden boxes derived from the visible answers.
const Feld kAbgeleitet[] = {
    kasten("FStandledig", "2FamilienstandLedig", ""),
    text("FStand", "1FamilienstandVerheiratet").element(0),
    text("FStand", "1FamilienstandGeschieden").element(1),
    text("FStand", "1FamilienstandVerwitwet").element(2),
    text("FStand", "1FamilienstandGetrennt").element(3),
    kasten("berufstätignein", "2EhegatteBerufstätignein", ""),
    kasten("iöDnein", "2EhegatteÖDnein", ""),
    kasten("vor1999nein", "2vor1999nein", ""),
};

} // namespace

Hauptdaten::Hauptdaten(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Hauptdaten"), QStringLiteral("Persönliche Daten"))
{
    auto *spalten = new QHBoxLayout(this);
    spalten->setContentsMargins(8, 8, 8, 8);
    spalten->setSpacing(8);
    auto *links = new QVBoxLayout;
    auto *rechts = new QVBoxLayout;
    spalten->addLayout(links, 1);
    spalten->addLayout(rechts, 1);

    links->addWidget(gruppe(QStringLiteral("Hauptdaten"), kHauptdaten, this));
    links->addWidget(gruppe(QStringLiteral("e-mail"), kEmail, this));

    // The percentages: one column per person, below the caption a box for
    // the Beihilfe rate and one for the insurance share.
    auto *saetze = new QGroupBox(QStringLiteral("Bemessungssätze Beihilfe und Krankenversicherung in %"), this);
    auto *satzGrid = new QGridLayout(saetze);
    satzGrid->setContentsMargins(8, 6, 8, 6);
    satzGrid->addWidget(beschriftung(QStringLiteral("Beihilfe"), saetze), 1, 0);
    satzGrid->addWidget(beschriftung(QStringLiteral("Krankenversicherung"), saetze), 2, 0);
    for (int n = 0; n < 3; ++n) {
        auto *person = erzeugen(label(kPerson[n], "PPerson").element(n), saetze);
        m_person[n] = static_cast<QLabel *>(person);
        m_person[n]->setAlignment(Qt::AlignCenter);
        satzGrid->addWidget(person, 0, n + 1);
    }
    for (int n = 0; n < 3; ++n) {
        auto *b = static_cast<QLineEdit *>(erzeugen(text("BSatz", "", "", kBSatzTipp[n], 3).element(n), saetze));
        b->setAlignment(Qt::AlignCenter);
        b->setFixedWidth(80);
        satzGrid->addWidget(b, 1, n + 1);
    }
    for (int n = 0; n < 3; ++n) {
        auto *k = static_cast<QLineEdit *>(erzeugen(text("KSatz", "", "", kKSatzTipp[n]).element(n), saetze));
        k->setAlignment(Qt::AlignCenter);
        k->setFixedWidth(80);
        satzGrid->addWidget(k, 2, n + 1);
    }
    m_bkInfo = beschriftung(QString(), saetze, true, QStringLiteral("BKInfo"));
    {
        QPalette p = m_bkInfo->palette();
        p.setColor(QPalette::WindowText, QColor(192, 0, 0));
        m_bkInfo->setPalette(p);
    }
    // Room for the longest hint, so that the group does not jump.
    m_bkInfo->setMinimumWidth(m_bkInfo->fontMetrics().horizontalAdvance(QStringLiteral("Krankenversicherung Antragsteller")) / 2 + 20);
    satzGrid->addWidget(m_bkInfo, 3, 0, 1, 4);
    m_bkInfo->setMinimumHeight(m_bkInfo->fontMetrics().height() + 4);
    links->addWidget(saetze);
    links->addStretch(1);

    m_ehegatte = gruppe(QStringLiteral("Ehegatte / Ehegattin"), kEhegatte, this, QStringLiteral("Ehegattenframe"));
    rechts->addWidget(m_ehegatte);
    QGroupBox *bank = gruppe(QStringLiteral("Bankverbindung"), kBank, this);
    rechts->addWidget(bank);
    bankPruefungAnbieten(bank);
    rechts->addWidget(gruppe(QStringLiteral("Vollbeschäftigung"), kVoll, this));
    rechts->addWidget(gruppe(QStringLiteral("Beurlaubung o. Bezüge in den letzten 24 Monaten"), kBeurlaubung, this));
    rechts->addStretch(1);

    auto *verborgen = new QWidget(this);
    verborgen->setObjectName(QStringLiteral("AbgeleiteteFelder"));
    for (const Feld &f : kAbgeleitet)
        erzeugen(f, verborgen);
    verborgen->hide();

    m_familienstand = findChild<QComboBox *>(QStringLiteral("Familienstand"));
    m_familienstand->addItems({QStringLiteral("ledig"), QStringLiteral("verheiratet seit"),
                               QStringLiteral("geschieden seit"), QStringLiteral("verwitwet seit"),
                               QStringLiteral("getrennt lebend seit")});
    m_familienstand->setCurrentIndex(-1);
    m_seit = textfeld("seit");
    if (auto *l = findChild<QLabel *>(QStringLiteral("Wochenstundenlabel")))
        l->setBuddy(textfeld("Wochenstunden"));
    haken("vor1999ja")->setEnabled(false);
    haken("bar")->setEnabled(false);

    // Rules.
    connect(m_familienstand, &QComboBox::currentIndexChanged, this, &Hauptdaten::Familienstand_Click);
    connect(m_seit, &QLineEdit::textChanged, this, &Hauptdaten::Statusdatum_anwenden);
    connect(haken("berufstätig"), &QCheckBox::toggled, this, &Hauptdaten::Berufstaetig_anwenden);
    connect(haken("iöD"), &QCheckBox::toggled, this, &Hauptdaten::OeffentlicherDienst_anwenden);
    connect(haken("keinBeamter"), &QCheckBox::toggled, this, &Hauptdaten::keinBeamter_Click);
    connect(haken("vor1999ja"), &QCheckBox::toggled, this, &Hauptdaten::vor1999_Click);
    connect(haken("Vollja"), &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            Vollbeschaeftigung_setzen(true);
    });
    connect(haken("Vollnein"), &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            Vollbeschaeftigung_setzen(false);
    });
    connect(haken("Bezügeja"), &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            Bezuege_setzen(true);
    });
    connect(haken("Bezügenein"), &QCheckBox::toggled, this, [this](bool an) {
        if (an)
            Bezuege_setzen(false);
    });
    beiFokus(m_familienstand, [this](bool hinein) {
        if (!hinein)
            m_ehegatte->setEnabled(m_familienstand->currentText() != QLatin1String("ledig"));
    });

    // The views write back into the main window's shared controls.
    auto spiegeln = [this](QLineEdit *sicht, const QString &name, int index) {
        connect(sicht, &QLineEdit::textChanged, this, [this, name, index](const QString &t) {
            if (QLineEdit *ziel = m_hauptform.feld(name, index))
                if (ziel->text() != t)
                    ziel->setText(t);
        });
    };
    spiegeln(textfeld("Personalnummer"), QStringLiteral("Personalnummer"), -1);
    spiegeln(textfeld("Titel"), QStringLiteral("Titel"), -1);
    for (int n = 0; n < 3; ++n) {
        spiegeln(textfeld("BSatz", n), QStringLiteral("Bemessungssatz"), n);
        spiegeln(textfeld("KSatz", n), QStringLiteral("Krankenkasse"), n);
    }

    // Which rate has the focus.
    for (int n = 0; n < 3; ++n) {
        beiFokus(textfeld("BSatz", n), [this, n](bool hinein) {
            m_bkInfo->setText(hinein ? QStringLiteral("Bemessungssatz ") + m_person[n]->text() : QString());
        });
        beiFokus(textfeld("KSatz", n), [this, n](bool hinein) {
            m_bkInfo->setText(hinein ? QStringLiteral("Krankenversicherung ") + m_person[n]->text() : QString());
        });
    }

    // A birth date not known yet may stay empty.
    datumPruefen(textfeld("Geburtsdatum"));
    datumPruefen(textfeld("Ehegattengeburtsdatum"));

    auto *esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, this, [this] { m_hauptform.oeffnen(QStringLiteral("Infoform")); });
    feldMarkierungAnbieten();
    setFocusProxy(textfeld("Nachname"));

    // First load: the spouse group follows the family status, then the
    // screen takes its values from the field table.
    m_ehegatte->setEnabled(m_familienstand->currentText() != QLatin1String("ledig"));
    m_hauptform.setAktiv(0);
    m_hauptform.Felder_anzeigen(this);
    Bankhinweis_anwenden();
}

void Hauptdaten::bankPruefungAnbieten(QGroupBox *bank)
{
    m_bankHinweis = beschriftung(QString(), bank, true, QStringLiteral("Bankhinweis"));
    QPalette p = m_bankHinweis->palette();
    p.setColor(QPalette::WindowText, QColor(192, 0, 0));
    m_bankHinweis->setPalette(p);
    m_bankHinweis->hide();
    auto *grid = static_cast<QGridLayout *>(bank->layout());
    grid->addWidget(m_bankHinweis, grid->rowCount(), 0, 1, grid->columnCount());
    // On leaving: the IBAN in groups of four, the BIC in capitals; a wrong
    // one is only pointed out, the user may go on.
    QLineEdit *iban = textfeld("Kontonummer");
    connect(iban, &QLineEdit::editingFinished, this, [this, iban] {
        const QString neu = ibanFormatiert(iban->text());
        if (neu != iban->text())
            iban->setText(neu);
        Bankhinweis_anwenden();
    });
    QLineEdit *bic = textfeld("Bankleitzahl");
    connect(bic, &QLineEdit::editingFinished, this, [this, bic] {
        if (bicGueltig(bic->text()) && ibanKompakt(bic->text()) != bic->text())
            bic->setText(ibanKompakt(bic->text()));
        Bankhinweis_anwenden();
    });
}

void Hauptdaten::Bankhinweis_anwenden()
{
    const QString hinweis = bankHinweis(textfeld("Kontonummer")->text(), textfeld("Bankleitzahl")->text());
    m_bankHinweis->setText(hinweis);
    m_bankHinweis->setVisible(!hinweis.isEmpty());
}

QLineEdit *Hauptdaten::textfeld(const char *name, int index) const
{
    return finde<QLineEdit>(this, QString::fromUtf8(name), index);
}

QCheckBox *Hauptdaten::haken(const char *name, int index) const
{
    return finde<QCheckBox>(this, QString::fromUtf8(name), index);
}

void Hauptdaten::aktivieren()
{
    for (int n = 0; n < 3; ++n) {
        if (QLineEdit *k = m_hauptform.feld(QStringLiteral("Krankenkasse"), n))
            textfeld("KSatz", n)->setText(k->text());
        if (QLineEdit *b = m_hauptform.feld(QStringLiteral("Bemessungssatz"), n))
            textfeld("BSatz", n)->setText(b->text());
    }
    if (QCheckBox *k = m_hauptform.kasten(QStringLiteral("keinBeamter")))
        haken("keinBeamter")->setChecked(k->isChecked());
    if (QLineEdit *t = m_hauptform.feld(QStringLiteral("Titel")))
        textfeld("Titel")->setText(t->text());
    Berufstaetig_anwenden();
    OeffentlicherDienst_anwenden();
}

void Hauptdaten::Familienstand_Click()
{
    m_ehegatte->setEnabled(true);
    eingabeFreigeben(m_seit, true);
    if (m_familienstand->currentText() == QLatin1String("ledig")) {
        m_ehegatte->setEnabled(false);
        m_seit->clear();
        eingabeFreigeben(m_seit, false);
    }
    Statusdatum_anwenden();
}

void Hauptdaten::Statusdatum_anwenden()
{
    for (int i = 0; i < 4; ++i)
        textfeld("FStand", i)->clear();
    const int k = m_familienstand->currentIndex();
    if (k >= 1 && k <= 4)
        textfeld("FStand", k - 1)->setText(m_seit->text());
    if (k == 0) {
        haken("FStandledig")->setChecked(true);
        haken("iöDnein")->setChecked(false);
        haken("berufstätignein")->setChecked(false);
        return;
    }
    haken("FStandledig")->setChecked(false);
    Berufstaetig_anwenden();
    OeffentlicherDienst_anwenden();
}

void Hauptdaten::Berufstaetig_anwenden()
{
    if (haken("FStandledig")->isChecked())
        return;
    haken("berufstätignein")->setChecked(!haken("berufstätig")->isChecked());
}

void Hauptdaten::OeffentlicherDienst_anwenden()
{
    if (haken("FStandledig")->isChecked())
        return;
    haken("iöDnein")->setChecked(!haken("iöD")->isChecked());
}

void Hauptdaten::keinBeamter_Click()
{
    const bool kein = haken("keinBeamter")->isChecked();
    if (QCheckBox *k = m_hauptform.kasten(QStringLiteral("keinBeamter")))
        k->setChecked(kein);
    QCheckBox *ja = haken("vor1999ja");
    if (!kein) {
        ja->setEnabled(false);
        ja->setChecked(false);
        haken("vor1999nein")->setChecked(false);
    } else {
        ja->setEnabled(true);
        vor1999_Click();
    }
}

void Hauptdaten::vor1999_Click()
{
    QCheckBox *ja = haken("vor1999ja");
    if (ja->isChecked())
        haken("vor1999nein")->setChecked(false);
    else if (ja->isEnabled())
        haken("vor1999nein")->setChecked(true);
}

void Hauptdaten::Vollbeschaeftigung_setzen(bool ja)
{
    haken(ja ? "Vollnein" : "Vollja")->setChecked(false);
    QLineEdit *stunden = textfeld("Wochenstunden");
    if (ja)
        stunden->clear();
    eingabeFreigeben(stunden, !ja);
    if (auto *l = findChild<QLabel *>(QStringLiteral("Wochenstundenlabel")))
        l->setEnabled(!ja);
}

void Hauptdaten::Bezuege_setzen(bool ja)
{
    haken(ja ? "Bezügenein" : "Bezügeja")->setChecked(false);
    for (const char *n : {"Grund", "vom", "bis"}) {
        QLineEdit *e = textfeld(n);
        if (!ja)
            e->clear();
        eingabeFreigeben(e, ja);
    }
}
