// Start-up time and peak memory of Velmora against the bare Qt Widgets
// yardstick (velmora_bench_bare), each started as a whole process,
// offscreen, until its window is idle. BM_StartVerhaeltnis runs both in
// turn (so both see the same machine load) and reports the medians and the
// ratios Velmora / yardstick for time and peak memory.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {
constexpr int kLaeufe = 15;

QTemporaryDir &arbeitsverzeichnis()
{
    static QTemporaryDir dir;
    return dir;
}

// A program directory with the shipped databases and a filled-in application,
// named by the setting "Pfad".
void vorbereiten()
{
    const QString prog = arbeitsverzeichnis().path() + QStringLiteral("/prog/");
    if (QFile::exists(prog + QStringLiteral("beihilfe.txt")))
        return;
    QDir().mkpath(prog);
    const QString quelle = QStringLiteral(VELMORA_SHIPPED_DIR_BUILD "/");
    for (const QString &db : QDir(quelle).entryList(QDir::Files))
        QFile::copy(quelle + db, prog + db);
    QFile::copy(QStringLiteral(VELMORA_QUELLE "/docs/beispielantrag.txt"), prog + QStringLiteral("beihilfe.txt"));
    const QString cfg = arbeitsverzeichnis().path() + QStringLiteral("/config/Velmora/");
    QDir().mkpath(cfg);
    QFile reg(cfg + QStringLiteral("velmora.reg"));
    reg.open(QIODevice::WriteOnly);
    QString p = prog;
    p.chop(1);
    reg.write(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n\"Pfad\"=\"%1\"\n").arg(p).toUtf8());
}

struct Lauf
{
    double ms = 0;
    long rssKib = 0;
};

// Runs the program to its end: wall time and peak resident memory.
Lauf starte(const char *programm)
{
    std::vector<QByteArray> env;
    for (char **e = environ; *e; ++e) {
        const QByteArray s(*e);
        if (!s.startsWith("XDG_CONFIG_HOME=") && !s.startsWith("XDG_DATA_HOME=") && !s.startsWith("QT_QPA_PLATFORM="))
            env.push_back(s);
    }
    const QByteArray basis = arbeitsverzeichnis().path().toLocal8Bit();
    env.push_back("XDG_CONFIG_HOME=" + basis + "/config");
    env.push_back("XDG_DATA_HOME=" + basis + "/data");
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("VELMORA_ENDE_NACH_START=1");
    std::vector<char *> envp;
    for (QByteArray &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(programm), nullptr};
    const auto anfang = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, programm, nullptr, nullptr, argv, envp.data()) != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto ende = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(ende - anfang).count(), usage.ru_maxrss};
}

template<typename T>
T median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void messen(benchmark::State &state, const char *programm)
{
    vorbereiten();
    long rss = 0;
    for (auto _ : state) {
        const Lauf l = starte(programm);
        state.SetIterationTime(l.ms / 1000.0);
        rss = std::max(rss, l.rssKib);
    }
    state.counters["peak_rss_kib"] = double(rss);
}

void BM_StartBareMainWindow(benchmark::State &state)
{
    messen(state, VELMORA_BIN "/velmora_bench_bare");
}

void BM_StartVelmora(benchmark::State &state)
{
    messen(state, VELMORA_BIN "/velmora");
}

void BM_StartVerhaeltnis(benchmark::State &state)
{
    vorbereiten();
    for (auto _ : state) {
        std::vector<double> zeitBasis, zeitVelmora;
        std::vector<long> rssBasis, rssVelmora;
        // One unmeasured round warms the page cache for both.
        starte(VELMORA_BIN "/velmora_bench_bare");
        starte(VELMORA_BIN "/velmora");
        for (int i = 0; i < kLaeufe; ++i) {
            const Lauf b = starte(VELMORA_BIN "/velmora_bench_bare");
            const Lauf v = starte(VELMORA_BIN "/velmora");
            zeitBasis.push_back(b.ms);
            zeitVelmora.push_back(v.ms);
            rssBasis.push_back(b.rssKib);
            rssVelmora.push_back(v.rssKib);
        }
        const double tb = median(zeitBasis), tv = median(zeitVelmora);
        const double mb = double(median(rssBasis)), mv = double(median(rssVelmora));
        state.counters["basis_ms"] = tb;
        state.counters["velmora_ms"] = tv;
        state.counters["zeit_verhaeltnis"] = tv / tb;
        state.counters["basis_rss_kib"] = mb;
        state.counters["velmora_rss_kib"] = mv;
        state.counters["speicher_verhaeltnis"] = mv / mb;
    }
}
} // namespace

BENCHMARK(BM_StartBareMainWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kLaeufe)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartVelmora)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(kLaeufe)->ReportAggregatesOnly(true);
BENCHMARK(BM_StartVerhaeltnis)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK_MAIN();
