#include "TestUmgebung.h"

#include "shell/Registry.h"
#include "shell/RegistryFile.h"
#include "base/TextFile.h"

#include <QFile>
#include <QGuiApplication>

namespace {
const QString kKey = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
constexpr int HKLM = Registry::HKEY_LOCAL_MACHINE;
}

class TestEinstellungen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void ohneDateiIstAllesLeer();
    void zahlenUndNegativeWerte();
    void textStattZahl();
    void textBisZumNul();
    void rohbytes();
    void wertSetzenOhneSchluessel();
    void schluesselAnlegenStufenweise();
    void teilAbtrennen();
    void dateiIstLesbarUndBearbeitbar();
    void handgeschriebenesBleibt();
    void kaputteDateiGibtVorgaben();
    void hostileDateien_data();
    void hostileDateien();

private:
    QString m_datei;
};

void TestEinstellungen::init()
{
    m_datei = TestUmgebung::neuesVerzeichnis(QStringLiteral("reg")) + QStringLiteral("velmora.reg");
    Registry::setDatei(m_datei);
}

void TestEinstellungen::ohneDateiIstAllesLeer()
{
    for (const char *n : {"Stil", "XPos", "YPos", "Breite", "Hoehe", "Pfad"})
        QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QString::fromLatin1(n)), QString());
    QVERIFY(!QFile::exists(m_datei));
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 2);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("2"));
}

void TestEinstellungen::zahlenUndNegativeWerte()
{
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("XPos"), -60);
    const auto roh = Registry::rohwert(HKLM, kKey, QStringLiteral("XPos"));
    QVERIFY(roh.has_value());
    QCOMPARE(roh->first, 4);
    QCOMPARE(roh->second, QByteArray("\xC4\xFF\xFF\xFF", 4));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("XPos")), QStringLiteral("-60"));
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Breite"), 2147483647);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Hoehe"), -2147483647 - 1);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Breite")), QStringLiteral("2147483647"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Hoehe")), QStringLiteral("-2147483648"));
    // Overwriting keeps a single value.
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("XPos"), 15);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("xpos")), QStringLiteral("15"));
}

void TestEinstellungen::textStattZahl()
{
    Registry::Schluessel_anlegen(HKLM, kKey);
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Stil"), Registry::Text, "3", 1);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("3"));
}

void TestEinstellungen::textBisZumNul()
{
    Registry::Schluessel_anlegen(HKLM, kKey);
    const QByteArray bytes("C:\\Prog\0Rest", 12);
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Pfad"), Registry::Text, bytes, bytes.size());
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Pfad")), QStringLiteral("C:\\Prog"));
    // The bytes after the NUL survive a rewrite of the file.
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 1);
    QCOMPARE(Registry::rohwert(HKLM, kKey, QStringLiteral("Pfad"))->second, bytes);
    // Umlauts in text values.
    const QByteArray pfad = QStringLiteral("/home/jörg/Beihilfe").toUtf8();
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Pfad"), Registry::Text, pfad, pfad.size());
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Pfad")), QStringLiteral("/home/jörg/Beihilfe"));
}

void TestEinstellungen::rohbytes()
{
    Registry::Schluessel_anlegen(HKLM, kKey);
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Roh"), Registry::Bytes, QByteArray("AB\x01\xFF", 4), 4);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Roh")),
             QString(QChar(u'A')) + QChar(u'B') + QChar(1) + QChar(0xFF));
    // A value of another type (here 7) reads as empty text.
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Multi"), 7, "x", 1);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Multi")), QString());
    // The length cuts the bytes.
    Registry::Wert_setzen(HKLM, kKey, QStringLiteral("Kurz"), Registry::Text, "abcdef", 3);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Kurz")), QStringLiteral("abc"));
}

void TestEinstellungen::wertSetzenOhneSchluessel()
{
    Registry::Wert_setzen(HKLM, QStringLiteral("SOFTWARE\\Fehlt"), QStringLiteral("X"), Registry::Text, "1", 1);
    QCOMPARE(Registry::Wert_lesen(HKLM, QStringLiteral("SOFTWARE\\Fehlt"), QStringLiteral("X")), QString());
    // An unknown hive does nothing.
    Registry::Zahl_schreiben(42, kKey, QStringLiteral("Stil"), 1);
    QCOMPARE(Registry::Wert_lesen(42, kKey, QStringLiteral("Stil")), QString());
}

