// Receipt values, blocks, ranges and per-person sums of the expense pages,
// and their list rows drawn over the recording surface.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "ledger/Rechnungspositionen.h"
#include "ledger/Summen.h"
#include "print/Aufwendungsbelege.h"
#include "print/Aufwendungsseiten.h"
#include "print/Aufzeichnungsflaeche.h"
#include "print/Katalogeintrag.h"
#include "print/Layoutinterpreter.h"
#include "base/GermanMoney.h"

#include <QGuiApplication>

using namespace druckhilfen;

Q_DECLARE_METATYPE(Rechnungsposition)

namespace {
Rechnungsposition beleg(int nr, const QString &datum, const QString &person, const QString &art, double rechnung,
                        double versicherung, bool euro = true, const QString &nummer = {}, const QString &arzt = {})
{
    Rechnungsposition r;
    r.Beleg = qint16(nr);
    r.Datum = datum;
    r.Empfaenger = person;
    r.Art = art;
    r.Rechnung = rechnung;
    r.Versicherung = versicherung;
    r.euro = euro;
    r.Rechnungsnummer = nummer;
    r.Arzt = arzt;
    return r;
}

Rechnungspositionen viele(int n)
{
    Rechnungspositionen t;
    for (int i = 1; i <= n; ++i)
        t.hinzufuegen(beleg(i, QStringLiteral("01.03.2004"), QStringLiteral("A"), QStringLiteral("Arzt"), i, 0));
    return t;
}

QStringList texte(const Aufzeichnungsflaeche &f)
{
    QStringList t;
    for (const auto &x : f.texte())
        t << x.text;
    return t;
}
} // namespace

