#include "forms/Kinderform.h"

#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace masken;

namespace {

// One row per child; "%1" is the child's number.
const Feld kReihe[] = {
    text("Kindname", "1Kind%1Name", "",
         "Vorname u. Name des %1.Kindes (Siehe Beihilfenverordnung (BVO) § 2 Abs. 2 BVO) "),
    text("Geburtsdatum", "1Kind%1Geburtsdatum", "", "Geburtsdatum (TT.MM.JJJJ)").schmal(10),
    kasten("KGJa", "2Kindergeld%1Ja", "ja", "ankreuzen, wenn Ihnen oder Ihrem Ehegatten für dieses Kind Kindergeld zusteht"),
    kasten("KGNein", "2Kindergeld%1Nein", "nein",
           "ankreuzen, wenn Ihnen oder Ihrem Ehegatten für dieses Kind kein Kindergeld zusteht"),
    kasten("FZja", "2FZ%1Ja", "ja",
           "ankreuzen, wenn kein Kindergeld zusteht, das Kind im Familienzuschlag berücksichtigt wird oder "
           "berücksichtigungsfähig ist "),
    kasten("FZnein", "2FZ%1Nein", "nein",
           "ankreuzen, wenn kein Kindergeld zusteht und das Kind im Familienzuschlag nicht berücksichtigt ist oder "
           "nicht berücksichtigungsfähig ist"),
    text("von", "1Kind%1AZvom", "", "Anspruchszeitraum von (TT.MM.JJJJ)").schmal(10),
    text("bis", "1Kind%1AZbis").schmal(10),
    kasten("APja", "2aP%1Ja", "ja",
           "ankreuzen, wenn eine andere Person Beihilfeanspruch hat (siehe  Hinweis u. ggf. § 1 BVO)"),
    kasten("APnein", "2aP%1Nein", "nein",
           "ankreuzen, wenn keine andere Person Beihilfeanspruch hat (siehe Hinweis u. ggf. § 1 BVO)"),
};
const char *const kFZneinWeitere = "siehe \"nein\" bei Kind-1";

const char *const kKopf[] = {
    "Name, Vorname             Bitte alle berücksichti- gungsfähigen Kinder - § 2 Abs. 2 BVO - angeben",
    "Geburtsdatum",
    "Steht Ihnen oder Ihrem Ehegatten für das Kind  Kindergeld zu ?",
    "Falls nein: Ist das Kind im Fa- milienzuschlag berücksichtigt o. berü.fähig ?",
    "     Anspruchszeitraum    (von - bis)",
    "Hat eine andere Person für das Kind Anspruch auf Beihilfe ?",
};

const Feld kErhoeht[] = {
    kasten("Bemessungssatz", "2ErhöhterBemessungssatzA", "Antragsteller").element(0),
    kasten("Bemessungssatz", "2ErhöhterBemessungssatzE", "Ehegatte").element(1).dazu(),
    kasten("Bemessungssatz", "2ErhöhterBemessungssatzS", "").element(2).dazu(),
    text("BemessungssatzName", "1ErhöhterBemessungssatzName").dazu(),
};

const char *const kInfo[] = {
    "Als berücksichtigungsfähig gelten auch Kinder, die sich in Berufsausbildung befinden (bis 27. Lebensjahr ggf. "
    "zuzüglich Zeit der Wehr- oder Zivildienstes) oder arbeitslos sind (bis 21. Lebensjahr) und der "
    "Arbeitsvermittlung zur Verfügung stehen und bei denen nur wegen der Höhe Ihrer eigenen Einkünfte der Anspruch "
    "auf das Kindergeld und den kinderbezogenen Anteil  im Familienzuschlag entfallen ist.",
    "Nur ausfüllen, wenn der Anspruch auf Kindergeld oder Berücksichtigung im Familienzuschlag im Zeitpunkt des "
    "Entstehens der Aufwendungen nicht bestand.",
    "Hinweis zu andere Person: Hat eine andere Person für das Kind Anspruch auf Beihilfe ? Falls ja: Bitte die "
    "Originalbelege beifügen !",
    "Bitte alle berücksichtigungsfähigen Kinder - § 2 Abs. 2 BVO - angeben, auch wenn für diese keine "
    "Aufwendungen geltend gemacht werden",
};

// The hints that an input lights while it has the focus.
struct Beleuchtung
{
    const char *name;
    std::initializer_list<int> hinweise;
};
const Beleuchtung kBeleuchtung[] = {
    {"Kindname", {0, 3}}, {"von", {0, 1}},   {"bis", {0, 1}},   {"KGJa", {1}},   {"KGNein", {1}},
    {"FZja", {1}},        {"FZnein", {1}},   {"APja", {2}},     {"APnein", {2}},
};

} // namespace

