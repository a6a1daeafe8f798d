// The expected refund of 10,000 receipts (target: well under 50 ms), and
// the explanations of all of them as the tool tips ask for them.
#include <benchmark/benchmark.h>

#include "ledger/Erstattungserwartung.h"

#include <QDate>

namespace {
QVector<Erstattungserwartung::Eingabe> belege()
{
    QVector<Erstattungserwartung::Eingabe> liste;
    for (int i = 0; i < 10000; ++i) {
        Erstattungserwartung::Eingabe e;
        e.person = i % 4; // applicant, spouse, child and someone without a rate
        e.rechnung = 20 + (i * 37 % 1000) + 0.13 * (i % 7);
        e.versicherung = i % 5 == 0 ? e.rechnung * 0.6 : 0;
        e.datum = QDate(2020, 1, 1).addDays(i % 2000);
        if (i % 9 == 0) {
            e.kuerzung = e.rechnung * 0.2;
            e.kuerzungsgrund = QStringLiteral("Faktor über dem Schwellenwert ohne Begründung");
        }
        liste.append(e);
    }
    return liste;
}

Erstattungserwartung::Saetze saetze()
{
    Erstattungserwartung::Saetze s;
    s.prozent[0] = 50, s.prozent[1] = 70, s.prozent[2] = 80;
    return s;
}

void BM_Erwartung10000(benchmark::State &state)
{
    const auto eingaben = belege();
    const auto s = saetze();
    for (auto _ : state)
        benchmark::DoNotOptimize(Erstattungserwartung::berechnen(eingaben, s));
}
BENCHMARK(BM_Erwartung10000)->Unit(benchmark::kMillisecond);

void BM_Erklaerung10000(benchmark::State &state)
{
    const auto eingaben = belege();
    const auto ergebnisse = Erstattungserwartung::berechnen(eingaben, saetze());
    for (auto _ : state)
        for (int i = 0; i < eingaben.size(); ++i)
            benchmark::DoNotOptimize(Erstattungserwartung::erklaerung(eingaben.at(i), ergebnisse.at(i)));
}
BENCHMARK(BM_Erklaerung10000)->Unit(benchmark::kMillisecond);
} // namespace

BENCHMARK_MAIN();
