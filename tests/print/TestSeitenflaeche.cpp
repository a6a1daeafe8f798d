// The page surfaces on real devices: picture, PDF file, the face used for
// "Arial" and the replay of a recording.
#include "TestUmgebung.h"

#include "print/Aufzeichnungsflaeche.h"
#include "print/BildFlaeche.h"
#include "print/PdfFlaeche.h"
#include "print/Schriften.h"

#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
// Bounding box of the pixels darker than the threshold.
QRect dunkel(const QImage &bild, int schwelle = 128, QRect bereich = {})
{
    if (bereich.isNull())
        bereich = bild.rect();
    int l = INT_MAX, o = INT_MAX, r = -1, u = -1;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (qGray(bild.pixel(x, y)) < schwelle) {
                l = std::min(l, x), o = std::min(o, y), r = std::max(r, x), u = std::max(u, y);
            }
    return r < 0 ? QRect() : QRect(QPoint(l, o), QPoint(r, u));
}

QString programm(const QString &name)
{
    return QStandardPaths::findExecutable(name);
}

QString ausfuehren(const QString &prog, const QStringList &args)
{
    QProcess p;
    p.start(prog, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
} // namespace

class TestSeitenflaeche : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arialIstLiberationSans()
    {
        QVERIFY(Schriften::einrichten());
        for (const char *name : {"Arial", "arial"}) {
            const QFont f = Schriften::schrift(QString::fromLatin1(name), 10, false);
            QCOMPARE(QFontInfo(f).family(), QStringLiteral("Liberation Sans"));
        }
        QCOMPARE(QFontInfo(Schriften::schrift(QStringLiteral("Arial"), 10, true)).bold(), true);
        QCOMPARE(Schriften::familie(QStringLiteral("Courier")), QStringLiteral("Courier"));
    }

    void bildMillimeterUndUrsprung()
    {
        // 254 dpi: 10 pixels per millimetre.
        BildFlaeche f(254);
        f.setScaleLeft(-10);
        f.Box(0, 0, 10, 10, QColor(230, 230, 230));
        f.setDrawWidth(3);
        f.Line(0, 150, 100, 150);
        f.EndDoc();
        const QImage &b = f.bild();
        QCOMPARE(b.size(), QSize(2100, 2970));
        // The box starts 10 mm right of the edge.
        QCOMPARE(b.pixelColor(150, 50), QColor(230, 230, 230));
        QCOMPARE(b.pixelColor(95, 50), QColor(Qt::white));
        QCOMPARE(b.pixelColor(205, 50), QColor(Qt::white));
        // A line three device pixels wide, from x = 10 mm to 110 mm.
        const QRect linie = dunkel(b, 220, QRect(0, 1400, 2100, 200));
        QVERIFY2(linie.height() >= 3 && linie.height() <= 4, qPrintable(QString::number(linie.height())));
        QVERIFY(qAbs(linie.left() - 100) <= 2);
        QVERIFY(qAbs(linie.right() - 1100) <= 2);
    }

    void strichbreiteWieAufDemDrucker()
    {
        // 300 dpi standing in for a 600-dpi printer: DrawWidth 6 is 3 pixels;
        // DrawWidth 1 stays one pixel wide.
        for (const auto &[breite, erwartet] : {std::pair(6, 3), std::pair(1, 1)}) {
            BildFlaeche f(300, {}, 600);
            f.setDrawWidth(breite);
            f.Line(0, 100, 100, 100);
            f.EndDoc();
            const QRect linie = dunkel(f.bild(), 220, QRect(0, 1100, 1000, 160));
            QVERIFY2(linie.height() >= erwartet && linie.height() <= erwartet + 1,
                     qPrintable(QString::number(linie.height())));
        }
    }

    void textStehtMitDerOberkanteAufY()
    {
        auto zeichnen = [](double scaleTop) {
            BildFlaeche f(254);
            f.setScaleLeft(-10);
            f.setScaleTop(scaleTop);
            f.setFontName(QStringLiteral("Arial"));
            f.setFontSize(20);
            f.setCurrentX(20);
            f.setCurrentY(30);
            f.Print(QStringLiteral("H"));
            const double hoehe = f.TextHeight(QStringLiteral("H"));
            f.EndDoc();
            return std::pair(dunkel(f.bild()), hoehe);
        };
        const auto [h, zeilenhoehe] = zeichnen(0);
        QVERIFY(!h.isNull());
        // Left edge at 30 mm (20 + 10), allowing the glyph's side bearing.
        QVERIFY2(h.left() >= 300 && h.left() <= 315, qPrintable(QString::number(h.left())));
        // The line's top is y = 30 mm; the capital starts a little below it
        // and ends above the line's bottom.
        QVERIFY2(h.top() > 300 && h.top() < 320, qPrintable(QString::number(h.top())));
        QVERIFY(h.bottom() < 300 + zeilenhoehe * 10);
        // 20 pt line height is about 8 mm.
        QVERIFY2(zeilenhoehe > 7.5 && zeilenhoehe < 8.5, qPrintable(QString::number(zeilenhoehe)));
        // ScaleTop 5 moves everything 5 mm up.
        const QRect oben = zeichnen(5).first;
        QCOMPARE(oben.top(), h.top() - 50);
        QCOMPARE(oben.left(), h.left());
    }

    void querformat()
    {
        BildFlaeche f(100);
        f.setOrientation(2);
        f.Line(0, 0, 10, 10);
        f.EndDoc();
        QCOMPARE(f.bild().width() > f.bild().height(), true);
        // The orientation holds only for a page not yet begun.
        BildFlaeche g(100);
        g.Line(0, 0, 1, 1);
        g.setOrientation(2);
        g.EndDoc();
        QVERIFY(g.bild().height() > g.bild().width());
    }

    void breitenGleichAufAllenGeraeten()
    {
        const QString pdf = TestUmgebung::neuesVerzeichnis(QStringLiteral("breite")) + QStringLiteral("b.pdf");
        PdfFlaeche p(pdf);
        Aufzeichnungsflaeche a(Aufzeichnungsflaeche::Metrik::Schrift);
        BildFlaeche b(150);
        for (Seitenflaeche *s : std::initializer_list<Seitenflaeche *>{&p, &a, &b}) {
            s->setFontName(QStringLiteral("Arial"));
            s->setFontSize(10);
            s->setFontBold(true);
        }
        const QString text = QStringLiteral("Beihilfestelle Düsseldorf, Aktenzeichen 12/345");
        const double w = p.TextWidth(text);
        // About 77.5 mm for these 47 bold characters at 10 pt.
        QVERIFY2(w > 77 && w < 78, qPrintable(QString::number(w)));
        QCOMPARE(a.TextWidth(text), w);
        QCOMPARE(b.TextWidth(text), w);
        QVERIFY(p.EndDoc());
    }

    void schriftvorratDarfSichLeeren()
    {
        // A surface keeps its font while the shared font store is emptied
        // by many other sizes.
        BildFlaeche f(100);
        Aufzeichnungsflaeche a(Aufzeichnungsflaeche::Metrik::Schrift);
        f.setFontSize(13);
        a.setFontSize(13);
        const double vorher = f.TextWidth(QStringLiteral("Beihilfe"));
        QCOMPARE(a.TextWidth(QStringLiteral("Beihilfe")), vorher);
        for (int i = 0; i < 600; ++i)
            Schriften::twips(QStringLiteral("Arial"), 1 + i * 0.05, i % 2);
        QCOMPARE(f.TextWidth(QStringLiteral("Beihilfe")), vorher);
        QCOMPARE(a.TextWidth(QStringLiteral("Beihilfe")), vorher);
        f.Print(QStringLiteral("Beihilfe"));
        QVERIFY(f.EndDoc());
    }

    void pdfSeite()
    {
        if (programm(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        const QString verzeichnis = TestUmgebung::neuesVerzeichnis(QStringLiteral("pdf"));
        for (int orientierung : {1, 2}) {
            const QString datei = verzeichnis + QStringLiteral("seite%1.pdf").arg(orientierung);
            PdfFlaeche f(datei, QStringLiteral("Test"));
            f.setOrientation(orientierung);
            f.setScaleLeft(-10);
            f.setFontSize(10);
            f.setCurrentX(20);
            f.setCurrentY(30);
            f.Print(QStringLiteral("Beihilfe Prüfung"));
            f.setDrawWidth(3);
            f.Line(0, 100, 100, 100);
            QVERIFY(!QFile::exists(datei)); // written only when complete
            QVERIFY(f.EndDoc());
            QVERIFY(QFile::exists(datei));
            const QString info = ausfuehren(programm(QStringLiteral("pdfinfo")), {datei});
            QVERIFY2(info.contains(orientierung == 1 ? QLatin1String("595 x 842 pts (A4)")
                                                     : QLatin1String("842 x 595 pts (A4)")),
                     qPrintable(info));
            QVERIFY(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));
            const QString fonts = ausfuehren(programm(QStringLiteral("pdffonts")), {datei});
            QVERIFY2(fonts.contains(QLatin1String("LiberationSans")), qPrintable(fonts));
            // Where the word lies on the sheet, in points.
            const QString box = ausfuehren(programm(QStringLiteral("pdftotext")), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
            const QRegularExpression wort(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>Beihilfe<"));
            const auto m = wort.match(box);
            QVERIFY2(m.hasMatch(), qPrintable(box));
            const double mmX = m.captured(1).toDouble() * 25.4 / 72;
            const double mmY = m.captured(2).toDouble() * 25.4 / 72;
            QVERIFY2(qAbs(mmX - 30) < 0.5, qPrintable(QString::number(mmX)));
            QVERIFY2(mmY >= 29.5 && mmY < 31.5, qPrintable(QString::number(mmY)));
            QVERIFY(box.contains(QStringLiteral(">Prüfung<")));
        }
    }

    void pdfNichtSchreibbar()
    {
        const QString datei = TestUmgebung::basis() + QStringLiteral("/gibt/es/nicht/seite.pdf");
        PdfFlaeche f(datei);
        f.Print(QStringLiteral("x"));
        f.Line(0, 0, 1, 1);
        QVERIFY(!f.EndDoc());
        QVERIFY2(f.fehler().contains(QStringLiteral("seite.pdf")), qPrintable(f.fehler()));
        QVERIFY(!QFile::exists(datei));
    }

    void bildAlsPng()
    {
        const QString datei = TestUmgebung::neuesVerzeichnis(QStringLiteral("png")) + QStringLiteral("s.png");
        BildFlaeche f(50, datei);
        f.Line(0, 0, 100, 100);
        QVERIFY(f.EndDoc());
        QImage gelesen(datei);
        QCOMPARE(gelesen.size(), QSize(qRound(210 / 25.4 * 50), qRound(297 / 25.4 * 50)));
        QVERIFY(!dunkel(gelesen).isNull());
        BildFlaeche kaputt(50, TestUmgebung::basis() + QStringLiteral("/fehlt/s.png"));
        QVERIFY(!kaputt.EndDoc());
        QVERIFY(!kaputt.fehler().isEmpty());
    }

    void abspielenZeichnetDasselbe()
    {
        auto seite = [](Seitenflaeche &s) {
            s.setScaleLeft(-10);
            s.setScaleTop(3);
            s.Box(0, 0, 50, 20, QColor(230, 230, 230));
            s.setFontSize(12);
            s.setFontBold(true);
            s.setCurrentX(5);
            s.setCurrentY(5);
            s.Print(QStringLiteral("Antragsteller"));
            s.setDrawWidth(2);
            s.Line(0, 30, 80, 30);
            s.setFontBold(false);
            s.setFontSize(8);
            s.setCurrentX(5);
            s.setCurrentY(40);
            s.Print(QStringLiteral("Zeile 1\nZeile 2"));
        };
        BildFlaeche direkt(100);
        seite(direkt);
        direkt.EndDoc();
        Aufzeichnungsflaeche aufzeichnung(Aufzeichnungsflaeche::Metrik::Schrift);
        seite(aufzeichnung);
        BildFlaeche wieder(100);
        aufzeichnung.abspielen(wieder);
        wieder.EndDoc();
        // Only the second line of the two-line text may move by its line
        // height's rounding.
        int anders = 0;
        for (int y = 0; y < direkt.bild().height(); ++y)
            for (int x = 0; x < direkt.bild().width(); ++x)
                anders += direkt.bild().pixel(x, y) != wieder.bild().pixel(x, y);
        QVERIFY2(anders < 200, qPrintable(QString::number(anders)));
        QVERIFY(!dunkel(wieder.bild()).isNull());
    }
};

VELMORA_TEST_MAIN_CORE(TestSeitenflaeche)
#include "TestSeitenflaeche.moc"
