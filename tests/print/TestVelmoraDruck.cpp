// velmora-druck end to end: the executable prints pages into files that
// poppler reads back.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "base/TextFile.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace druckhilfen;

namespace {
struct Lauf
{
    int code;
    QString fehler;
};

const char *const kFelddatei = "Testformular\r\n"
                               "1Vorname:=Max\r\n"
                               "1Name:=Muster\r\n"
                               "1Ort:=Köln\r\n"
                               "1Bank:=Sparkasse Köln\r\n"
                               "1Gültigkeit:=01.01.2001\r\n"
                               "1AntragstellerDatum:=01.02.2003\r\n"
                               "1Druckoffset:=0\r\n"
                               "1Kopf1:=Bereiche 3 - 5 geändert\r\n"
                               "---Ende---\r\n";

// The top of a word on the page in millimetres, from pdftotext -bbox.
double oben(const QString &pdf, const QString &wort)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString box = QString::fromUtf8(p.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("yMin=\"([0-9.]+)\"[^>]*>%1<").arg(wort)).match(box);
    return m.hasMatch() ? m.captured(1).toDouble() * 25.4 / 72 : -1;
}
} // namespace

class TestVelmoraDruck : public QObject
{
    Q_OBJECT
    QString m_prog;
    QString m_aus;

