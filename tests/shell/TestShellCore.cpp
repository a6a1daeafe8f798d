#include "TestUmgebung.h"

#include "base/GermanDate.h"
#include "base/Iban.h"
#include "base/GermanMoney.h"
#include "shell/Fensterplatz.h"

#include <QGuiApplication>

class TestShellCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void datum_data();
    void datum();
    void geldFormat_data();
    void geldFormat();
    void iban_data();
    void iban();
    void geldLesen_data();
    void geldLesen();
    void fensterEinpassen_data();
    void fensterEinpassen();
    void zuletzt_data();
    void zuletzt();
};

void TestShellCore::datum_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("ergebnis"); // empty: no date
    QTest::newRow("normal") << "15.03.2001" << "15.03.2001";
    QTest::newRow("kurz") << "1.2.2001" << "01.02.2001";
    QTest::newRow("zweistellig-19") << "1.2.60" << "01.02.1960";
    QTest::newRow("zweistellig-30") << "05.06.30" << "05.06.1930";
    QTest::newRow("zweistellig-29") << "05.06.29" << "05.06.2029";
    QTest::newRow("zweistellig-00") << "1.1.00" << "01.01.2000";
    QTest::newRow("bindestrich") << "3-4-2001" << "03.04.2001";
    QTest::newRow("schraeg") << "3/4/2001" << "03.04.2001";
    QTest::newRow("leerzeichen") << " 3.4.2001 " << "03.04.2001";
    QTest::newRow("31-februar") << "31.02.1960" << "";
    QTest::newRow("monat-13") << "32.13.2001" << "";
    QTest::newRow("schaltjahr") << "29.02.2000" << "29.02.2000";
    QTest::newRow("kein-schaltjahr") << "29.02.1900" << "";
    QTest::newRow("dreistelliges-jahr") << "1.1.200" << "";
    QTest::newRow("leer") << "" << "";
    QTest::newRow("text") << "heute" << "";
    QTest::newRow("ohne-jahr") << "1.2." << "";
    QTest::newRow("tag-null") << "0.1.2001" << "";
    QTest::newRow("ziffern-8") << "05031952" << "05.03.1952";
    QTest::newRow("ziffern-6") << "050352" << "05.03.1952";
    QTest::newRow("ziffern-unmoeglich") << "31021952" << "";
    QTest::newRow("ziffern-7") << "5031952" << "";
}

void TestShellCore::datum()
{
    QFETCH(QString, eingabe);
    QFETCH(QString, ergebnis);
    QCOMPARE(GermanDate::isDate(eingabe), !ergebnis.isEmpty());
    QCOMPARE(GermanDate::normalized(eingabe), ergebnis.isEmpty() ? eingabe : ergebnis);
    if (!ergebnis.isEmpty())
        QCOMPARE(GermanDate::fromIso(GermanDate::toIso(eingabe)), ergebnis);
}

void TestShellCore::iban_data()
{
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<bool>("gueltig");
    QTest::addColumn<QString>("gezeigt");
    QTest::newRow("de") << "DE89370400440532013000" << true << "DE89 3704 0044 0532 0130 00";
    QTest::newRow("klein-mit-blanks") << " de89 3704 0044 0532 0130 00" << true << "DE89 3704 0044 0532 0130 00";
    QTest::newRow("gb-buchstaben") << "GB82WEST12345698765432" << true << "GB82 WEST 1234 5698 7654 32";
    QTest::newRow("pruefziffer") << "DE88370400440532013000" << false << "DE88 3704 0044 0532 0130 00";
    QTest::newRow("zahlendreher") << "DE89370400440532031000" << false << "DE89 3704 0044 0532 0310 00";
    QTest::newRow("de-zu-kurz") << "DE8937040044053201300" << false << "DE89 3704 0044 0532 0130 0";
    QTest::newRow("alte-kontonummer") << "1234567890" << false << "1234567890";
}

void TestShellCore::iban()
{
    QFETCH(QString, eingabe);
    QFETCH(bool, gueltig);
    QFETCH(QString, gezeigt);
    QCOMPARE(ibanGueltig(eingabe), gueltig);
    QCOMPARE(ibanFormatiert(eingabe), gezeigt);
    QCOMPARE(ibanGueltig(gezeigt), gueltig);
}

