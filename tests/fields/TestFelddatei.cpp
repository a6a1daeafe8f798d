#include "TestUmgebung.h"

#include "fields/Felddatei.h"
#include "fields/Feldtabelle.h"
#include "fields/Nebenantragsdatei.h"
#include "fields/Zusatzfeldtabelle.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

class TestFelddatei : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ersteZeile_data();
    void ersteZeile();
    void feldzeilen();
    void keineGrenzen();
    void doppelteNamen();
    void zeilenumbruchImWert_data();
    void zeilenumbruchImWert();
    void schreibenUndLesen();
    void schreibenIstAtomar();
    void schreibfehlerWirdGemeldet();
    void kodierungen();
    void feindlicheDateien_data();
    void feindlicheDateien();
    void markieren();
    void zusatztabelle();
    void nebenantragsdatei_data();
    void nebenantragsdatei();
    void nebenantragsdateiKodierung();
};

void TestFelddatei::ersteZeile_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("formularart");
    QTest::newRow("einfach") << "Standardantrag" << "Standardantrag";
    QTest::newRow("komma") << "Standardantrag, alt" << "Standardantrag";
    QTest::newRow("anfuehrung") << "\"BR Köln\"" << "BR Köln";
    QTest::newRow("anfuehrung-komma") << "\"BR Köln, Süd\"" << "BR Köln, Süd";
    QTest::newRow("blanks") << "   OFD Münster   " << "OFD Münster";
    QTest::newRow("leer") << "" << "";
    QTest::newRow("offenes-anfuehrung") << "\"LBV NRW" << "LBV NRW";
}

void TestFelddatei::ersteZeile()
{
    QFETCH(QString, zeile);
    QFETCH(QString, formularart);
    const auto inhalt = Felddatei::parse(zeile + QStringLiteral("\r\n1Vorname:=Anna\r\n---Ende---\r\n"));
    QCOMPARE(inhalt.formularart, formularart);
    QCOMPARE(inhalt.tabelle.Feldwert(QStringLiteral("Vorname")).value_or(QString()), QStringLiteral("Anna"));
}

void TestFelddatei::feldzeilen()
{
    const auto inhalt = Felddatei::parse(QStringLiteral("Standardantrag, 1Kommentar:=nach Komma\r\n"
                                                        "1Ort:=Köln:=Süd\r\n"
                                                        "ohne Zuweisung\r\n"
                                                        "\r\n"
                                                        "---Ende---\r\n"
                                                        "1Nachher:=gelesen\r\n"
                                                        ":=ohne Name\r\n"));
    const Feldtabelle &t = inhalt.tabelle;
    QCOMPARE(t.anzahl(), 4);
    // The rest of the first line after a comma counts as the next line.
    QCOMPARE(t.zeile(0).name, QStringLiteral(" 1Kommentar"));
    QCOMPARE(t.zeile(1).name, QStringLiteral("1Ort"));
    QCOMPARE(t.zeile(1).wert, QStringLiteral("Köln:=Süd"));
    QCOMPARE(t.zeile(1).basis, t.zeile(1).wert);
    QCOMPARE(t.zeile(2).name, QStringLiteral("1Nachher"));
    QCOMPARE(t.zeile(3).name, QString());
    QVERIFY(!t.zeile(1).geaendert());
}

void TestFelddatei::keineGrenzen()
{
    // More than 600 fields and values beyond 200 characters read back whole.
    Feldtabelle t;
    for (int i = 0; i < 1500; ++i)
        t.anhaengen(QStringLiteral("1Feld%1").arg(i), QString(250 + i % 7, QChar(u'a' + i % 26)));
    const auto inhalt = Felddatei::parse(Felddatei::serialize(QStringLiteral("Standardantrag"), t));
    QCOMPARE(inhalt.tabelle.anzahl(), 1500);
    QCOMPARE(inhalt.tabelle.zeile(1499).wert, t.zeile(1499).wert);
    QCOMPARE(inhalt.tabelle.zeile(0).wert.size(), 250);
}

void TestFelddatei::doppelteNamen()
{
    const auto inhalt = Felddatei::parse(QStringLiteral("x\r\n1Vorname:=Erst\r\n1Vorname:=Zweit\r\n"));
    const Feldtabelle &t = inhalt.tabelle;
    QCOMPARE(t.anzahl(), 2);
    QCOMPARE(t.finde(QStringLiteral("1Vorname")), 0);
    QCOMPARE(t.Feldwert(QStringLiteral("Vorname")).value(), QStringLiteral("Zweit"));
    // The same rest with the other type character is another field.
    Feldtabelle u = t;
    u.anhaengen(QStringLiteral("2Vorname"), QStringLiteral("1"));
    QCOMPARE(u.finde(QStringLiteral("2Vorname")), 2);
    QCOMPARE(u.Feldwert(QStringLiteral("Vorname")).value(), QStringLiteral("1"));
    QVERIFY(!u.Feldwert(QStringLiteral("orname")).has_value());
    QVERIFY(!u.Feldwert(QStringLiteral("1Vorname")).has_value());
}

