// Receipts into the ledger and out again. Goals: twenty text PDFs dropped at
// once are read (values, fee check, the picture the check dialog shows) in
// under 5 s; the PDF to hand in with twenty one-page scans is written in
// under 3 s and stays under 10 MB.
#include "Rechnungsgenerator.h"

#include "fields/Feldtabelle.h"
#include "ledger/Belegablage.h"
#include "ledger/Rechnungspositionen.h"
#include "print/Einreichungspaket.h"
#include "print/Formularkatalog.h"
#include "receipts/Belegleser.h"
#include "receipts/Gebuehrenpruefung.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace rechnungen;

namespace {
QTemporaryDir &ordner()
{
    static QTemporaryDir d;
    return d;
}

const QString kMitgeliefert = QStringLiteral(VELMORA_SHIPPED_DIR_BUILD "/");

// As the ledger does it for each file dropped: read with the fee check,
// then the pages at the check dialog's resolution.
void BM_ZwanzigTextPdfsLesen(benchmark::State &state)
{
    QStringList dateien;
    const QList<Vorlage> vorlagen = zehnRechnungen();
    for (int i = 0; i < 20; ++i) {
        dateien << ordner().filePath(QStringLiteral("t%1.pdf").arg(i));
        pdfSchreiben(vorlagen[i % vorlagen.size()], dateien.last());
    }
    receipts::Gebuehrenpruefung pruefung;
    QString fehler;
    if (!pruefung.laden(kMitgeliefert + QStringLiteral("tarvik.mdb"), &fehler))
        return state.SkipWithError(qPrintable(fehler));
    int gelesen = 0;
    for (auto _ : state) {
        for (const QString &d : dateien) {
            receipts::Belegleser::Optionen o;
            o.pruefung = &pruefung;
            receipts::Beleg b;
            gelesen += receipts::Belegleser::lesen(d, o, &b, &fehler) ? 1 : 0;
            benchmark::DoNotOptimize(receipts::Belegleser::seiten(d, 110, &fehler));
        }
    }
    state.counters["gelesen"] = gelesen;
}
BENCHMARK(BM_ZwanzigTextPdfsLesen)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// Twenty 300-dpi scans as JPEG, each a receipt of the application.
void BM_PaketMitZwanzigScans(benchmark::State &state)
{
    const QString daten = ordner().filePath(QStringLiteral("daten")) + u'/';
    QDir().mkpath(daten);
    const QList<Vorlage> vorlagen = zehnRechnungen();
    Rechnungspositionen belege;
    for (int i = 0; i < 20; ++i) {
        const QString jpg = ordner().filePath(QStringLiteral("s%1.jpg").arg(i));
        scan(seitenbilder(vorlagen[i % vorlagen.size()], 300).first(), 0.4, unsigned(i)).save(jpg, "JPEG", 85);
        Rechnungsposition r;
        r.Beleg = qint16(i + 1);
        r.Datum = QStringLiteral("02.03.2026");
        r.Empfaenger = QStringLiteral("A");
        r.Art = QStringLiteral("Arzt");
        r.Rechnung = 50 + i;
        r.euro = true;
        r.belegdatei = Belegablage::ablegen(daten, jpg);
        belege.hinzufuegen(r);
    }
    Einreichungspaket::Auftrag a;
    a.datenbank = kMitgeliefert + Formularkatalog::Dateiname;
    Formularkatalog::Formulare_laden(a.datenbank, QStringLiteral("Standardantrag"), a.eintrag);
    a.formularart = QStringLiteral("Standardantrag");
    Feldtabelle felder;
    a.felder = &felder;
    a.belege = &belege;
    a.datenverzeichnis = daten;
    a.bilder = &receipts::Belegleser::seiten;
    const QString pdf = ordner().filePath(QStringLiteral("paket.pdf"));
    for (auto _ : state) {
        const Einreichungspaket::Ergebnis e = Einreichungspaket::schreiben(a, pdf);
        if (!e.ok)
            return state.SkipWithError(qPrintable(e.fehler));
    }
    state.counters["MB"] = double(QFileInfo(pdf).size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_PaketMitZwanzigScans)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();
} // namespace
