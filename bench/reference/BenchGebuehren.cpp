// Fee browser: a full-text step across the whole doctors' schedule, a number
// jump and one recomputation of the amounts.
#include "reference/Gebuehrenparameter.h"
#include "reference/Gebuehrenrechner.h"
#include "reference/Gebuehrenverzeichnis.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {
const Gebuehrenverzeichnis &goae()
{
    static Gebuehrenverzeichnis v = [] {
        Gebuehrenverzeichnis x;
        x.laden(QStringLiteral(VELMORA_SHIPPED_DIR_BUILD "/tarvik.mdb"), QStringLiteral("Ä"));
        return x;
    }();
    return v;
}
} // namespace

// No item matches: the search looks at every one of the 2,844 texts.
static void BM_VolltextschrittOhneTreffer(benchmark::State &state)
{
    const Gebuehrenverzeichnis &v = goae();
    if (v.anzahl() != 2844)
        state.SkipWithError("tarvik.mdb without the GOÄ");
    for (auto _ : state)
        benchmark::DoNotOptimize(v.textSuchen(QStringLiteral("Zyxwvut"), -1, true));
}

// From the first row to the next match near the end of the schedule.
static void BM_VolltextschrittVorwaerts(benchmark::State &state)
{
    const Gebuehrenverzeichnis &v = goae();
    for (auto _ : state)
        benchmark::DoNotOptimize(v.textSuchen(QStringLiteral("strahlentherapie"), 0, true));
}

// The last number of the schedule.
static void BM_Nummernsprung(benchmark::State &state)
{
    const Gebuehrenverzeichnis &v = goae();
    const QString letzte = v.zeile(v.anzahl() - 1).nummer;
    for (auto _ : state)
        benchmark::DoNotOptimize(v.nummerSuchen(letzte));
}

static void BM_Neuberechnung(benchmark::State &state)
{
    const double wert = Gebuehrenparameter::punktwert(QStringLiteral("0,0562421"));
    for (auto _ : state)
        benchmark::DoNotOptimize(Gebuehrenrechner::berechnen(QStringLiteral("Z"), true, 2538.0, wert,
                                                             QStringLiteral("b"), QStringLiteral("2,3")));
}

BENCHMARK(BM_VolltextschrittOhneTreffer)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_VolltextschrittVorwaerts)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Nummernsprung)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Neuberechnung)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