void TestEinstellungen::schluesselAnlegenStufenweise()
{
    Registry::Schluessel_anlegen(HKLM, kKey);
    RegistryFile f;
    QVERIFY(f.load(m_datei));
    QVERIFY(f.schluessel(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE")));
    QVERIFY(f.schluessel(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora")));
    QVERIFY(f.schluessel(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein")));
    QCOMPARE(f.schluesselListe.size(), 3);
    Registry::Schluessel_anlegen(HKLM, kKey);
    QVERIFY(f.load(m_datei));
    QCOMPARE(f.schluesselListe.size(), 3);
}

void TestEinstellungen::teilAbtrennen()
{
    QString t = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
    QCOMPARE(Registry::Teil_abtrennen(t, QStringLiteral("\\")), QStringLiteral("SOFTWARE"));
    QCOMPARE(t, QStringLiteral("Velmora\\Allgemein"));
    QCOMPARE(Registry::Teil_abtrennen(t, QStringLiteral("\\")), QStringLiteral("Velmora"));
    QCOMPARE(Registry::Teil_abtrennen(t, QStringLiteral("\\")), QStringLiteral("Allgemein"));
    QCOMPARE(t, QString());
    QString leer;
    QCOMPARE(Registry::Teil_abtrennen(leer, QStringLiteral("\\")), QString());
}

void TestEinstellungen::dateiIstLesbarUndBearbeitbar()
{
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("XPos"), -60);
    QString text;
    QVERIFY(TextFile::read(m_datei, &text));
    QVERIFY(text.contains(QStringLiteral("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]")));
    QVERIFY(text.contains(QStringLiteral("\"XPos\"=dword:ffffffc4")));
    // A person edits the file by hand.
    text.replace(QStringLiteral("dword:ffffffc4"), QStringLiteral("dword:00000064"));
    text += QStringLiteral("\"Pfad\"=\"/opt/velmora\"\n");
    QVERIFY(TextFile::write(m_datei, text, TextFile::Encoding::Utf8));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("XPos")), QStringLiteral("100"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Pfad")), QStringLiteral("/opt/velmora"));
}

void TestEinstellungen::handgeschriebenesBleibt()
{
    // Comments and lines the program cannot read survive its writes, in place.
    QFile f(m_datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("; meine Notiz oben\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n"
            "; Pfad zum Archiv, bitte nicht ändern\n"
            "Pfad=/home/anna/Beihilfe\n"
            "\"Stil\"=dword:00000001\n");
    f.close();
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 3);
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("XPos"), 10);
    QString erster;
    QVERIFY(TextFile::read(m_datei, &erster));
    for (const char *z : {"; meine Notiz oben\n", "; Pfad zum Archiv, bitte nicht ändern\nPfad=/home/anna/Beihilfe\n"
                                                   "\"Stil\"=dword:00000003\n\"XPos\"=dword:0000000a\n"})
        QVERIFY2(erster.contains(QString::fromUtf8(z)), qPrintable(erster));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("3"));
    // Writing again changes nothing more: no line is doubled or lost.
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 3);
    QString zweiter;
    QVERIFY(TextFile::read(m_datei, &zweiter));
    QCOMPARE(zweiter, erster);
}

void TestEinstellungen::kaputteDateiGibtVorgaben()
{
    QFile f(m_datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n\"Stil\"=dword:zz\n\"XPos\"=dword:0000000a\n"
            "garbage line\n\"Pfad\"=\"unterminated\n");
    f.close();
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QString());
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("XPos")), QStringLiteral("10"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Pfad")), QString());
    // Writing into a damaged file keeps what could be read.
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 3);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("3"));
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("XPos")), QStringLiteral("10"));
}


void TestEinstellungen::hostileDateien_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QTest::newRow("binaer") << QByteArray("\x00\x01\x02\xff\xfe[\x00]\"\"=", 12);
    QTest::newRow("nur-klammer") << QByteArray("[");
    QTest::newRow("wert-ohne-schluessel") << QByteArray("\"Stil\"=dword:00000001\n");
    QTest::newRow("hex-kaputt") << QByteArray("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n\"Stil\"=hex:1,zz,300\n");
    QTest::newRow("riesig") << QByteArray(1 << 20, 'A');
    QTest::newRow("windows-1252") << QByteArray("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Velmora\\Allgemein]\n\"Pfad\"=\"C:\\\\J\xf6rg\"\n");
}

void TestEinstellungen::hostileDateien()
{
    QFETCH(QByteArray, inhalt);
    QFile f(m_datei);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    const QString stil = Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil"));
    QVERIFY(stil.isEmpty());
    Registry::Zahl_schreiben(HKLM, kKey, QStringLiteral("Stil"), 1);
    QCOMPARE(Registry::Wert_lesen(HKLM, kKey, QStringLiteral("Stil")), QStringLiteral("1"));
}

VELMORA_TEST_MAIN_CORE(TestEinstellungen)
#include "TestEinstellungen.moc"