Kinderform::Kinderform(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("Kinderform"), QStringLiteral("Angaben zu den Kindern"))
{
    m_farbe1 = palette().color(QPalette::Window);
    m_farbe2 = QColor(255, 255, 128);

    auto *aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(8, 8, 8, 8);
    auto *tabelle = new QFrame(this);
    tabelle->setFrameShape(QFrame::StyledPanel);
    auto *grid = new QGridLayout(tabelle);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    for (int k = 0; k < 6; ++k) {
        auto *kopf = static_cast<QLabel *>(erzeugen(label(kKopf[k], "KP").element(k), tabelle));
        kopf->setWordWrap(true);
        kopf->setFrameShape(QFrame::Panel);
        kopf->setFrameShadow(QFrame::Raised);
        kopf->setAlignment(Qt::AlignCenter);
        kopf->setMargin(3);
        kopf->setMinimumHeight(5 * kopf->fontMetrics().height() + 8);
        kopf->setMinimumWidth(k == 0 ? 180 : 100);
        grid->addWidget(kopf, 0, k + 1);
    }
    // Columns: child number, name, birth date, three yes/no pairs and the
    // period between them.
    const int spalte[] = {1, 2, 3, 3, 4, 4, 5, 5, 6, 6};
    for (int i = 0; i < Kinder; ++i) {
        const QString n = QString::number(i + 1);
        auto *nummer = beschriftung(n + u'.', tabelle);
        grid->addWidget(nummer, i + 1, 0);
        QHBoxLayout *paar = nullptr;
        int letzteSpalte = -1;
        for (int f = 0; f < int(std::size(kReihe)); ++f) {
            Feld feld = kReihe[f].element(i);
            if (i > 0 && QLatin1String(feld.name) == QLatin1String("FZnein"))
                feld.tipp = kFZneinWeitere;
            QWidget *w = erzeugen(feld, tabelle, n);
            if (spalte[f] != letzteSpalte) {
                paar = new QHBoxLayout;
                paar->setSpacing(10);
                grid->addLayout(paar, i + 1, spalte[f]);
                letzteSpalte = spalte[f];
            }
            if (auto *c = qobject_cast<QCheckBox *>(w)) {
                QSizePolicy sp = c->sizePolicy();
                sp.setRetainSizeWhenHidden(true);
                c->setSizePolicy(sp);
            }
            paar->addWidget(w);
        }
    }
    grid->setColumnStretch(1, 3);
    for (int k = 2; k <= 6; ++k)
        grid->setColumnStretch(k, 1);
    aussen->addWidget(tabelle);

    auto *erhoeht = new QGroupBox(this);
    auto *eGrid = new QGridLayout(erhoeht);
    eGrid->setContentsMargins(8, 6, 8, 6);
    eGrid->addWidget(beschriftung(QStringLiteral("Wer erhält nach der vorgelegten Erklärung den erhöhten "
                                                 "Bemessungssatz gem. § 12 (1) Satz 3 BVO ?"),
                                  erhoeht, true),
                     0, 0, 1, 2);
    zeilenLegen(eGrid, kErhoeht, erhoeht, 1);
    aussen->addWidget(erhoeht);

    auto *hinweise = new QGridLayout;
    hinweise->setHorizontalSpacing(10);
    for (int n = 0; n < 4; ++n) {
        m_info[n] = static_cast<QLabel *>(erzeugen(label(kInfo[n], "Info").element(n), this));
        m_info[n]->setWordWrap(true);
        m_info[n]->setFrameShape(QFrame::StyledPanel);
        m_info[n]->setMargin(4);
        m_info[n]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        hintergrundSetzen(m_info[n], m_farbe1);
    }
    hinweise->addWidget(m_info[0], 0, 0, 2, 1);
    hinweise->addWidget(m_info[1], 0, 1);
    hinweise->addWidget(m_info[2], 1, 1);
    hinweise->addWidget(m_info[3], 2, 0, 1, 2);
    hinweise->setColumnStretch(0, 3);
    hinweise->setColumnStretch(1, 2);
    aussen->addLayout(hinweise);
    aussen->addStretch(1);

    for (int i = 0; i < Kinder; ++i) {
        connect(haken("KGJa", i), &QCheckBox::toggled, this, [this, i](bool an) {
            if (an)
                Kindergeld_setzen(i, true);
        });
        connect(haken("KGNein", i), &QCheckBox::toggled, this, [this, i](bool an) {
            if (an)
                Kindergeld_setzen(i, false);
        });
        exklusiv({haken("FZja", i), haken("FZnein", i)});
        exklusiv({haken("APja", i), haken("APnein", i)});
        for (const Beleuchtung &b : kBeleuchtung) {
            QWidget *w = finde<QWidget>(this, QString::fromUtf8(b.name), i);
            const QList<int> nummern(b.hinweise.begin(), b.hinweise.end());
            beiFokus(w, [this, nummern](bool hinein) {
                for (int n : nummern)
                    Hinweis_setzen(n, hinein);
            });
        }
    }
    setFocusProxy(finde<QLineEdit>(this, QStringLiteral("Kindname"), 0));

    m_hauptform.setAktiv(1);
    m_hauptform.Felder_anzeigen(this);
}

QCheckBox *Kinderform::haken(const char *name, int i) const
{
    return finde<QCheckBox>(this, QString::fromUtf8(name), i);
}

void Kinderform::aktivieren()
{
    const bool koeln = m_hauptform.antragText() == QStringLiteral("BR Köln");
    for (int i = 0; i < Kinder; ++i) {
        haken("KGJa", i)->setText(koeln ? QStringLiteral("A") : QStringLiteral("ja"));
        haken("KGNein", i)->setText(koeln ? QStringLiteral("E") : QStringLiteral("nein"));
    }
    if (QLineEdit *erster = finde<QLineEdit>(this, QStringLiteral("Kindname"), 0))
        erster->setFocus(Qt::OtherFocusReason);
}

void Kinderform::Kindergeld_setzen(int i, bool ja)
{
    haken(ja ? "KGNein" : "KGJa", i)->setChecked(false);
    for (const char *n : {"FZja", "FZnein"}) {
        QCheckBox *c = haken(n, i);
        if (ja)
            c->setChecked(false);
        c->setVisible(!ja);
    }
    Hinweis_setzen(1, !ja);
}

void Kinderform::Hinweis_setzen(int n, bool hell)
{
    hintergrundSetzen(m_info[n], hell ? m_farbe2 : m_farbe1);
}
