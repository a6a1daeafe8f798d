// A front page of 420 layout rows drawn by the interpreter to PDF and to the
// preview, against the same primitives drawn with raw QPainter calls.
#include "fields/Feldtabelle.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/BildFlaeche.h"
#include "print/Layoutinterpreter.h"
#include "print/MalerFlaeche.h"
#include "print/PdfFlaeche.h"
#include "print/Schriften.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
Layoutzeile zeile(int art, double x, double y, double h, double b, const QString &inhalt, double groesse, bool fett)
{
    return Layoutzeile{art, x, y, 0, h, b, inhalt, groesse, fett ? QStringLiteral("F") : QStringLiteral("N")};
}

// A page like the application's front: shaded headings, frames, labels,
// fields (left, right, centred), check boxes and changes-only rows.
Layout seite()
{
    Layout l;
    for (int abschnitt = 0; abschnitt < 12; ++abschnitt) {
        const double y = 10 + abschnitt * 23;
        l.append(zeile(0, 0, y, 5, 190, {}, 10, true));
        l.append(zeile(1, 1, y + 0.5, 0, 0, QStringLiteral("%1. Abschnitt des Antrags").arg(abschnitt + 1), 9, true));
        l.append(zeile(4, 0, y, 22, 190, {}, 10, false));
        for (int k = 0; k < 6; ++k) {
            const double x = k * 31.5;
            const double yy = y + 6 + (k % 2) * 8;
            const QString f = QStringLiteral("Feld%1").arg(abschnitt * 6 + k);
            l.append(zeile(4, x, yy, 0, 31, {}, 10, false));
            l.append(zeile(1, x + 0.5, yy + 0.3, 0, 0, QStringLiteral("Beschriftung %1").arg(k), 6, false));
            l.append(zeile(11, x + 0.5, yy + 2.5, 0, 0, f + QStringLiteral(" ") + f + QStringLiteral("b"), 9, false));
            l.append(zeile(12, x, yy + 2.5, 0, 30, QStringLiteral("Betrag%1").arg(k), 9, false));
            l.append(zeile(4, x + 26, yy + 1, 3.5, 3.5, {}, 10, false));
            l.append(zeile(14, x + 26, yy + 1, 3.5, 3.5, QStringLiteral("Kasten%1").arg(k), 10, false));
        }
        l.append(zeile(21, 1, y + 20, 0, 0, QStringLiteral("Feld%1 , Feld%2").arg(abschnitt).arg(abschnitt + 1), 9, false));
        l.append(zeile(13, 100, y + 18, 4, 90, QStringLiteral("Kasten1$Feld%1").arg(abschnitt), 9, false));
    }
    return l;
}

Feldtabelle felder()
{
    Feldtabelle t;
    for (int i = 0; i < 100; ++i) {
        t.anhaengen(QStringLiteral("1Feld%1").arg(i), QStringLiteral("Wert %1").arg(i), QStringLiteral("Wert %1").arg(i));
        t.anhaengen(QStringLiteral("1Feld%1b").arg(i), QStringLiteral("Zusatz"), QStringLiteral("alt"));
    }
    for (int i = 0; i < 6; ++i) {
        t.anhaengen(QStringLiteral("1Betrag%1").arg(i), QStringLiteral("1.234,5%1").arg(i));
        t.anhaengen(QStringLiteral("2Kasten%1").arg(i), i % 2 ? QStringLiteral("1") : QStringLiteral("0"));
    }
    for (int i = 0; i < 200; ++i)
        t.anhaengen(QStringLiteral("1Sonstiges%1").arg(i), QStringLiteral("x"));
    return t;
}

struct Seite
{
    Layout layout = seite();
    Feldtabelle tabelle = felder();
    Aufzeichnungsflaeche primitive{Aufzeichnungsflaeche::Metrik::Schrift};
    Seite()
    {
        // The primitives the interpreter draws, for the raw drawing.
        Layoutinterpreter::zeichnen(auftrag(Druckvariante::Aufrufer::Antrag), layout, primitive);
    }
    Druckauftrag auftrag(Druckvariante::Aufrufer aufrufer) const
    {
        Druckauftrag a;
        a.variante = Druckvariante::fuer(aufrufer);
        a.layout = QStringLiteral("BENCH");
        a.felder = &tabelle;
        return a;
    }
};

Seite &daten()
{
    static Seite s;
    return s;
}