void TestFelddatei::zeilenumbruchImWert_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("gelesen");
    QTest::newRow("crlf") << "Herr Prof. Dr.\r\nAnna Weber" << "Herr Prof. Dr. Anna Weber";
    QTest::newRow("lf-anderes-feld") << "x\n1Nachname:=X" << "x 1Nachname:=X";
    QTest::newRow("cr-option") << "y\r2AAPerson3:=Wahr" << "y 2AAPerson3:=Wahr";
    QTest::newRow("unicode") << QStringLiteral("a\u2028b\u2029c") << "a b c";
}

void TestFelddatei::zeilenumbruchImWert()
{
    // A value never spills into further lines of the field file or of a
    // side-application file.
    QFETCH(QString, wert);
    QFETCH(QString, gelesen);
    Feldtabelle t;
    t.anhaengen(QStringLiteral("1AAAnschrift"), wert);
    t.anhaengen(QStringLiteral("1Nachname"), QStringLiteral("Weber"));
    const auto inhalt = Felddatei::parse(Felddatei::serialize(QStringLiteral("x"), t));
    QCOMPARE(inhalt.tabelle.anzahl(), 2);
    QCOMPARE(inhalt.tabelle.zeile(0).wert, gelesen);
    QCOMPARE(inhalt.tabelle.zeile(1).wert, QStringLiteral("Weber"));
    using Z = Nebenantragsdatei::Zeile;
    const QList<Z> neben{{QStringLiteral("1AAAnschrift"), wert}, {QStringLiteral("2AAPerson3"), QStringLiteral("Falsch")}};
    QCOMPARE(Nebenantragsdatei::zeilen(Nebenantragsdatei::text(neben)),
             (QList<Z>{{QStringLiteral("1AAAnschrift"), gelesen}, {QStringLiteral("2AAPerson3"), QStringLiteral("Falsch")}}));
}

void TestFelddatei::schreibenUndLesen()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("felder"));
    Feldtabelle t;
    t.anhaengen(QStringLiteral(" 1Vorname "), QStringLiteral("  Anna  "));
    t.anhaengen(QStringLiteral("1Ort"), QStringLiteral("Münster (Westf.) – Süd €"));
    t.anhaengen(QStringLiteral("2Teilzeit"), QStringLiteral("1"));
    t.anhaengen(QStringLiteral("1Leer"), QString());
    QVERIFY(Felddatei::schreiben(dir + Felddatei::Dateiname, QStringLiteral("BR Düsseldorf"), t));
    QFile f(dir + Felddatei::Dateiname);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    f.close();
    QVERIFY(bytes.startsWith("BR D\xc3\xbcsseldorf\r\n1Vorname:=Anna\r\n"));
    QVERIFY(bytes.endsWith("1Leer:=\r\n---Ende---\r\n"));
    Felddatei::Inhalt inhalt;
    QVERIFY(Felddatei::lesen(dir + Felddatei::Dateiname, &inhalt));
    QCOMPARE(inhalt.formularart, QStringLiteral("BR Düsseldorf"));
    QCOMPARE(inhalt.tabelle.anzahl(), 4);
    QCOMPARE(inhalt.tabelle.zeile(0).name, QStringLiteral("1Vorname"));
    QCOMPARE(inhalt.tabelle.zeile(0).wert, QStringLiteral("Anna"));
    QCOMPARE(inhalt.tabelle.zeile(1).wert, QStringLiteral("Münster (Westf.) – Süd €"));
    // Saving twice without a change writes the same bytes.
    QVERIFY(Felddatei::schreiben(dir + QStringLiteral("zwei.txt"), inhalt.formularart, inhalt.tabelle));
    QFile g(dir + QStringLiteral("zwei.txt"));
    QVERIFY(g.open(QIODevice::ReadOnly));
    QCOMPARE(g.readAll(), bytes);
    // An empty form kind writes an empty first line.
    QVERIFY(Felddatei::schreiben(dir + QStringLiteral("leer.txt"), QString(), Feldtabelle()));
    QFile h(dir + QStringLiteral("leer.txt"));
    QVERIFY(h.open(QIODevice::ReadOnly));
    QCOMPARE(h.readAll(), QByteArray("\r\n---Ende---\r\n"));
}

