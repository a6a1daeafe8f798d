// The overview of all applications: reading and summing 200 stored
// applications with 10,000 receipts, and opening the window on them.
#include <benchmark/benchmark.h>

#include "ledger/Antragsdatenbank.h"
#include "ledger/Antragsuebersicht.h"
#include "ledger/Uebersicht.h"
#include "shell/Dialoge.h"
#include "base/GermanDate.h"
#include "app/MaskenAnmeldung.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

namespace {
constexpr int kAntraege = 200;
constexpr int kBelege = 50; // per application: 10,000 in all

// A data directory whose anträge.mdb holds the applications of about eight
// years: DM and euro receipts, submitted, returned and open ones.
struct Bestand
{
    QTemporaryDir dir;
    QString pfad;
    Bestand()
    {
        pfad = dir.path() + u'/' + Antragsdatenbank::Dateiname;
        QFile::copy(QStringLiteral(VELMORA_SHIPPED_DIR_BUILD) + u'/' + Antragsdatenbank::Vorlage, pfad);
        QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
        Antragsdatenbank::DB_Struktur(pfad);
        const QDate start = QDate::currentDate().addYears(-8);
        for (int a = 0; a < kAntraege; ++a) {
            const QDate datum = start.addDays(a * 14);
            Antragskopf k;
            k.Antragsdatum = GermanDate::format(datum);
            if (a < kAntraege - 10)
                k.eingereichtam = GermanDate::format(datum.addDays(2));
            if (a < kAntraege - 20)
                k.zurueckerhalten = GermanDate::format(datum.addDays(30));
            Rechnungspositionen t;
            for (int b = 0; b < kBelege; ++b) {
                Rechnungsposition r;
                r.Beleg = qint16(b + 1);
                r.Datum = GermanDate::format(datum.addDays(-b));
                r.Empfaenger = QStringLiteral("A");
                r.Art = QStringLiteral("AB");
                r.Rechnung = 10.0 + b * 3.17;
                r.Erstattung = r.Rechnung * 0.5;
                r.ErstattungV = r.Rechnung * 0.2;
                r.euro = datum.year() > 2001 || b % 2;
                r.Arzt = QStringLiteral("Dr. med. Beispiel %1").arg(b);
                if (b % 7 == 0)
                    r.faelligam = GermanDate::format(datum.addDays(30));
                t.hinzufuegen(r);
            }
            Antragsdatenbank::speichern(pfad, Antragsdatenbank::kennung(k.Antragsdatum, {}), k, t);
        }
    }
};

Bestand &bestand()
{
    static Bestand b;
    return b;
}

// Reading every application and computing what the three tabs show.
void BM_UebersichtLesen(benchmark::State &state)
{
    const QString pfad = bestand().pfad;
    const QDate heute = QDate::currentDate();
    for (auto _ : state) {
        Uebersicht u;
        if (!Uebersicht::lesen(pfad, &u) || u.antraege().size() != kAntraege)
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(u.antragsInhalt(heute));
        benchmark::DoNotOptimize(u.fristenInhalt(heute, Uebersicht::StandardFristMonate));
        benchmark::DoNotOptimize(u.jahresInhalt());
    }
}

// Opening the window: reading, the three tables with their column widths
// and the chart.
void BM_UebersichtFenster(benchmark::State &state)
{
    Dialoge::setTestbetrieb(true);
    Hauptform h(velmoraMaskenAnmelden);
    h.starten(QStringLiteral("/pfad:") + bestand().dir.path());
    for (auto _ : state) {
        auto *w = new Antragsuebersicht(h);
        w->resize(w->sizeHint());
        w->show();
        QCoreApplication::processEvents();
        state.PauseTiming();
        delete w;
        state.ResumeTiming();
    }
}
} // namespace

BENCHMARK(BM_UebersichtLesen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UebersichtFenster)->Unit(benchmark::kMillisecond);
