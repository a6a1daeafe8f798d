// Start-up time and peak memory of Velmora against a bare Qt main window,
// each started as its own process until its window is idle.
#include <benchmark/benchmark.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {
QTemporaryDir &arbeitsverzeichnis()
{
    static QTemporaryDir dir;
    return dir;
}

// Program directory with the shipped databases and a field file of 500 fields.
QString vorbereiten()
{
    const QString prog = arbeitsverzeichnis().path() + QStringLiteral("/prog/");
    if (QFile::exists(prog + QStringLiteral("beihilfe.txt")))
        return prog;
    QDir().mkpath(prog);
    const QString quelle = QStringLiteral(VELMORA_SHIPPED_DIR_BUILD "/");
    for (const QString &db : QDir(quelle).entryList(QDir::Files))
        QFile::copy(quelle + db, prog + db);
    QFile f(prog + QStringLiteral("beihilfe.txt"));
    f.open(QIODevice::WriteOnly);
    f.write("Standardantrag\r\n");
    for (int i = 0; i < 500; ++i)
        f.write(QStringLiteral("1Feld%1:=Wert Nummer %1 mit Umlauten äöü\r\n").arg(i).toUtf8());
    f.write("---Ende---\r\n");
    f.close();
    const QString cfg = arbeitsverzeichnis().path() + QStringLiteral("/config/Velmora/");
    QDir().mkpath(cfg);
    QFile reg(cfg + QStringLiteral("velmora.reg"));
    reg.open(QIODevice::WriteOnly);
    QString p = prog;
    p.chop(1);
    reg.write(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n\"Pfad\"=\"%1\"\n").arg(p).toUtf8());
    reg.close();
    return prog;
}

// Runs the program to its end; returns the peak resident memory in KiB.
long starte(const QString &programm)
{
    const QByteArray pfad = programm.toLocal8Bit();
    std::vector<QByteArray> env;
    for (char **e = environ; *e; ++e) {
        const QByteArray s(*e);
        if (!s.startsWith("XDG_CONFIG_HOME=") && !s.startsWith("QT_QPA_PLATFORM="))
            env.push_back(s);
    }
    env.push_back("XDG_CONFIG_HOME=" + (arbeitsverzeichnis().path() + QStringLiteral("/config")).toLocal8Bit());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back("VELMORA_ENDE_NACH_START=1");
    std::vector<char *> envp;
    for (QByteArray &s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    char *argv[] = {const_cast<char *>(pfad.constData()), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, pfad.constData(), nullptr, nullptr, argv, envp.data()) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss;
}

void messen(benchmark::State &state, const QString &programm)
{
    vorbereiten();
    long rss = 0;
    for (auto _ : state)
        rss = std::max(rss, starte(programm));
    state.counters["peak_rss_kib"] = double(rss);
}

void BM_StartVelmora(benchmark::State &state)
{
    messen(state, QStringLiteral(VELMORA_BIN "/velmora"));
}

void BM_StartBareMainWindow(benchmark::State &state)
{
    messen(state, QStringLiteral(VELMORA_BIN "/velmora_bench_bare"));
}
} // namespace

BENCHMARK(BM_StartBareMainWindow)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_StartVelmora)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK_MAIN();
