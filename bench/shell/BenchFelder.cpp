// Collecting 500 tagged controls and writing the field file.
#include <benchmark/benchmark.h>

#include "fields/FeldControls.h"
#include "fields/Felddatei.h"
#include "shell/Dialoge.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Hauptform.h"
#include "shell/Maske.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {
class GrosseMaske : public Maske
{
public:
    explicit GrosseMaske(Hauptform &h)
        : Maske(h, QStringLiteral("Hauptdaten"), QStringLiteral("Hauptdaten"))
    {
        auto *grid = new QGridLayout(this);
        for (int i = 0; i < 500; ++i) {
            QWidget *w = nullptr;
            if (i % 5 == 0) {
                auto *c = new QCheckBox(this);
                FeldControls::setTag(c, QStringLiteral("2Kasten%1").arg(i));
                c->setChecked(i % 2);
                w = c;
            } else {
                auto *e = new QLineEdit(QStringLiteral("Wert %1").arg(i), this);
                FeldControls::setTag(e, QStringLiteral("1Feld%1").arg(i));
                w = e;
            }
            grid->addWidget(w, i / 10, i % 10);
        }
        h.setAktiv(0);
        h.Felder_anzeigen(this);
    }
};

struct Umgebung
{
    QTemporaryDir dir;
    Hauptform *h = nullptr;
    Umgebung()
    {
        Dialoge::setTestbetrieb(true);
        h = new Hauptform(velmoraMaskenAnmelden);
        h->maskeAnmelden(QStringLiteral("Hauptdaten"), [](Hauptform &hf) { return new GrosseMaske(hf); });
        h->starten(QStringLiteral("/pfad:") + dir.path());
        h->Daten_Knopf_Click();
        h->Felder_einlesen();
    }
};

Umgebung &umgebung()
{
    static Umgebung u;
    return u;
}

void BM_FelderEinlesen500(benchmark::State &state)
{
    Hauptform &h = *umgebung().h;
    for (auto _ : state)
        h.Felder_einlesen();
    state.counters["felder"] = h.feldtabelle().anzahl();
}

void BM_FelddateiSpeichern500(benchmark::State &state)
{
    Hauptform &h = *umgebung().h;
    const QString pfad = umgebung().dir.path() + QStringLiteral("/beihilfe.txt");
    for (auto _ : state)
        benchmark::DoNotOptimize(Felddatei::schreiben(pfad, h.antragText(), h.feldtabelle()));
}

void BM_SpeichernKnopf500(benchmark::State &state)
{
    Hauptform &h = *umgebung().h;
    for (auto _ : state)
        benchmark::DoNotOptimize(h.SpeichernKnopf_Click());
}
} // namespace

BENCHMARK(BM_FelderEinlesen500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FelddateiSpeichern500)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SpeichernKnopf500)->Unit(benchmark::kMicrosecond);