    Lauf starten(QStringList argumente, bool mitProgramm = true)
    {
        if (mitProgramm)
            argumente = QStringList{QStringLiteral("--programm"), m_prog} + argumente;
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // It must need no display and choose its platform itself.
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELMORA_DRUCK), argumente);
        if (!p.waitForFinished(60000))
            return {-1, QStringLiteral("Zeitüberschreitung")};
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2,
                QString::fromLocal8Bit(p.readAllStandardError())};
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        m_prog = testprogramm(QStringLiteral("druckprogramm"));
        QVERIFY(!m_prog.isEmpty());
        QVERIFY(TextFile::write(m_prog + QStringLiteral("beihilfe.txt"), QString::fromUtf8(kFelddatei),
                                TextFile::Encoding::Utf8));
        m_aus = TestUmgebung::neuesVerzeichnis(QStringLiteral("ausgabe"));
    }

    void seitenDesDruckdialogs()
    {
        const QString v = m_aus + QStringLiteral("v.pdf");
        Lauf l = starten({QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"), v});
        QCOMPARE(l.code, 0);
        QCOMPARE(l.fehler, QString());
        QString text = pdfText(v);
        QVERIFY2(text.contains(QStringLiteral("Max Muster")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Vorderseite Test")));
        // Unchanged bank, validity emptied as at every start: not printed.
        QVERIFY(!text.contains(QStringLiteral("Sparkasse")));
        QVERIFY(!text.contains(QStringLiteral("01.01.2001")));
        QCOMPARE(pdfSeitengroesse(v), QStringLiteral("595 x 842 pts (A4)"));

        const QString k = m_aus + QStringLiteral("k.pdf");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("vorderseite-komplett"), QStringLiteral("--pdf"), k}).code, 0);
        QVERIFY(pdfText(k).contains(QStringLiteral("Sparkasse Köln")));

        const QString r = m_aus + QStringLiteral("r.pdf");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("rueckseite"), QStringLiteral("--pdf"), r}).code, 0);
        QVERIFY(pdfText(r).contains(QStringLiteral("Rückseite Test")));

        // The care front page's reference starts with "2": landscape.
        const QString p = m_aus + QStringLiteral("p.pdf");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("pflege-vorderseite"), QStringLiteral("--pdf"), p}).code, 0);
        QCOMPARE(pdfSeitengroesse(p), QStringLiteral("842 x 595 pts (A4)"));
        QVERIFY(pdfText(p).contains(QStringLiteral("Pflege quer")));

        const QString e = m_aus + QStringLiteral("e.pdf");
        QCOMPARE(starten({QStringLiteral("--euro"), QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"), e}).code, 0);
        QVERIFY(pdfText(e).contains(QStringLiteral("Euro Vorderseite")));
    }

    void layoutNachNamenUndSchalter()
    {
        const QString hoch = m_aus + QStringLiteral("lh.pdf");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("layout:T-PV"), QStringLiteral("--pdf"), hoch}).code, 0);
        QCOMPARE(pdfSeitengroesse(hoch), QStringLiteral("595 x 842 pts (A4)"));
        const QString quer = m_aus + QStringLiteral("lq.pdf");
        QCOMPARE(starten({QStringLiteral("--quer"), QStringLiteral("--seite"), QStringLiteral("layout:T-PV"),
                          QStringLiteral("--pdf"), quer}).code, 0);
        QCOMPARE(pdfSeitengroesse(quer), QStringLiteral("842 x 595 pts (A4)"));
        const QString komplett = m_aus + QStringLiteral("lk.pdf");
        QCOMPARE(starten({QStringLiteral("--komplett"), QStringLiteral("--seite"), QStringLiteral("layout:T-V"),
                          QStringLiteral("--pdf"), komplett}).code, 0);
        QVERIFY(pdfText(komplett).contains(QStringLiteral("Sparkasse")));

        // The offset moves the page up by whole millimetres.
        const QString null = m_aus + QStringLiteral("o0.pdf");
        const QString fuenf = m_aus + QStringLiteral("o5.pdf");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"), null}).code, 0);
        QCOMPARE(starten({QStringLiteral("--offset"), QStringLiteral("5"), QStringLiteral("--seite"),
                          QStringLiteral("vorderseite"), QStringLiteral("--pdf"), fuenf}).code, 0);
        const double y0 = oben(null, QStringLiteral("Max"));
        const double y5 = oben(fuenf, QStringLiteral("Max"));
        QVERIFY(y0 > 0 && y5 > 0);
        QVERIFY2(qAbs((y0 - y5) - 5.0) < 0.05, qPrintable(QString::number(y0 - y5)));

        // The first-application box is set and the changes-only rows print
        // only with a complete page.
        QVERIFY(starten({QStringLiteral("--erstantrag"), QStringLiteral("--seite"), QStringLiteral("vorderseite"),
                         QStringLiteral("--pdf"), m_aus + QStringLiteral("x.pdf")})
                    .code != 0);
        QVERIFY(!QFile::exists(m_aus + QStringLiteral("x.pdf")));
        QCOMPARE(starten({QStringLiteral("--erstantrag"), QStringLiteral("--seite"), QStringLiteral("vorderseite-komplett"),
                          QStringLiteral("--pdf"), m_aus + QStringLiteral("x.pdf")})
                     .code,
                 0);
    }

    // The answers of the dialog's change fields, each in its own place.
    void aenderungen()
    {
        const QString g = m_aus + QStringLiteral("g.pdf");
        QCOMPARE(starten({QStringLiteral("--gueltig-ab"), QStringLiteral("1.7.2004"), QStringLiteral("--aenderungen-3-5"),
                          QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"), g})
                     .code,
                 0);
        const QString text = pdfText(g);
        QVERIFY2(text.contains(QStringLiteral("01.07.2004")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Bereiche 3 - 5 geändert")), qPrintable(text));
    }

    void png()
    {
        const QString datei = m_aus + QStringLiteral("v.png");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--png"), datei}).code, 0);
        QImage bild(datei);
        QCOMPARE(bild.size(), QSize(1240, 1754)); // A4 at 150 dpi
        const QString klein = m_aus + QStringLiteral("k.png");
        QCOMPARE(starten({QStringLiteral("--seite"), QStringLiteral("pflege-vorderseite"), QStringLiteral("--png"), klein,
                          QStringLiteral("--dpi"), QStringLiteral("50")})
                     .code,
                 0);
        QCOMPARE(QImage(klein).size(), QSize(585, 413));
        // The grey band of kind 0 is there.
        QCOMPARE(bild.pixelColor(qRound(15 / 25.4 * 150), qRound(12 / 25.4 * 150)), QColor(230, 230, 230));
    }

    void nebenantrag()
    {
        // The accident report from its file, with the office from the field
        // file, on the shipped layouts: both pages in one PDF file.
        const QString datei = m_aus + QStringLiteral("unfall.txt");
        QVERIFY(TextFile::write(datei,
                                QStringLiteral("1UBPerson:=Erika Mustermann\r\n1UBUnfallort1:=  Domplatz 1, Köln\r\n"
                                               "2UBVja:=1\r\n1UBVAktenzeichen:=901 Js 12/26\r\n"),
                                TextFile::Encoding::Utf8));
        const QString pdf = m_aus + QStringLiteral("unfall.pdf");
        const QStringList basis = {QStringLiteral("--programm"), TestUmgebung::mitgeliefert(), QStringLiteral("--daten"),
                                   m_prog, QStringLiteral("--seite"), QStringLiteral("unfallbericht")};
        Lauf l = starten(basis + QStringList{QStringLiteral("--antragsdatei"), datei, QStringLiteral("--pdf"), pdf}, false);
        QCOMPARE(l.code, 0);
        const QString text = pdfText(pdf);
        const QStringList seiten = text.split(u'\f', Qt::SkipEmptyParts);
        QCOMPARE(seiten.size(), 2);
        QVERIFY2(seiten.at(0).contains(QStringLiteral("Erika Mustermann")), qPrintable(text));
        QVERIFY(seiten.at(0).contains(QStringLiteral("Domplatz 1, Köln")));
        QVERIFY(seiten.at(1).contains(QStringLiteral("901 Js 12/26")));
        QVERIFY(seiten.at(1).contains(QStringLiteral("Max")));

        // A missing file fails with a message and leaves no file.
        const QString keine = m_aus + QStringLiteral("keine.pdf");
        l = starten(basis + QStringList{QStringLiteral("--antragsdatei"), m_aus + QStringLiteral("fehlt.txt"),
                                        QStringLiteral("--pdf"), keine},
                    false);
        QCOMPARE(l.code, 1);
        QVERIFY2(l.fehler.contains(QStringLiteral("fehlt.txt")), qPrintable(l.fehler));
        QVERIFY(!QFile::exists(keine));
    }

    // The private-insurance data sheet of one person from the field file and
    // that person's memo file; it needs no print database.
    void datenblatt()
    {
        const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("datenblatt"));
        QVERIFY(TextFile::write(daten + QStringLiteral("/beihilfe.txt"),
                                QStringLiteral("Testformular\r\n1privateKV_NachnameK4:=Musterkind\r\n"
                                               "1privateKV_PLZK4:=50667\r\n1privateKV_OrtK4:=Köln\r\n"
                                               "1privateKV_NachnameA:=Muster\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
        QVERIFY(TextFile::write(daten + QStringLiteral("/privateKVMemo5.txt"), QStringLiteral("Zahnspange\r\n"),
                                TextFile::Encoding::Utf8));
        const QString pdf = m_aus + QStringLiteral("datenblatt.pdf");
        const QString leer = TestUmgebung::neuesVerzeichnis(QStringLiteral("ohneDatenbank"));
        const QStringList basis = {QStringLiteral("--programm"), leer, QStringLiteral("--daten"), daten,
                                   QStringLiteral("--seite"), QStringLiteral("datenblatt")};
        Lauf l = starten(basis + QStringList{QStringLiteral("--person"), QStringLiteral("5"), QStringLiteral("--pdf"), pdf},
                         false);
        QCOMPARE(l.code, 0);
        const QString text = pdfText(pdf);
        QVERIFY2(text.contains(QStringLiteral("Musterkind")) && text.contains(QStringLiteral("50667 Köln")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Zahnspange")));
        QVERIFY(!text.contains(QStringLiteral("Muster\n")));
        QVERIFY(qAbs(oben(pdf, QStringLiteral("Musterkind")) - 15) < 1.5);
        QVERIFY(oben(pdf, QStringLiteral("Zahnspange")) > 55);
        l = starten(basis + QStringList{QStringLiteral("--person"), QStringLiteral("7"), QStringLiteral("--pdf"), pdf},
                    false);
        QCOMPARE(l.code, 2);
        QVERIFY2(l.fehler.startsWith(QStringLiteral("Die Person \"7\" gibt es nicht")), qPrintable(l.fehler));
    }

    void fehler_data()
    {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("mitProgramm");
        QTest::addColumn<QString>("meldung");
        const QString aus = QStringLiteral("--pdf");
        QTest::newRow("Programmverzeichnis fehlt")
            << QStringList{"--programm", "/gibt/es/nicht", "--seite", "vorderseite", "--pdf", "a.pdf"} << false
            << "Das Programmverzeichnis /gibt/es/nicht gibt es nicht.";
        QTest::newRow("Datenverzeichnis fehlt") << QStringList{"--daten", "/gibt/es/nicht", "--seite", "vorderseite",
                                                               "--pdf", "a.pdf"}
                                                << true << "Das Datenverzeichnis /gibt/es/nicht gibt es nicht.";
        QTest::newRow("Formularart fehlt") << QStringList{"--formular", "Unbekannt", "--seite", "vorderseite",
                                                          "--pdf", "a.pdf"}
                                           << true << "Die Formularart \"Unbekannt\" gibt es in";
        QTest::newRow("Vorlage fehlt") << QStringList{"--seite", "layout:NIX", "--pdf", "a.pdf"} << true
                                       << "Druckvorlage \"NIX\" nicht gefunden.";
        QTest::newRow("leere Vorlage") << QStringList{"--seite", "pflege-rueckseite", "--pdf", "a.pdf"} << true
                                       << "Druckvorlage \"T-PR\" nicht gefunden.";
        QTest::newRow("Seite unbekannt") << QStringList{"--seite", "mitte", "--pdf", "a.pdf"} << true
                                         << "Unbekannte Seite: mitte";
        QTest::newRow("keine Ausgabe") << QStringList{"--seite", "vorderseite"} << true
                                       << "Bitte genau eine Ausgabe angeben";
        QTest::newRow("zwei Ausgaben") << QStringList{"--seite", "vorderseite", "--pdf", "a.pdf", "--png", "a.png"}
                                       << true << "Bitte genau eine Ausgabe angeben";
        QTest::newRow("Offset kein Wert") << QStringList{"--offset", "fünf", "--seite", "vorderseite", "--pdf", "a.pdf"}
                                          << true << "Der Offset \"fünf\" ist keine Zahl";
        QTest::newRow("Option unbekannt") << QStringList{"--farbe", "--seite", "vorderseite", "--pdf", "a.pdf"} << true
                                          << "Unbekannte Angabe: --farbe";
        QTest::newRow("Wert fehlt") << QStringList{"--seite"} << true << "Zu --seite fehlt der Wert.";
        Q_UNUSED(aus);
    }

    void fehler()
    {
        QFETCH(QStringList, argumente);
        QFETCH(bool, mitProgramm);
        QFETCH(QString, meldung);
        // Output files of the failing runs land in the output directory.
        for (QString &a : argumente)
            if (a.endsWith(QLatin1String(".pdf")) || a.endsWith(QLatin1String(".png")))
                a = m_aus + QStringLiteral("fehler-") + a;
        const Lauf l = starten(argumente, mitProgramm);
        QVERIFY2(l.code > 0, qPrintable(QString::number(l.code)));
        QVERIFY2(l.fehler.startsWith(meldung), qPrintable(l.fehler));
        QVERIFY(!QFile::exists(m_aus + QStringLiteral("fehler-a.pdf")));
    }

    void ohneDruckdatenbankOderFormularart()
    {
        const QString leer = TestUmgebung::neuesVerzeichnis(QStringLiteral("leer"));
        Lauf l = starten({QStringLiteral("--programm"), leer, QStringLiteral("--seite"), QStringLiteral("vorderseite"),
                          QStringLiteral("--pdf"), m_aus + QStringLiteral("n.pdf")},
                         false);
        QCOMPARE(l.code, 1);
        QVERIFY2(l.fehler.startsWith(QStringLiteral("Die Druckdatenbank")), qPrintable(l.fehler));
        // A damaged file is named as such, not as a missing form kind.
        QFile kaputt(leer + QStringLiteral("drucken.mdb"));
        QVERIFY(kaputt.open(QIODevice::WriteOnly));
        kaputt.write("\x13\x37 kein SQLite");
        kaputt.close();
        l = starten({QStringLiteral("--programm"), leer, QStringLiteral("--formular"), QStringLiteral("Testformular"),
                     QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"),
                     m_aus + QStringLiteral("n.pdf")},
                    false);
        QCOMPARE(l.code, 1);
        QVERIFY2(l.fehler.startsWith(QStringLiteral("Die Druckdatenbank %1 ist beschädigt").arg(kaputt.fileName())),
                 qPrintable(l.fehler));
        QVERIFY(!QFile::exists(m_aus + QStringLiteral("n.pdf")));
        // A data directory without a field file names no form kind.
        const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("daten"));
        l = starten({QStringLiteral("--daten"), daten, QStringLiteral("--seite"), QStringLiteral("vorderseite"),
                     QStringLiteral("--pdf"), m_aus + QStringLiteral("n.pdf")});
        QCOMPARE(l.code, 1);
        QVERIFY2(l.fehler.startsWith(QStringLiteral("Keine Formularart")), qPrintable(l.fehler));
        // With a form kind given, the fields are simply empty.
        l = starten({QStringLiteral("--daten"), daten, QStringLiteral("--formular"), QStringLiteral("Testformular"),
                     QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"),
                     m_aus + QStringLiteral("n.pdf")});
        QCOMPARE(l.code, 0);
        QVERIFY(!pdfText(m_aus + QStringLiteral("n.pdf")).contains(QStringLiteral("Muster")));
        // An output file that cannot be written.
        l = starten({QStringLiteral("--seite"), QStringLiteral("vorderseite"), QStringLiteral("--pdf"),
                     m_aus + QStringLiteral("fehlt/n.pdf")});
        QCOMPARE(l.code, 1);
        QVERIFY2(l.fehler.contains(QStringLiteral("kann nicht geschrieben werden")), qPrintable(l.fehler));
    }
};

VELMORA_TEST_MAIN_CORE(TestVelmoraDruck)
#include "TestVelmoraDruck.moc"