void TestFelddatei::schreibenIstAtomar()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("atomar"));
    Feldtabelle t;
    t.anhaengen(QStringLiteral("1Vorname"), QStringLiteral("Anna"));
    QVERIFY(Felddatei::schreiben(dir + Felddatei::Dateiname, QStringLiteral("x"), t));
    // No temporary file is left behind.
    QCOMPARE(QDir(dir).entryList(QDir::Files), QStringList{Felddatei::Dateiname});
}

void TestFelddatei::schreibfehlerWirdGemeldet()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("fehler"));
    QString fehler;
    QVERIFY(!Felddatei::schreiben(dir + QStringLiteral("fehlt/beihilfe.txt"), QStringLiteral("x"), Feldtabelle(), &fehler));
    QVERIFY(!fehler.isEmpty());
    // The old file survives a failing write (target is a directory here).
    QDir().mkpath(dir + QStringLiteral("ordner"));
    QVERIFY(!Felddatei::schreiben(dir + QStringLiteral("ordner"), QStringLiteral("x"), Feldtabelle(), &fehler));
    QVERIFY(QFileInfo(dir + QStringLiteral("ordner")).isDir());
}

void TestFelddatei::kodierungen()
{
    Felddatei::Inhalt inhalt;
    QVERIFY(Felddatei::lesen(TestUmgebung::testdaten(QStringLiteral("fields/windows1252.txt")), &inhalt));
    QCOMPARE(inhalt.formularart, QStringLiteral("BR Köln"));
    QCOMPARE(inhalt.tabelle.Feldwert(QStringLiteral("Ort")).value(), QStringLiteral("Köln"));
    QCOMPARE(inhalt.tabelle.Feldwert(QStringLiteral("Straße")).value(), QStringLiteral("Hauptstraße 3"));
    QVERIFY(Felddatei::lesen(TestUmgebung::testdaten(QStringLiteral("fields/utf8-bom.txt")), &inhalt));
    QCOMPARE(inhalt.formularart, QStringLiteral("Standardantrag"));
    QCOMPARE(inhalt.tabelle.Feldwert(QStringLiteral("Vorname")).value(), QStringLiteral("Jörg"));
    QCOMPARE(TextFile::decodeWindows1252("\x80\x9f\xe4"), QStringLiteral("€Ÿä"));
    QCOMPARE(TextFile::encodeWindows1252(QStringLiteral("€Ÿä→")), QByteArray("\x80\x9f\xe4?"));
}

void TestFelddatei::feindlicheDateien_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("formularart");
    QTest::addColumn<int>("zeilen");
    QTest::newRow("nul") << "nul.txt" << "Standardantrag" << 2;
    QTest::newRow("nur-cr") << "nur-cr.txt" << "LBV NRW" << 2;
    QTest::newRow("leer") << "leer.txt" << "" << 0;
    QTest::newRow("utf16") << "utf16.txt" << "" << -1;
    QTest::newRow("binaer") << "binaer.txt" << "" << -1;
}

void TestFelddatei::feindlicheDateien()
{
    QFETCH(QString, datei);
    QFETCH(QString, formularart);
    QFETCH(int, zeilen);
    Felddatei::Inhalt inhalt;
    QVERIFY(Felddatei::lesen(TestUmgebung::testdaten(QStringLiteral("fields/") + datei), &inhalt));
    if (zeilen >= 0) {
        QCOMPARE(inhalt.formularart, formularart);
        QCOMPARE(inhalt.tabelle.anzahl(), zeilen);
    }
    // Whatever was read is written back and read again identically.
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("feind"));
    QVERIFY(Felddatei::schreiben(dir + Felddatei::Dateiname, inhalt.formularart, inhalt.tabelle));
    Felddatei::Inhalt wieder;
    QVERIFY(Felddatei::lesen(dir + Felddatei::Dateiname, &wieder));
    QCOMPARE(wieder.tabelle.anzahl() >= 0, true);
    for (int i = 0; i < qMin(wieder.tabelle.anzahl(), inhalt.tabelle.anzahl()); ++i)
        QCOMPARE(wieder.tabelle.zeile(i).wert, inhalt.tabelle.zeile(i).wert.trimmed());
    // A missing file is no error for the reader's caller beyond "false".
    QVERIFY(!Felddatei::lesen(dir + QStringLiteral("fehlt.txt"), &inhalt));
    QCOMPARE(inhalt.tabelle.anzahl(), 0);
}

