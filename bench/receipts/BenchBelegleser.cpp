// The invoice reader's speed, memory and reading quality on generated
// invoices. Goals: a text PDF under 0,3 s per file with the program's start;
// OCR at most 1,5 times plain "tesseract DATEI - -l deu"; under 400 MB for a
// ten-page scan; text PDFs all right, 300-dpi scans date and amount in 9 of
// 10 and 90 % of lines, photos 80 % of lines.
#include "Rechnungsgenerator.h"

#include "receipts/Belegleser.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace rechnungen;

namespace {

QTemporaryDir &ordner()
{
    static QTemporaryDir d;
    return d;
}

QString datei(const QString &name)
{
    return ordner().filePath(name);
}

bool starten(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(programm, argumente);
    return p.waitForFinished(600000) && p.exitStatus() == QProcess::NormalExit;
}

// A text PDF read by velmora-beleg, the program's start included.
void BM_TextPdfMitStart(benchmark::State &state)
{
    const QString pdf = datei(QStringLiteral("text.pdf"));
    pdfSchreiben(vorlage(Art::Zahnarzt), pdf);
    for (auto _ : state)
        if (!starten(QStringLiteral(VELMORA_BELEG), {QStringLiteral("--json"), pdf}))
            state.SkipWithError("velmora-beleg failed");
}
BENCHMARK(BM_TextPdfMitStart)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

QString scanSeite()
{
    const QString png = datei(QStringLiteral("scan.png"));
    if (!QFile::exists(png))
        scan(seitenbilder(vorlage(Art::Internist), 300).first(), 0.5, 1).save(png);
    return png;
}

// One 300-dpi page: velmora-beleg against plain tesseract on the same file.
void BM_OcrSeite(benchmark::State &state)
{
    const QString png = scanSeite();
    for (auto _ : state)
        starten(QStringLiteral(VELMORA_BELEG), {QStringLiteral("--json"), png});
}
BENCHMARK(BM_OcrSeite)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_TesseractAllein(benchmark::State &state)
{
    const QString png = scanSeite();
    const QString tesseract = QStandardPaths::findExecutable(QStringLiteral("tesseract"));
    if (tesseract.isEmpty())
        return state.SkipWithError("tesseract is not installed");
    for (auto _ : state)
        starten(tesseract, {png, QStringLiteral("-"), QStringLiteral("-l"), QStringLiteral("deu")});
}
BENCHMARK(BM_TesseractAllein)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Ten scanned pages in one TIFF: time and the peak memory of velmora-beleg.
void BM_ZehnSeitenScan(benchmark::State &state)
{
    const QString tif = datei(QStringLiteral("zehn.tif"));
    QList<QImage> seiten;
    const QList<Vorlage> vorlagen = zehnRechnungen();
    for (int i = 0; i < 10; ++i)
        seiten << scan(seitenbilder(vorlagen[i], 300).first(), 0.3 * (i % 3), unsigned(i));
    tiffSchreiben(seiten, 300, tif);
    seiten.clear();
    for (auto _ : state)
        starten(QStringLiteral(VELMORA_BELEG), {QStringLiteral("--json"), tif});
    rusage r{};
    getrusage(RUSAGE_CHILDREN, &r);
    state.counters["MB_max_Kindprozess"] = double(r.ru_maxrss) / 1024.0;
}
BENCHMARK(BM_ZehnSeitenScan)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Quality: ten invoices of all kinds as text PDF, scan and photo.
void guete(benchmark::State &state, int form)
{
    int kopfRichtig = 0, zeilen = 0, zeilenRichtig = 0, dateien = 0, ganzRichtig = 0;
    for (auto _ : state) {
        const QList<Vorlage> vorlagen = zehnRechnungen();
        for (qsizetype i = 0; i < vorlagen.size(); ++i) {
            const Vorlage &v = vorlagen[i];
            QString name;
            if (form == 0) {
                name = datei(QStringLiteral("g%1.pdf").arg(i));
                pdfSchreiben(v, name);
            } else {
                QList<QImage> seiten;
                for (const QImage &s : seitenbilder(v, form == 1 ? 300 : 170))
                    seiten << (form == 1 ? scan(s, i % 2 ? 0.7 : -0.4, unsigned(i)) : foto(s, i % 2 ? 3.0 : -2.5, unsigned(i)));
                name = datei(QStringLiteral("g%1.tif").arg(i));
                if (seiten.size() == 1) {
                    name = datei(QStringLiteral("g%1.jpg").arg(i));
                    seiten.first().save(name, "JPEG", 85);
                } else {
                    tiffSchreiben(seiten, form == 1 ? 300 : 0, name);
                }
            }
            receipts::Beleg b;
            QString fehler;
            ++dateien;
            zeilen += int(v.erwartet.positionen.size());
            if (!receipts::Belegleser::lesen(name, {}, &b, &fehler))
                continue;
            if (b.rechnungsdatum == v.erwartet.rechnungsdatum && b.betrag == v.erwartet.betrag)
                ++kopfRichtig;
            zeilenRichtig += richtigeZeilen(b, v.erwartet);
            ganzRichtig += unterschiede(b, v.erwartet).isEmpty() ? 1 : 0;
        }
    }
    state.counters["Dateien"] = dateien;
    state.counters["ganz_richtig"] = ganzRichtig;
    state.counters["Datum_und_Betrag_richtig"] = kopfRichtig;
    state.counters["Zeilen_richtig_Prozent"] = zeilen ? 100.0 * zeilenRichtig / zeilen : 0;
}
void BM_GueteText(benchmark::State &state) { guete(state, 0); }
void BM_GueteScan(benchmark::State &state) { guete(state, 1); }
void BM_GueteFoto(benchmark::State &state) { guete(state, 2); }
BENCHMARK(BM_GueteText)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_GueteScan)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_GueteFoto)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

} // namespace