void TestShellCore::geldFormat_data()
{
    QTest::addColumn<double>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("null") << 0.0 << "0,00";
    QTest::newRow("tausend") << 1234.56 << "1.234,56";
    QTest::newRow("million") << 1234567.891 << "1.234.567,89";
    QTest::newRow("halb-auf") << 0.125 << "0,13";
    QTest::newRow("halb-1005") << 1.005 << "1,01";
    QTest::newRow("halb-negativ") << -2.345 << "-2,35";
    QTest::newRow("dm-euro") << 195.58 / 1.95583 << "100,00";
    QTest::newRow("aw") << 19.56 / 1.95583 << "10,00";
    QTest::newRow("klein-negativ") << -0.004 << "0,00";
    QTest::newRow("euro-dm") << 10.0 * 1.95583 << "19,56";
    QTest::newRow("153,39") << 300.0 / 1.95583 << "153,39";
}

void TestShellCore::geldFormat()
{
    QFETCH(double, wert);
    QFETCH(QString, text);
    QCOMPARE(GermanMoney::format(wert), text);
}

void TestShellCore::geldLesen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("zahl");
    QTest::addColumn<double>("wert");
    QTest::newRow("tausender") << "1.234,56" << true << 1234.56;
    QTest::newRow("ohne-punkt") << "1234,56" << true << 1234.56;
    QTest::newRow("ganz") << "12" << true << 12.0;
    QTest::newRow("negativ") << "-3,5" << true << -3.5;
    QTest::newRow("nur-komma") << ",5" << true << 0.5;
    QTest::newRow("komma-ende") << "12," << true << 12.0;
    QTest::newRow("millionen") << "1.234.567,00" << true << 1234567.0;
    QTest::newRow("blanks") << "  7,10 " << true << 7.1;
    QTest::newRow("leer") << "" << false << 0.0;
    QTest::newRow("punkt-dezimal") << "12.50" << false << 0.0;
    QTest::newRow("falsche-gruppe") << "1.23,4" << false << 0.0;
    QTest::newRow("text") << "abc" << false << 0.0;
    QTest::newRow("zwei-kommas") << "1,2,3" << false << 0.0;
}

void TestShellCore::geldLesen()
{
    QFETCH(QString, text);
    QFETCH(bool, zahl);
    QFETCH(double, wert);
    QCOMPARE(GermanMoney::isNumber(text), zahl);
    QCOMPARE(GermanMoney::value(text), wert);
}

void TestShellCore::fensterEinpassen_data()
{
    // A 1366x768 screen at 125 % with a task bar: 1092x590 logical pixels.
    QTest::addColumn<QRect>("fenster");
    QTest::addColumn<QRect>("erwartet");
    QTest::newRow("passt") << QRect(100, 80, 800, 500) << QRect(100, 80, 800, 500);
    QTest::newRow("links und oben hinaus") << QRect(-4, -10, 800, 500) << QRect(4, 30, 800, 500);
    QTest::newRow("rechts und unten hinaus") << QRect(600, 300, 800, 500) << QRect(288, 86, 800, 500);
    QTest::newRow("zu gross") << QRect(20, 20, 1100, 760) << QRect(4, 30, 1084, 556);
}

void TestShellCore::fensterEinpassen()
{
    QFETCH(QRect, fenster);
    QFETCH(QRect, erwartet);
    QCOMPARE(Fensterplatz::einpassen(fenster, QMargins(4, 30, 4, 4), QRect(0, 0, 1092, 590)), erwartet);
}

void TestShellCore::zuletzt_data()
{
    QTest::addColumn<QStringList>("bisher");
    QTest::addColumn<QString>("neu");
    QTest::addColumn<QStringList>("erwartet");
    QTest::newRow("leer") << QStringList{} << QStringLiteral("a") << QStringList{QStringLiteral("a")};
    QTest::newRow("nach vorn, einmal") << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}
                                       << QStringLiteral("b")
                                       << QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c")};
    QTest::newRow("höchstens fünf") << QStringList{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                                    QStringLiteral("4"), QStringLiteral("5")}
                                     << QStringLiteral("6")
                                     << QStringList{QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("2"),
                                                    QStringLiteral("3"), QStringLiteral("4")};
}

void TestShellCore::zuletzt()
{
    QFETCH(QStringList, bisher);
    QFETCH(QString, neu);
    QFETCH(QStringList, erwartet);
    QCOMPARE(Fensterplatz::zuletzt(bisher, neu, 5), erwartet);
}

VELMORA_TEST_MAIN_CORE(TestShellCore)
#include "TestShellCore.moc"
