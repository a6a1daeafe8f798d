#include "TestUmgebung.h"

#include "receipts/Gebuehrenpruefung.h"

#include <QGuiApplication>

using receipts::Gebuehrenordnung;

class TestGebuehrenpruefung : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pruefen_data()
    {
        QTest::addColumn<int>("go");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<double>("anzahl");
        QTest::addColumn<double>("faktor"); // 0: none printed
        QTest::addColumn<double>("betrag");
        QTest::addColumn<QString>("begruendung");
        QTest::addColumn<double>("gesamt"); // 0: no amount payable read
        QTest::addColumn<QString>("art");   // empty: no finding
        QTest::addColumn<int>("position");
        QTest::addColumn<double>("anerkannt"); // -1: none
        QTest::addColumn<QString>("fundstelle");
        const int A = int(Gebuehrenordnung::GOAe), Z = int(Gebuehrenordnung::GOZ), Y = int(Gebuehrenordnung::GebueH);
        const QString g = QStringLiteral("Begründung");
        // GOÄ 1: 80 points; GOÄ 3: 150; 3511 (laboratory): 50; K 1 (simple rate): 120; GOZ 0010: 100.
        QTest::newRow("2,3 ohne Begründung") << A << "1" << 1.0 << 2.3 << 10.72 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("2,31 ohne Begründung") << A << "1" << 1.0 << 2.31 << 10.77 << "" << 0.0 << "begruendung-fehlt" << 1 << 10.72 << "§ 12 Abs. 3 GOÄ";
        QTest::newRow("2,31 mit Begründung") << A << "1" << 1.0 << 2.31 << 10.77 << g << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("3,5 mit Begründung") << A << "1" << 1.0 << 3.5 << 16.32 << g << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("3,51 vor allem anderen") << A << "1" << 1.0 << 3.51 << 99.0 << "" << 0.0 << "hoechstsatz" << 1 << 16.32 << "§ 5 Abs. 1";
        QTest::newRow("Labor 1,15") << A << "3511" << 1.0 << 1.15 << 3.35 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("Labor 1,16") << A << "3511" << 1.0 << 1.16 << 3.38 << "" << 0.0 << "begruendung-fehlt" << 1 << 3.35 << "";
        QTest::newRow("Labor 1,3") << A << "3511" << 1.0 << 1.3 << 3.79 << g << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("Labor 1,31") << A << "3511" << 1.0 << 1.31 << 3.82 << g << 0.0 << "hoechstsatz" << 1 << 3.79 << "§ 5 Abs. 4 GOÄ";
        QTest::newRow("Laborschreibweise") << A << "3562.h1" << 1.0 << 1.15 << 2.68 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("nur einfach 1,0") << A << "k 1" << 1.0 << 1.0 << 6.99 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("nur einfach 2,3") << A << "K1" << 1.0 << 2.3 << 16.09 << g << 0.0 << "hoechstsatz" << 1 << 6.99 << "einfachen Gebührensatz";
        QTest::newRow("1 ct ab") << A << "3" << 1.0 << 2.3 << 20.10 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("2 ct zu viel") << A << "3" << 2.0 << 2.3 << 40.24 << "" << 0.0 << "betrag-falsch" << 1 << 40.22 << "§ 5 Abs. 1 GOÄ";
        QTest::newRow("2 ct zu wenig") << A << "3" << 1.0 << 2.3 << 20.09 << "" << 0.0 << "betrag-falsch" << 1 << -1.0 << "";
        QTest::newRow("GOZ kurz, 2,5") << Z << "10" << 1.0 << 2.5 << 14.06 << "" << 0.0 << "begruendung-fehlt" << 1 << 12.94 << "§ 10 Abs. 3 GOZ";
        QTest::newRow("Heilpraktiker am Höchstbetrag") << Y << "1" << 1.0 << 0.0 << 12.50 << "" << 0.0 << "" << 0 << -1.0 << "";
        QTest::newRow("Heilpraktiker darüber") << Y << "1" << 2.0 << 0.0 << 30.00 << "" << 0.0 << "hoechstbetrag" << 1 << 25.00 << "BBhV";
        QTest::newRow("unbekannte Nummer") << A << "9999" << 1.0 << 2.3 << 1.0 << "" << 0.0 << "unbekannte-nummer" << 1 << -1.0 << "GOÄ";
        QTest::newRow("Summe stimmt mit Minderung") << A << "1" << 1.0 << 2.3 << 10.72 << "" << 9.11 << "" << 0 << -1.0 << "";
        QTest::newRow("Summe falsch") << A << "1" << 1.0 << 2.3 << 10.72 << "" << 9.13 << "summe-falsch" << 0 << -1.0 << "";
    }
    void pruefen()
    {
        static receipts::Gebuehrenpruefung pruefung;
        static const bool geladen = pruefung.laden(TestUmgebung::mitgeliefert() + QStringLiteral("tarvik.mdb"), nullptr);
        QVERIFY(geladen);
        QFETCH(int, go);
        QFETCH(double, faktor);
        QFETCH(double, gesamt);
        receipts::Rechnungszeile z;
        z.ordnung = Gebuehrenordnung(go);
        QFETCH(QString, nummer);
        z.nummer = nummer;
        QFETCH(double, anzahl);
        z.anzahl = anzahl;
        if (faktor > 0)
            z.faktor = faktor;
        QFETCH(double, betrag);
        z.betrag = betrag;
        QFETCH(QString, begruendung);
        z.begruendung = begruendung;
        receipts::Beleg beleg;
        beleg.positionen = {z};
        if (gesamt > 0) {
            beleg.betrag = gesamt;
            beleg.minderung = 1.61; // 15 % of 10,72 (§ 6a GOÄ)
        }
        const QList<receipts::Befund> befunde = pruefung.pruefen(beleg);
        QFETCH(QString, art);
        QCOMPARE(befunde.size(), art.isEmpty() ? 0 : 1);
        if (art.isEmpty())
            return;
        const receipts::Befund &b = befunde.first();
        QCOMPARE(receipts::befundCode(b.art), art);
        QTEST(b.position, "position");
        QFETCH(double, anerkannt);
        QCOMPARE(b.anerkannt.value_or(-1.0), anerkannt);
        QFETCH(QString, fundstelle);
        QVERIFY2(b.text.contains(fundstelle) && b.text.endsWith(u'.'), qPrintable(b.text));
    }
};

VELMORA_TEST_MAIN_CORE(TestGebuehrenpruefung)
#include "TestGebuehrenpruefung.moc"