// The recorded texts, lines and boxes with plain QPainter calls.
void rohZeichnen(QPainter &p, double pxProMm, int strich)
{
    const Aufzeichnungsflaeche &f = daten().primitive;
    for (const auto &a : f.aufrufe()) {
        switch (a.art) {
        case Aufzeichnungsflaeche::Aufruf::Print: {
            if (a.text.trimmed().isEmpty())
                break;
            QFont font(Schriften::familie(a.fontName));
            font.setPointSizeF(a.fontSize);
            font.setBold(a.fontBold);
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(QPointF((a.a - a.scaleLeft) * pxProMm,
                               (a.b - a.scaleTop) * pxProMm + p.fontMetrics().ascent()),
                       a.text);
            break;
        }
        case Aufzeichnungsflaeche::Aufruf::Line:
            p.setPen(QPen(Qt::black, strich));
            p.drawLine(QPointF((a.a - a.scaleLeft) * pxProMm, (a.b - a.scaleTop) * pxProMm),
                       QPointF((a.c - a.scaleLeft) * pxProMm, (a.d - a.scaleTop) * pxProMm));
            break;
        case Aufzeichnungsflaeche::Aufruf::Box:
            p.fillRect(QRectF(QPointF((a.a - a.scaleLeft) * pxProMm, (a.b - a.scaleTop) * pxProMm),
                              QPointF((a.c - a.scaleLeft) * pxProMm, (a.d - a.scaleTop) * pxProMm)),
                       a.farbe);
            break;
        default:
            break;
        }
    }
}

QString pdfPfad()
{
    static QTemporaryDir dir;
    return dir.path() + QStringLiteral("/seite.pdf");
}

void Interpreter_PDF(benchmark::State &state)
{
    const Seite &s = daten();
    for (auto _ : state) {
        PdfFlaeche f(pdfPfad());
        const Druckergebnis e = Layoutinterpreter::zeichnen(s.auftrag(Druckvariante::Aufrufer::Antrag), s.layout, f);
        if (!e.ok)
            state.SkipWithError("PDF not written");
    }
    state.counters["rows"] = double(s.layout.size());
}

void RohesQPainter_PDF(benchmark::State &state)
{
    for (auto _ : state) {
        QSaveFile datei(pdfPfad());
        datei.open(QIODevice::WriteOnly);
        QPdfWriter w(&datei);
        w.setResolution(600);
        w.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter p(&w);
        rohZeichnen(p, 600 / 25.4, 3);
        p.end();
        datei.commit();
    }
}

QImage vorschaubild()
{
    QImage b(1134, 1134, QImage::Format_RGB32);
    const int dpm = qRound(96 / 0.0254);
    b.setDotsPerMeterX(dpm);
    b.setDotsPerMeterY(dpm);
    return b;
}

void Interpreter_Vorschau(benchmark::State &state)
{
    // What the preview does: record the run, then paint the picture.
    const Seite &s = daten();
    QImage bild = vorschaubild();
    for (auto _ : state) {
        Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Schrift);
        Layoutinterpreter::zeichnen(s.auftrag(Druckvariante::Aufrufer::AntragVorschau), s.layout, f);
        bild.fill(Qt::white);
        QPainter p(&bild);
        MalerFlaeche ziel(&p);
        f.abspielen(ziel);
    }
}

void RohesQPainter_Vorschau(benchmark::State &state)
{
    QImage bild = vorschaubild();
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        rohZeichnen(p, 96 / 25.4, 1);
    }
}

void Interpreter_nurSubstitution(benchmark::State &state)
{
    const Seite &s = daten();
    for (auto _ : state) {
        Aufzeichnungsflaeche f(Aufzeichnungsflaeche::Metrik::Fest);
        Layoutinterpreter::zeichnen(s.auftrag(Druckvariante::Aufrufer::Antrag), s.layout, f);
        benchmark::DoNotOptimize(f.aufrufe().size());
    }
}
} // namespace

BENCHMARK(Interpreter_PDF)->Unit(benchmark::kMillisecond);
BENCHMARK(RohesQPainter_PDF)->Unit(benchmark::kMillisecond);
BENCHMARK(Interpreter_Vorschau)->Unit(benchmark::kMillisecond);
BENCHMARK(RohesQPainter_Vorschau)->Unit(benchmark::kMillisecond);
BENCHMARK(Interpreter_nurSubstitution)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    Schriften::einrichten();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
