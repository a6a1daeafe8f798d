#include "forms/DauerndePflegeForm.h"

#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace masken;

namespace {
const char *const kName = "Name, Vorname, Geburtsdatum, Anschrift der Pflegeperson(en)";
const char *const kStunden = "Pflegeaufwand in Stunden je Woche";

const Feld kErstmalig[] = {
    text("DPPerson", "1DPPerson", "Pflegebedürftige Person", "Name u. Vorname der pflegebedürftigen Person"),
    text("DPPflegestufe", "1DPPflegestufe", "Pflegestufe", "von der Pflegeversicherung festgestellte Pflegestufe")
        .schmal(6),
    label("Die Pflege soll erfolgen durch:"),
    kasten("DPdurch", "2DPdurch1", "Pflegedienst").element(0).dazu(),
    kasten("DPdurch", "2DPdurch2", "Pflegepersonen").element(1).dazu(),
    kasten("DPdurch", "2DPdurch3", "Tages-/Nachtpflegeheim").element(2).dazu(),
    label(""),
    kasten("DPdurch", "2DPdurch4", "Kombination").element(3).dazu(),
    kasten("DPdurch", "2DPdurch5", "stationäre Pflege").element(4).dazu(),
    text("DPKombination", "1DPKombination", "Erläuterung der Kombination", "zusätzliche Erläuterung der Pflegekombination"),
    text("DPDauer", "1DPDauer", "Stunden je Woche", "Angabe der Stunden je Woche").schmal(6),
};
const Feld kPflegepersonen[] = {
    text("DPName", "1DPName1", "Pflegeperson", kName).element(0),
    text("DPStunden", "1DPStunden1", "Std./Woche", kStunden).element(0).schmal(6).dazu(),
    text("DPName", "1DPName2", "Pflegeperson", kName).element(1),
    text("DPStunden", "1DPStunden2", "Std./Woche", kStunden).element(1).schmal(6).dazu(),
};
const char *const kUnterbrechung[] = {"Krankenhausaufenthalt", "Sanatoriums-/Krankenhausaufenthalt", "Urlaub",
                                      "Urlaub der Pflegeperson"};
} // namespace

DauerndePflegeForm::DauerndePflegeForm(Hauptform &hauptform)
    : Maske(hauptform, QStringLiteral("DauerndePflegeForm"), QStringLiteral("Dauernde Pflege"))
{
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->addWidget(gruppe(QStringLiteral("bei erstmaliger Antragstellung oder bei Änderungen"), kErstmalig, this));
    QGroupBox *haeuslich = gruppe(QStringLiteral("bei häusliche Pflege durch Pflegepersonen"), kPflegepersonen, this);
    auto *grid = static_cast<QGridLayout *>(haeuslich->layout());
    int zeile = grid->rowCount();
    grid->addWidget(beschriftung(QStringLiteral("Unterbrechung der Pflege wegen"), haeuslich), zeile++, 0, 1, 2);
    for (int i = 0; i < 4; ++i) {
        const QString n = QString::number(i + 1);
        const Feld reihe[] = {
            kasten("DPUnterbrechung", "2DPUnterbrechung%1", kUnterbrechung[i]).element(i),
            text("DPUnterbrechungVom", "1DPUnterbrechungVom%1", "vom", "Unterbrechung der Pflege vom (TT.MM.JJJJ)")
                .element(i)
                .schmal(10)
                .dazu(),
            text("DPUnterbrechungBis", "1DPUnterbrechungBis%1", "bis", "Unterbrechung der Pflege bis (TT.MM.JJJJ)")
                .element(i)
                .schmal(10)
                .dazu(),
        };
        auto *r = new QHBoxLayout;
        r->setSpacing(6);
        for (const Feld &f : reihe) {
            if (f.art == Art::Text) {
                auto *lab = new QLabel(QString::fromUtf8(f.text), haeuslich);
                r->addWidget(lab);
            }
            QWidget *w = erzeugen(f, haeuslich, n);
            if (f.art == Art::Kasten)
                w->setMinimumWidth(w->fontMetrics().horizontalAdvance(QString::fromUtf8(kUnterbrechung[1])) + 30);
            r->addWidget(w);
        }
        r->addStretch(1);
        grid->addLayout(r, zeile++, 0, 1, 2);
    }
    l->addWidget(haeuslich);
    l->addStretch(1);
    feldMarkierungAnbieten();
    m_hauptform.setAktiv(6);
    m_hauptform.Felder_anzeigen(this);
}
