// Totals of the receipt table, and storing and loading an application.
#include <benchmark/benchmark.h>

#include "ledger/Antragsdatenbank.h"
#include "ledger/Aufwendungen.h"
#include "ledger/LbvPruefung.h"
#include "ledger/Summen.h"
#include "shell/Dialoge.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Hauptform.h"

#include "Rechnungsgenerator.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QFile>
#include <QTemporaryDir>

namespace {
Rechnungspositionen tabelle(int n)
{
    Rechnungspositionen t;
    const char *personen[] = {"A", "E", "K1", "K2", "X"};
    const char *arten[] = {"1 (AB)", "2 (RP)", "3 (HM)", "AB", "Pflege"};
    for (int i = 0; i < n; ++i) {
        Rechnungsposition r;
        r.Beleg = qint16(i + 1);
        r.Datum = QStringLiteral("%1.03.2001").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
        r.Empfaenger = QString::fromLatin1(personen[i % 5]);
        r.Art = QString::fromLatin1(arten[i % 5]);
        r.Rechnung = 10.0 + i * 1.37;
        r.Versicherung = i * 0.5;
        r.Erstattung = i * 0.7;
        r.euro = i % 3 == 0;
        r.Arzt = QStringLiteral("Dr. med. Mustermann %1").arg(i);
        r.Rechnungsnummer = QStringLiteral("R-%1").arg(i);
        t.hinzufuegen(r);
    }
    return t;
}

// The widget-free part of einlesen: sums, list rows and the capacity check.
void BM_EinlesenKern(benchmark::State &state)
{
    const Rechnungspositionen t = tabelle(int(state.range(0)));
    for (auto _ : state) {
        const Summen s = Summen::einlesen(t, true);
        QVector<QStringList> zeilen;
        zeilen.reserve(t.anzahl());
        for (const Rechnungsposition &r : t.alle())
            zeilen.append(Summen::listenzeile(r));
        benchmark::DoNotOptimize(s.felder());
        benchmark::DoNotOptimize(s.infozeile());
        benchmark::DoNotOptimize(LbvPruefung::bericht(t, QStringLiteral("Standardantrag")));
        benchmark::DoNotOptimize(zeilen);
    }
}

struct Fenster
{
    QTemporaryDir dir;
    Hauptform *h = nullptr;
    Aufwendungen *a = nullptr;
    Fenster()
    {
        Dialoge::setTestbetrieb(true);
        h = new Hauptform(velmoraMaskenAnmelden);
        h->starten(QStringLiteral("/pfad:") + dir.path());
        a = qobject_cast<Aufwendungen *>(h->oeffnen(QStringLiteral("Aufwendungen")));
    }
};

Fenster &fenster()
{
    static Fenster f;
    return f;
}

// The window's einlesen: also the shared fields of the main window and the list.
void BM_EinlesenFenster(benchmark::State &state)
{
    Aufwendungen *a = fenster().a;
    a->rechnungspositionen() = tabelle(int(state.range(0)));
    for (auto _ : state)
        a->einlesen();
    a->rechnungspositionen().leeren();
    a->einlesen();
}

QString datenbank(QTemporaryDir &dir)
{
    const QString pfad = dir.path() + u'/' + Antragsdatenbank::Dateiname;
    QFile::copy(QStringLiteral(VELMORA_SHIPPED_DIR_BUILD) + u'/' + Antragsdatenbank::Vorlage, pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Antragsdatenbank::DB_Struktur(pfad);
    return pfad;
}

Antragskopf kopf()
{
    Antragskopf k;
    k.Antragsdatum = QStringLiteral("15.03.2001");
    k.Bemerkungen = QStringLiteral("Messung");
    k.AbschlagHoehe = QStringLiteral("100,00");
    return k;
}

void BM_Speichern100(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = datenbank(dir);
    const Rechnungspositionen t = tabelle(100);
    // Other applications in the file, as after some years of use.
    for (int i = 0; i < 20; ++i)
        Antragsdatenbank::speichern(pfad, QStringLiteral("alt%1").arg(i), kopf(), t);
    for (auto _ : state) {
        if (!Antragsdatenbank::speichern(pfad, QStringLiteral("15.03.2001"), kopf(), t))
            state.SkipWithError("save failed");
    }
}

void BM_Laden100(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString pfad = datenbank(dir);
    const Rechnungspositionen t = tabelle(100);
    for (int i = 0; i < 20; ++i)
        Antragsdatenbank::speichern(pfad, QStringLiteral("alt%1").arg(i), kopf(), t);
    Antragsdatenbank::speichern(pfad, QStringLiteral("15.03.2001"), kopf(), t);
    for (auto _ : state) {
        Antragsdatenbank::Geladen g;
        Antragsdatenbank::laden(pfad, QStringLiteral("15.03.2001"), &g);
        if (g.positionen.size() != 100)
            state.SkipWithError("load incomplete");
        benchmark::DoNotOptimize(g);
    }
}

// A 300-dpi scan read in through the ledger: the text recognition runs on
// its own thread, and the window's thread never stands still longer than
// the longest pause reported (goal: under 100 ms).
void BM_ScanEinlesenOhnePause(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString jpg = dir.filePath(QStringLiteral("scan.jpg"));
    rechnungen::scan(rechnungen::seitenbilder(rechnungen::vorlage(rechnungen::Art::Internist), 300).first(), 0.5, 1)
        .save(jpg, "JPEG", 85);
    Aufwendungen *a = fenster().a;
    qint64 laengste = 0;
    for (auto _ : state) {
        Dialoge::dialogAntwort([](QDialog *) { return int(QDialog::Rejected); });
        a->belegeEinlesen({jpg});
        QElapsedTimer uhr;
        uhr.start();
        while (a->liestBelege()) {
            const qint64 vorher = uhr.elapsed();
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            QThread::msleep(1);
            laengste = std::max(laengste, uhr.elapsed() - vorher);
        }
    }
    state.counters["laengste_Pause_ms"] = double(laengste);
}
} // namespace

BENCHMARK(BM_ScanEinlesenOhnePause)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
BENCHMARK(BM_EinlesenKern)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EinlesenFenster)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Speichern100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Laden100)->Unit(benchmark::kMillisecond);