class TestDruckAufwendungen : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aufwendungswert_data()
    {
        QTest::addColumn<Rechnungsposition>("r");
        QTest::addColumn<bool>("antragEuro");
        QTest::addColumn<QString>("pKVP");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("wert");

        const auto dm = beleg(7, QStringLiteral("15.03.2001"), QStringLiteral("K2"), QStringLiteral("Zahn"), 19.56, 0,
                              false, QStringLiteral("R-1"), QStringLiteral("Dr. Zahn"));
        const auto eu = beleg(8, QStringLiteral("02.11.2003"), QStringLiteral("E"), QStringLiteral("Arzt"), 1234.5, 100,
                              true);
        const auto pausch = beleg(9, QStringLiteral("01.07.2003"), QStringLiteral("A"), QStringLiteral("Pflege"), 300,
                                  205, true, QStringLiteral(" Pauschale "), QStringLiteral("  Stufe 2 "));
        QTest::newRow("Belegnummer") << dm << true << "" << "Belegnummer" << "7";
        QTest::newRow("Datum wie gespeichert") << dm << true << "" << "Datum" << "15.03.2001";
        QTest::newRow("Empfänger zwei Zeichen") << eu << true << "" << "Empfänger" << "E ";
        QTest::newRow("Art sechs Zeichen") << eu << true << "" << "Art" << "Arzt  ";
        QTest::newRow("Rechnungsbetrag") << eu << true << "" << "Rechnungsbetrag" << "1.234,50";
        QTest::newRow("Versicherung 0 leer") << dm << true << "" << "Versicherungsbetrag" << "";
        QTest::newRow("Versicherung") << eu << true << "" << "Versicherungsbetrag" << "100,00";
        QTest::newRow("RechnungDM eines DM-Belegs") << dm << true << "" << "RechnungsbetragDM" << "19,56";
        QTest::newRow("RechnungDM eines Euro-Belegs") << eu << true << "" << "RechnungsbetragDM" << "";
        QTest::newRow("RechnungEuro eines DM-Belegs") << dm << true << "" << "RechnungsbetragEuro" << "";
        QTest::newRow("VersicherungEuro") << eu << false << "" << "VersicherungsbetragEuro" << "100,00";
        QTest::newRow("VersicherungDM 0") << dm << false << "" << "VersicherungsbetragDM" << "";
        QTest::newRow("Währung DM") << dm << true << "" << "Währung" << "DM";
        QTest::newRow("Währung Euro") << eu << true << "" << "Währung" << "Euro";
        QTest::newRow("AW DM in Euro-Antrag") << dm << true << "" << "RechnungsbetragAW" << "10,00";
        QTest::newRow("AW DM in DM-Antrag") << dm << false << "" << "RechnungsbetragAW" << "19,56";
        QTest::newRow("AW Euro in DM-Antrag")
            << beleg(1, "", "A", "Arzt", 10, 0, true) << false << "" << "RechnungsbetragAW" << "19,56";
        QTest::newRow("VersicherungAW Euro in DM-Antrag") << eu << false << "" << "VersicherungsbetragAW" << "195,58";
        QTest::newRow("VersicherungAW 0 leer") << dm << true << "" << "VersicherungsbetragAW" << "";
        QTest::newRow("unbekannter Name") << dm << true << "" << "Unsinn" << "~";
        QTest::newRow("Groß/klein zählt") << dm << true << "" << "datum" << "~";
        QTest::newRow("privateKV eigene Person") << dm << true << "K2" << "privateKVRechnungsbetrag" << "19,56";
        QTest::newRow("privateKV andere Person") << dm << true << "K1" << "privateKVRechnungsbetrag" << "~";
        QTest::newRow("privateKV ohne Person") << dm << true << "" << "privateKVDatum" << "~";
        QTest::newRow("privateKVWährung") << dm << true << "K2" << "privateKVWährung" << "DM";
        QTest::newRow("privateKVEmpfänger") << eu << true << "E" << "privateKVEmpfänger" << "E ";
        QTest::newRow("PflegeMonat pauschal") << pausch << true << "" << "PflegeMonat" << "7";
        QTest::newRow("PflegeMonat einzeln") << eu << true << "" << "PflegeMonat" << "~";
        QTest::newRow("PflegeDatum pauschal") << pausch << true << "" << "PflegeDatum" << "~";
        QTest::newRow("PflegeDatum einzeln") << eu << true << "" << "PflegeDatum" << "02.11.2003";
        QTest::newRow("PflegeStufe getrimmt") << pausch << true << "" << "PflegeStufe" << "Stufe 2";
        QTest::newRow("Pflegepauschale Versicherung")
            << pausch << true << "" << "PflegepauschaleVersicherungsbetrag" << "205,00";
        QTest::newRow("PflegeVersicherung 0 nicht leer")
            << dm << true << "" << "PflegeVersicherungsbetrag" << "0,00";
        QTest::newRow("Kode A S Datum") << pausch << true << "" << "ASDatum" << "01.07.2003";
        QTest::newRow("Kode A P nicht für Pauschale") << pausch << true << "" << "APDatum" << "~";
        QTest::newRow("Kode K Z Rechnung") << dm << true << "" << "KZRechnung" << "19,56";
        QTest::newRow("Kode K Z Erstattung 0") << dm << true << "" << "KZErstattung" << "";
        QTest::newRow("Kode falsche Person") << dm << true << "" << "EZRechnung" << "~";
        QTest::newRow("Kode Nummer") << dm << true << "" << "KZNummer" << "K2";
        QTest::newRow("Kode Monat") << eu << true << "" << "EAMonat" << "11";
        QTest::newRow("Kode Stufe") << pausch << true << "" << "ASStufe" << "Stufe 2";
        QTest::newRow("Kode unbekannter Rest") << dm << true << "" << "KZBetrag" << "~";
    }
    void aufwendungswert()
    {
        QFETCH(Rechnungsposition, r);
        QFETCH(bool, antragEuro);
        QFETCH(QString, pKVP);
        QFETCH(QString, name);
        QFETCH(QString, wert);
        QCOMPARE(Aufwendungsbelege::wert(name, r, antragEuro, pKVP), wert);
    }

    void belegnummerAusserhalbDerTabelle()
    {
        const Rechnungspositionen t = viele(3);
        Aufwendungsbelege b(t, true);
        QCOMPARE(b.Aufwendungswert(QStringLiteral("Belegnummer"), 3), QStringLiteral("3"));
        QCOMPARE(b.Aufwendungswert(QStringLiteral("Belegnummer"), 0), QStringLiteral("~"));
        QCOMPARE(b.Aufwendungswert(QStringLiteral("Belegnummer"), 4), QStringLiteral("~"));
    }

    void bloeckeUndBereiche()
    {
        Katalogeintrag k;
        QCOMPARE(Aufwendungsseiten::proSeite(k), 23);
        k.AufwendungenAnzahl = 10;
        QCOMPARE(Aufwendungsseiten::proSeite(k), 10);

        QCOMPARE(Aufwendungsseiten::bloecke(40, 23),
                 QStringList({"Aufwendungen 1. bis 23. Beleg", "Aufwendungen 24. bis 40. Beleg"}));
        QCOMPARE(Aufwendungsseiten::bloecke(23, 23), QStringList({"Aufwendungen 1. bis 23. Beleg"}));
        QCOMPARE(Aufwendungsseiten::bloecke(24, 23).size(), 2);
        QCOMPARE(Aufwendungsseiten::bloecke(1, 23), QStringList({"Aufwendungen 1. bis 1. Beleg"}));
        QVERIFY(Aufwendungsseiten::bloecke(0, 23).isEmpty());

        using B = Aufwendungsseiten::Bereich;
        const QString f = QStringLiteral("Testformular");
        const QString auf = QStringLiteral("AUF");
        QCOMPARE(Aufwendungsseiten::bereich(0, 40, 23, f, auf), (B{1, 23}));
        QCOMPARE(Aufwendungsseiten::bereich(1, 40, 23, f, auf), (B{24, 40}));
        QCOMPARE(Aufwendungsseiten::bereich(-1, 40, 23, f, auf), (B{1, 40}));
        QCOMPARE(Aufwendungsseiten::bereich(0, 5, 23, f, auf), (B{1, 5}));
        // LBV form kinds and the insurance list: all receipts, whatever block.
        QCOMPARE(Aufwendungsseiten::bereich(1, 40, 23, QStringLiteral("LBV Düsseldorf"), auf), (B{1, 40}));
        QCOMPARE(Aufwendungsseiten::bereich(0, 40, 23, QStringLiteral("lbv"), auf), (B{1, 23}));
        QCOMPARE(Aufwendungsseiten::bereich(0, 40, 23, f, QStringLiteral("ZAARV")), (B{1, 40}));
        // A block that no longer exists prints nothing.
        QCOMPARE(Aufwendungsseiten::bereich(1, 0, 23, f, auf), (B{24, 0}));

        QVERIFY(Aufwendungsseiten::summenLeeren(B{1, 23}, 40));
        QVERIFY(!Aufwendungsseiten::summenLeeren(B{24, 40}, 40));
        QVERIFY(!Aufwendungsseiten::summenLeeren(B{1, 40}, 40));
    }

    void knoepfe()
    {
        Katalogeintrag k;
        k.Titel = {"", "Aufwendungen", "Verfügung", "x", "Bescheid"};
        k.PTitel = {"", "Pflege", "", "", "PBescheid"};
        QCOMPARE(Aufwendungsseiten::knopf(k, 0, false).text, QStringLiteral("Aufwendungen"));
        QVERIFY(Aufwendungsseiten::knopf(k, 1, false).aktiv);
        QVERIFY(!Aufwendungsseiten::knopf(k, 2, false).aktiv);
        QVERIFY(Aufwendungsseiten::knopf(k, 3, false).aktiv);
        QVERIFY(Aufwendungsseiten::knopf(k, 0, true).aktiv);
        QVERIFY(!Aufwendungsseiten::knopf(k, 2, true).aktiv);
        QCOMPARE(Aufwendungsseiten::knopf(k, 3, true).text, QStringLiteral("PBescheid"));
        // "x" disables only the ordinary edition; an empty care title disables.
        k.PTitel[2] = QStringLiteral("x");
        QVERIFY(Aufwendungsseiten::knopf(k, 1, true).aktiv);
        k.Titel[2].clear();
        QVERIFY(Aufwendungsseiten::knopf(k, 1, false).aktiv);

        QCOMPARE(QList<int>({Aufwendungsseiten::druckbereich(0, false), Aufwendungsseiten::druckbereich(1, false),
                             Aufwendungsseiten::druckbereich(2, false), Aufwendungsseiten::druckbereich(3, false)}),
                 QList<int>({4, 7, 5, 6}));
        QCOMPARE(QList<int>({Aufwendungsseiten::druckbereich(0, true), Aufwendungsseiten::druckbereich(1, true),
                             Aufwendungsseiten::druckbereich(2, true), Aufwendungsseiten::druckbereich(3, true)}),
                 QList<int>({8, 11, 9, 10}));
        QCOMPARE(Aufwendungsseiten::druckbereich(4, false), -1);
    }

    void personensummen()
    {
        Rechnungspositionen t;
        t.hinzufuegen(beleg(1, "", "A", "Arzt", 10, 0));
        t.hinzufuegen(beleg(2, "", "K2", "Arzt", 5.5, 0));
        t.hinzufuegen(beleg(3, "", "A", "Arzt", 19.56, 0, false)); // DM into the Euro application
        t.hinzufuegen(beleg(4, "", "K", "Arzt", 99, 0));           // "K" is no person of its own
        const auto p = Aufwendungsseiten::personensummen(t, true);
        QCOMPARE(p.size(), 7);
        QCOMPARE(p[0].code, QStringLiteral("A"));
        QCOMPARE(p[0].belege, 2);
        QCOMPARE(GermanMoney::format(p[0].summe), QStringLiteral("20,00"));
        QCOMPARE(p[1].belege, 0);
        QCOMPARE(p[3].code, QStringLiteral("K2"));
        QCOMPARE(p[3].summe, 5.5);
        int mitBelegen = 0;
        for (const auto &x : p)
            mitBelegen += x.belege > 0;
        QCOMPARE(mitBelegen, 2);
    }

    void summenfelder()
    {
        QCOMPARE(Aufwendungsseiten::summentag(QStringLiteral("SummeRechnungsbetrag")),
                 QStringLiteral("1EndsummeRechnungsbetrag"));
        QCOMPARE(Aufwendungsseiten::summentag(QStringLiteral("SummeVersicherungsbetragDM")),
                 QStringLiteral("1EndsummeVersicherungsbetragDM"));
        QCOMPARE(Aufwendungsseiten::summentag(QStringLiteral("LBVSummeAR")), QStringLiteral("1LBVSummeAR"));
        QCOMPARE(Aufwendungsseiten::summentag(QStringLiteral("EndsummeWährung")), QStringLiteral("1EndsummeWährung"));
        Feldtabelle f;
        Aufwendungsseiten::summenEintragen(f, Summen::einlesen(viele(3), true));
        QCOMPARE(f.Feldwert(QStringLiteral("EndsummeRechnungsbetrag")), std::optional<QString>(QStringLiteral("6,00")));
        QCOMPARE(f.Feldwert(QStringLiteral("EndsummeWährung")), std::optional<QString>(QStringLiteral("EUR")));
    }

    // A page of 40 receipts in two blocks: 23 lines, then 17, each one pitch
    // below the previous.
    void listenzeilenEinesBlocks()
    {
        const Rechnungspositionen t = viele(40);
        Aufwendungsbelege b(t, true);
        const Layout layout = {zeile(41, 10, 50, 5, 20, QStringLiteral("Belegnummer")),
                               zeile(42, 100, 50, 0, 30, QStringLiteral("RechnungsbetragAW"))};
        Druckauftrag a;
        a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Aufwendungen);
        a.layout = QStringLiteral("AUF");
        a.belege = &b;
        for (int block : {0, 1}) {
            const auto bereich = Aufwendungsseiten::bereich(block, 40, 23, QStringLiteral("X"), a.layout);
            b.setBereich(bereich.von, bereich.bis);
            Aufzeichnungsflaeche f;
            QVERIFY(Layoutinterpreter::zeichnen(a, layout, f).ok);
            QStringList nummern, betraege;
            QList<double> ys;
            for (const auto &x : f.texte()) {
                if (x.x == 10) {
                    nummern << x.text;
                    ys << x.y;
                } else {
                    betraege << x.text;
                }
            }
            QCOMPARE(nummern.size(), block == 0 ? 23 : 17);
            QCOMPARE(nummern.first(), block == 0 ? QStringLiteral("1") : QStringLiteral("24"));
            QCOMPARE(nummern.last(), block == 0 ? QStringLiteral("23") : QStringLiteral("40"));
            QCOMPARE(betraege.last(), block == 0 ? QStringLiteral("23,00") : QStringLiteral("40,00"));
            QCOMPARE(ys.first(), 55.0);
            QCOMPARE(ys.at(1), 60.0);
        }
    }

    // The insurance list of one person: the other persons' receipts leave no
    // gap, and the person's code reaches "[#P]" fields.
    void versicherungslisteEinerPerson()
    {
        Rechnungspositionen t;
        t.hinzufuegen(beleg(1, "01.01.2004", "A", "Arzt", 10, 0));
        t.hinzufuegen(beleg(2, "02.01.2004", "K2", "Arzt", 20, 0));
        t.hinzufuegen(beleg(3, "03.01.2004", "A", "Arzt", 30, 0));
        t.hinzufuegen(beleg(4, "04.01.2004", "K2", "Arzt", 40, 0));
        Aufwendungsbelege b(t, true);
        b.setPerson(QStringLiteral("K2"));
        const Feldtabelle felder = druckhilfen::felder({"1NameK2=Erika", "1NameA=Max"});
        const Layout layout = {zeile(11, 10, 20, 0, 0, QStringLiteral("Name[#P]")),
                               zeile(41, 10, 50, 0, 20, QStringLiteral("privateKVDatum"))};
        Druckauftrag a;
        a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::AufwendungenVorschau);
        a.layout = QStringLiteral("ZAARV");
        a.pKVP = QStringLiteral("K2");
        a.felder = &felder;
        a.belege = &b;
        Aufzeichnungsflaeche f;
        QVERIFY(Layoutinterpreter::zeichnen(a, layout, f).ok);
        QCOMPARE(texte(f), QStringList({"Erika", "02.01.2004", "04.01.2004"}));
        QCOMPARE(f.texte().at(2).y, 62.0); // pitch 6 mm with Höhe 0
    }
};

VELMORA_TEST_MAIN_CORE(TestDruckAufwendungen)
#include "TestDruckAufwendungen.moc"
