// Full-text steps over the remedies and the spa resorts, and opening the
// spa-resort directory with the full list.
#include <benchmark/benchmark.h>

#include "reference/KurorteForm.h"
#include "reference/Textbestand.h"
#include "shell/Datenbank.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

namespace {
const QString kDir = QStringLiteral(VELMORA_SHIPPED_DIR_BUILD "/");

// A step that finds nothing walks every row: the slowest step there is.
void volltextschritt(benchmark::State &state, const QString &db, const QString &sql, const QStringList &spalten)
{
    Datenbank d;
    d.oeffnen(kDir + db, Datenbank::Modus::NurLesen);
    Textbestand b;
    b.laden(d, sql, {}, spalten);
    if (b.anzahl() == 0)
        state.SkipWithError("no rows");
    for (auto _ : state) {
        b.setzePosition(0);
        benchmark::DoNotOptimize(b.suchen(QStringLiteral("Wort, das nirgends steht"), true));
    }
    state.counters["Zeilen"] = b.anzahl();
}

void BM_VolltextHeilbehandlungen(benchmark::State &state)
{
    volltextschritt(state, QStringLiteral("tarvik.mdb"),
                    QStringLiteral("select * from Heilbehandlungen order by Nummer2"), {QStringLiteral("Information")});
}
BENCHMARK(BM_VolltextHeilbehandlungen)->Unit(benchmark::kMicrosecond);

void BM_VolltextKurorte(benchmark::State &state)
{
    volltextschritt(state, QStringLiteral("infos.mdb"), QStringLiteral("select * from Kurorteverzeichnis"),
                    {QStringLiteral("Name"), QStringLiteral("AnerkenntnisHeilkurort")});
}
BENCHMARK(BM_VolltextKurorte)->Unit(benchmark::kMicrosecond);

// Creating the directory window over all resorts, laid out and shown.
void BM_KurorteFormOeffnen(benchmark::State &state)
{
    // Without a start-up the program directory is empty: the databases are
    // found in the current directory.
    QDir::setCurrent(kDir);
    Hauptform h(velmoraMaskenAnmelden);
    for (auto _ : state) {
        auto *k = new KurorteForm(h);
        k->show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(k->bestand().anzahl());
        delete k;
    }
}
BENCHMARK(BM_KurorteFormOeffnen)->Unit(benchmark::kMillisecond);
} // namespace
