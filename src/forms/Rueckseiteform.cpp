#include "forms/Rueckseiteform.h"

#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace masken;

namespace {

const char *const kJaTipp = "ankreuzen, wenn obige Fragestellung mit \"JA\" beantwortet wird";
const char *const kNeinTipp = "ankreuzen, wenn obige Fragestellung mit \"NEIN\" beantwortet wird";

const char *const kOption[] = {
    "bei vorrangigen Ansprüchen",
    "von antragstellenden Personen. die für Aufwendungen der Ehegattin/des Ehegatten oder Kinder eine Beihilfe "
    "beantragen",
    "wenn die antragstellende Person oder eine Angehörige/ein Angehöriger Rentenempfänger/ Rentenempfängerin ist",
    "in Geburtsfällen und bei Adoptionen",
    "in Todesfällen",
    "bei Unfällen",
};

QLabel *frage(const char *text, QWidget *eltern)
{
    auto *l = beschriftung(QString::fromUtf8(text), eltern, true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel *kopf(const char *text, QWidget *eltern)
{
    auto *l = frage(text, eltern);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Raised);
    l->setMargin(2);
    return l;
}

// A line of controls from Feld lines, left-aligned.
QHBoxLayout *reihe(QWidget *eltern, std::initializer_list<Feld> felder, QWidget *davor = nullptr)
{
    auto *l = new QHBoxLayout;
    l->setSpacing(16);
    if (auto *text = qobject_cast<QLabel *>(davor))
        text->setWordWrap(false);
    if (davor)
        l->addWidget(davor);
    for (const Feld &f : felder)
        l->addWidget(erzeugen(f, eltern));
    l->addStretch(1);
    return l;
}

QWidget *abschnitt(QStackedWidget *stapel, int n)
{
    auto *rp = new QFrame(stapel);
    rp->setObjectName(QStringLiteral("RP"));
    rp->setProperty("index", n);
    rp->setFrameShape(QFrame::StyledPanel);
    stapel->addWidget(rp);
    return rp;
}

QCheckBox *box(const QWidget *root, const char *name, int i = -1)
{
    return finde<QCheckBox>(root, QString::fromUtf8(name), i);
}

} // namespace

Rueckseiteform::Rueckseiteform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Rückseiteform"), QStringLiteral("Rückseite des Beihilfeantrages"))
{
    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(8, 8, 8, 8);
    aussen->setSpacing(8);

    auto *wahl = new QGroupBox(QStringLiteral(" Nur auszufüllen..."), this);
    auto *wahlGrid = new QGridLayout(wahl);
    wahlGrid->setContentsMargins(8, 6, 8, 6);
    wahlGrid->setVerticalSpacing(2);
    auto *optionen = new QButtonGroup(this);
    for (int n = 0; n < 6; ++n) {
        auto *o = new QRadioButton(QString::fromUtf8(kOption[n]), wahl);
        o->setObjectName(QStringLiteral("Option"));
        o->setProperty("index", n);
        o->setToolTip(QStringLiteral("Siehe Hinweise zu \"Rückseite des Beihilfeantrages\" in der Hilfe von "
                                     "\"Velmora 2000\" zu diesem Punkt"));
        optionen->addButton(o, n);
        wahlGrid->addWidget(o, n, 0);
    }
    aussen->addWidget(wahl);

    m_abschnitte = new QStackedWidget(this);
    m_abschnitte->setObjectName(QStringLiteral("Abschnitte"));
    aussen->addWidget(m_abschnitte, 1);

    // 0: other claims.
    {
        QWidget *rp = abschnitt(m_abschnitte, 0);
        auto *l = new QVBoxLayout(rp);
        l->addWidget(frage("Bestehen Ansprüche zu den geltend gemachten Aufwendungen von sonstigen Rechtsvorschriften "
                           "(z.B. gesetzliche Unfallversicherung, Unfallfürsorgebestimmungen, "
                           "Bundesentschädigungsgesetz, Bundesversorgungsgesetz) oder arbeitsvertraglichen "
                           "Vereinbarungen ?",
                           rp));
        l->addLayout(reihe(rp, {kasten("AnspruchJa", "2AnspruchJa", "ja", kJaTipp),
                                kasten("AnspruchNein", "2AnspruchNein", "nein", kNeinTipp)}));
        l->addWidget(frage("Angabe der Rechtsvorschrift, der Art und der Höhe der Leistung bzw. der zustehenden "
                           "Leistung bitte auf besonderem Blatt",
                           rp));
        l->addStretch(1);
    }
    // 1: relatives' employment and the spouse's earnings.
    {
        QWidget *rp = abschnitt(m_abschnitte, 1);
        auto *l = new QVBoxLayout(rp);
        l->addWidget(frage("Sind oder waren Ehegattin/Ehegatte oder berücksichtigungsfähige Kinder in den letzten 24 "
                           "Monaten berufstätig, Empfängerin/Empfänger von beamtenrechtlichen Versorgungsbezügen, "
                           "von Arbeitslosengeld oder -hilfe, von Unterhaltsgeld nach dem Dritten Buch "
                           "Sozialgesetzbuch oder von Erziehungsgeld ?",
                           rp));
        l->addLayout(reihe(rp, {kasten("BerufstätigJa", "2berufstätig24Ja", "ja"),
                                kasten("berufstätigNein", "2berufstätig24Nein", "nein")}));
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(3);
        const char *koepfe[] = {"Name dieser Person", "Zeitraum der Berufstätigkeit bzw. Zahlung dieser Bezüge",
                                "Name und Anschrift des Arbeitgebers bzw. Angabe der Art der Bezüge",
                                "selbst beihilfe- berechtigt"};
        for (int k = 0; k < 4; ++k)
            g->addWidget(kopf(koepfe[k], rp), 0, k);
        for (int i = 0; i < 3; ++i) {
            const QString n = QString::number(i + 1);
            g->addWidget(erzeugen(text("Person", "1NamePerson%1").element(i), rp, n), i + 1, 0);
            g->addWidget(erzeugen(text("Zeitraum", "1ZeitraumBeruf%1").element(i), rp, n), i + 1, 1);
            g->addWidget(erzeugen(text("Anschrift", "1Arbeitgeberinfo%1").element(i), rp, n), i + 1, 2);
            g->addWidget(erzeugen(kasten("SB", "2selbstbb%1", "ja").element(i), rp, n), i + 1, 3, Qt::AlignCenter);
        }
        g->setColumnStretch(0, 3);
        g->setColumnStretch(1, 3);
        g->setColumnStretch(2, 4);
        g->setColumnStretch(3, 1);
        l->addLayout(g);
        l->addWidget(frage("Hat der Gesamtbetrag der Einkünfte (§2 Abs. 3 des Einkommensteuergesetzes) Ihrer "
                           "Ehegattin/Ihres Ehegatten im Kalenderjahr vor der Antragstellung 35.000 DM/18.000 € "
                           "überstiegen ?",
                           rp));
        l->addLayout(reihe(rp, {kasten("EKJa", "2GesamtbetragJa", "ja"), kasten("EKNein", "2GesamtbetragNein", "nein"),
                                kasten("EKUnbekannt", "2GesamtbetragUnbekannt", "noch nicht bekannt")}));
        l->addStretch(1);
    }
    // 2: pensioners' health insurance, one row per person.
    {
        QWidget *rp = abschnitt(m_abschnitte, 2);
        auto *l = new QVBoxLayout(rp);
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(6);
        g->setVerticalSpacing(3);
        const char *koepfe[] = {"Person", "Erstmalige Pflichtversicherung in der KV der Rentner nach dem 31.12.1993 ?",
                                "Falls nein: Beteiligt sich der Rentenversicherungsträger am KV-Beitrag oder am "
                                "Pflegeversicherungsbeitrag ?",
                                "Höhe des zustehenden Anteils im Zeitpunkt des Erstehens der Aufw."};
        for (int k = 0; k < 4; ++k)
            g->addWidget(kopf(koepfe[k], rp), 0, k);
        const char *personen[] = {"Antragsteller(in)", "Ehegattin/Ehegatte", "Kind"};
        const char *hoeheTipp[] = {
            "(Antragsteller/Antragstellerin) Höhe des Anteils zum Zeitpunkt des Entstehens der Aufwendungen",
            "(Ehegattin/Ehegatte) Höhe des Anteils zum Zeitpunkt des Entstehens der Aufwendungen",
            "(Kind) Höhe des Anteils zum Zeitpunkt des Entstehens der Aufwendungen"};
        for (int i = 0; i < 3; ++i) {
            const QString n = QString::number(i + 1);
            g->addWidget(beschriftung(QString::fromUtf8(personen[i]), rp), i + 1, 0);
            auto *ep = new QHBoxLayout;
            ep->setSpacing(16);
            ep->addStretch(1);
            ep->addWidget(erzeugen(kasten("EPja", "2KVRentner%1Ja", "ja", kJaTipp).element(i), rp, n));
            ep->addWidget(erzeugen(kasten("EPnein", "2KVRentner%1Nein", "nein", kNeinTipp).element(i), rp, n));
            ep->addStretch(1);
            g->addLayout(ep, i + 1, 1);
            auto *kv = new QHBoxLayout;
            kv->setSpacing(16);
            kv->addStretch(1);
            kv->addWidget(erzeugen(kasten("KVja", "2RVTräger%1Ja", "ja", kJaTipp).element(i), rp, n));
            kv->addWidget(erzeugen(kasten("KVnein", "2RVTräger%1Nein", "nein", kNeinTipp).element(i), rp, n));
            kv->addStretch(1);
            g->addLayout(kv, i + 1, 2);
            g->addWidget(erzeugen(text("KVHöhe", "1HöheAnteil%1", "", hoeheTipp[i]).element(i), rp, n), i + 1, 3);
        }
        g->setColumnStretch(0, 1);
        g->setColumnStretch(1, 2);
        g->setColumnStretch(2, 2);
        g->setColumnStretch(3, 2);
        l->addLayout(g);
        l->addStretch(1);
    }
    // 3: infant allowance.
    {
        QWidget *rp = abschnitt(m_abschnitte, 3);
        auto *l = new QVBoxLayout(rp);
        l->addLayout(reihe(rp, {kasten("Kleinkind", "2Säuglingszuschuss",
                                       "Ich beantrage einen Zuschuss für die Säuglings- und Kleinkinderausstattung "
                                       "nach § 9 Abs. 1 BVO")}));
        l->addStretch(1);
    }
    // 4: funeral aid.
    {
        QWidget *rp = abschnitt(m_abschnitte, 4);
        auto *l = new QVBoxLayout(rp);
        l->addLayout(reihe(rp, {kasten("Tod", "2Bestattungsbeihilfe", "Ich beantrage eine Beihilfe nach § 11 Abs. 1 BVO")}));
        auto *g = new QGridLayout;
        const Feld felder[] = {text("NameToter", "1NameVerstorbener", "Name der/des Verstorbenen"),
                               text("Todestag", "1Todestag", "Todestag").schmal(10)};
        zeilenLegen(g, felder, rp);
        l->addLayout(g);
        l->addLayout(reihe(rp,
                           {kasten("FriedhofJa", "2KinderbestattungJa", "ja"),
                            kasten("FriedhofNein", "2KinderbestattungNein", "nein")},
                           frage("Die Friedhofsgebühren wurden nach dem Tarif für Kindesbestattungen berechnet", rp)));
        l->addWidget(frage("Ich versichere, daß die Aufwendungen für Leichenschau, Sarg, Einsargung, Aufbahrung, "
                           "Einäscherung, Urne, Erwerb und Anlegung der Grabstelle oder des Beisetzungsplatzes der "
                           "Urne einschl. der Grundlage für das Grabdenkmal und die Beisetzung nicht geringer sind "
                           "als 1.200 DM/615 €  bzw. 800 DM/410 € bei Kinderbest.",
                           rp));
        l->addStretch(1);
    }
    // 5: accidents.
    {
        QWidget *rp = abschnitt(m_abschnitte, 5);
        auto *l = new QVBoxLayout(rp);
        auto *g = new QGridLayout;
        g->setHorizontalSpacing(16);
        g->addWidget(beschriftung(QStringLiteral("Sind Aufwendungen durch einen Unfall entstanden ?"), rp), 0, 0);
        g->addLayout(reihe(rp, {kasten("Unfallja", "2Unfallja", "ja"),
                                kasten("keinUnfall", "2keinUnfall", "nein",
                                       "bitte ankreuzen, falls keine Aufwendungen durch einen Unfall verursacht "
                                       "wurden (ist nicht bei allen Anträgen vorhanden)")}),
                     0, 1);
        g->addWidget(beschriftung(QStringLiteral("Liegt Drittverschulden vor ?"), rp), 1, 0);
        g->addLayout(reihe(rp, {kasten("Drittverschulden", "2Drittverschulden", "ja",
                                       "bitte ankreuzen falls ein Drittverschulden vorliegt (ist bei einigen Anträgen "
                                       "nicht vorhanden!)"),
                                kasten("DrittverschuldenNein", "2DrittverschuldenNein", "nein")}),
                     1, 1);
        g->setColumnStretch(1, 1);
        l->addLayout(g);
        l->addWidget(frage("Folgende Aufwendungen wurden durch einen Unfall verursacht (dazu gehören auch Sport-, "
                           "Spiel-, Schul- und häusliche Unfälle) :",
                           rp));
        auto *bg = new QGridLayout;
        const Feld beleg[] = {text("Belegnummer", "1Unfallbeleg", "Beleg-Nr.",
                                   "Angabe der Belegnummer, wenn Aufwendungen angefallen sind")};
        zeilenLegen(bg, beleg, rp);
        l->addLayout(bg);
        auto *knopfReihe = new QHBoxLayout;
        auto *knopf = new QPushButton(QStringLiteral("Unfallbericht"), rp);
        knopf->setObjectName(QStringLiteral("Unfallbericht_Knopf"));
        knopf->setToolTip(QStringLiteral("Aufruf des Unfallberichts"));
        connect(knopf, &QPushButton::clicked, this, &Rueckseiteform::Unfallbericht_Knopf_Click);
        knopfReihe->addWidget(knopf);
        knopfReihe->addWidget(frage("Bitte Unfallschilderung beifügen oder bei Drittverschulden besonderen Vordruck "
                                    "Unfallbericht ausfüllen.",
                                    rp),
                              1);
        l->addLayout(knopfReihe);
        l->addStretch(1);
    }

    // Exclusive groups; the rows of section 2 each on their own.
    exklusiv({box(this, "AnspruchJa"), box(this, "AnspruchNein")});
    exklusiv({box(this, "BerufstätigJa"), box(this, "berufstätigNein")});
    exklusiv({box(this, "EKJa"), box(this, "EKNein"), box(this, "EKUnbekannt")});
    for (int i = 0; i < 3; ++i) {
        exklusiv({box(this, "EPja", i), box(this, "EPnein", i)});
        exklusiv({box(this, "KVja", i), box(this, "KVnein", i)});
    }
    exklusiv({box(this, "FriedhofJa"), box(this, "FriedhofNein")});
    exklusiv({box(this, "Unfallja"), box(this, "keinUnfall")});
    exklusiv({box(this, "Drittverschulden"), box(this, "DrittverschuldenNein")});

    connect(optionen, &QButtonGroup::idToggled, this, [this](int n, bool an) {
        if (an)
            Abschnitt_zeigen(n);
    });
    optionen->button(0)->setChecked(true);
    setFocusProxy(optionen->button(0));
    feldMarkierungAnbieten();

    m_hauptform.setAktiv(4);
    m_hauptform.Felder_anzeigen(this);
}

void Rueckseiteform::Abschnitt_zeigen(int n)
{
    if (n >= 0 && n < m_abschnitte->count())
        m_abschnitte->setCurrentIndex(n);
}

void Rueckseiteform::Unfallbericht_Knopf_Click()
{
    m_hauptform.oeffnen(QStringLiteral("UnfallberichtsForm"));
    if (QLineEdit *bereich = m_hauptform.feld(QStringLiteral("Bereich2")))
        bereich->setText(QStringLiteral("UB"));
}