void TestFelddatei::markieren()
{
    Feldtabelle t;
    t.anhaengen(QStringLiteral("1Vorname"), QStringLiteral("Anna"), QStringLiteral("Anna"));
    QVERIFY(!t.istGeaendert(QStringLiteral("Vorname")));
    QVERIFY(t.markieren(QStringLiteral("1Vorname"), true));
    QCOMPARE(t.zeile(0).basis, Feldtabelle::ErzwungenGeaendert);
    QVERIFY(t.istGeaendert(QStringLiteral("Vorname")));
    t.zeile(0).wert = QStringLiteral("Berta");
    QVERIFY(t.markieren(QStringLiteral("1Vorname"), false));
    QCOMPARE(t.zeile(0).basis, QStringLiteral("Berta"));
    QVERIFY(!t.istGeaendert(QStringLiteral("Vorname")));
    QVERIFY(!t.markieren(QStringLiteral("1Fehlt"), true));
}

void TestFelddatei::zusatztabelle()
{
    Zusatzfeldtabelle z;
    z.setzen(QStringLiteral("2AAPerson2"), QStringLiteral("Wahr"));
    z.setzen(QStringLiteral("1Vorname"), QStringLiteral("Anna"));
    z.setzen(QStringLiteral("2AAPerson2"), QStringLiteral("Falsch"));
    QCOMPARE(z.anzahl(), 2);
    QCOMPARE(z.Feldwert(QStringLiteral("AAPerson2")).value(), QStringLiteral("Falsch"));
    QVERIFY(!z.Feldwert(QStringLiteral("Nachname")).has_value());
}

void TestFelddatei::nebenantragsdatei_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("wert");
    QTest::newRow("text") << "1UBPerson:=Anna Weber" << "1UBPerson" << "Anna Weber";
    QTest::newRow("komma-blanks") << "1AAAnschrift:=  Hauptstr. 1, 44791 Bochum " << "1AAAnschrift"
                                  << "  Hauptstr. 1, 44791 Bochum ";
    QTest::newRow("trenner-im-wert") << "1GVVorschusswegen:=a:=b" << "1GVVorschusswegen" << "a:=b";
    QTest::newRow("leer") << "1GVHöhe:=" << "1GVHöhe" << "";
    QTest::newRow("option") << "2AAPerson2:=Wahr" << "2AAPerson2" << "Wahr";
}

void TestFelddatei::nebenantragsdatei()
{
    QFETCH(QString, zeile);
    QFETCH(QString, tag);
    QFETCH(QString, wert);
    const QList<Nebenantragsdatei::Zeile> gelesen =
        Nebenantragsdatei::zeilen(QStringLiteral("ohne Trenner\r\n") + zeile + QStringLiteral("\r\n"));
    QCOMPARE(gelesen.size(), 1);
    QCOMPARE(gelesen.first().tag, tag);
    QCOMPARE(gelesen.first().wert, wert);
    QCOMPARE(Nebenantragsdatei::text(gelesen), zeile + QStringLiteral("\r\n"));
}

void TestFelddatei::nebenantragsdateiKodierung()
{
    // The predecessor wrote Windows-1252; files are written as UTF-8.
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("neben")) + QStringLiteral("u.txt");
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("1UBT\xe4tigkeit:=Dienstfahrt nach K\xf6ln\r\n2UBVja:=1\r\n");
    f.close();
    QList<Nebenantragsdatei::Zeile> z;
    QVERIFY(Nebenantragsdatei::lesen(pfad, &z));
    QCOMPARE(z.first(), (Nebenantragsdatei::Zeile{QStringLiteral("1UBTätigkeit"), QStringLiteral("Dienstfahrt nach Köln")}));
    QVERIFY(Nebenantragsdatei::schreiben(pfad, z));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("1UBT\xc3\xa4tigkeit:=Dienstfahrt nach K\xc3\xb6ln\r\n2UBVja:=1\r\n"));
    f.close();
    QString fehler;
    QVERIFY(!Nebenantragsdatei::lesen(pfad + QStringLiteral(".fehlt"), &z, &fehler));
    QVERIFY(fehler.contains(QStringLiteral("u.txt.fehlt")));
    for (const auto &[wert, an] : {std::pair{"Wahr", true}, {"Falsch", false}, {"1", true}, {"0", false}, {"", false}})
        QCOMPARE(Nebenantragsdatei::angekreuzt(QString::fromUtf8(wert)), an);
}

VELMORA_TEST_MAIN_CORE(TestFelddatei)
#include "TestFelddatei.moc"
