#include "TestUmgebung.h"

#include "ledger/Aerzteliste.h"
#include "ledger/Bescheid.h"
#include "ledger/Erstattungserwartung.h"
#include "ledger/Uebersicht.h"
#include "ledger/Widerspruch.h"
#include "fields/Feldtabelle.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Belegablage.h"
#include "ledger/Kostenarten.h"
#include "ledger/LbvPruefung.h"
#include "ledger/Rechnungspositionen.h"
#include "ledger/Summen.h"
#include "ledger/TarvikExport.h"
#include "ledger/Version2Import.h"
#include "shell/Datenbank.h"
#include "base/TextFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <tuple>

namespace {
Rechnungsposition beleg(const QString &empfaenger, const QString &datum, const QString &art = QStringLiteral("AB"),
                        double rechnung = 0, double versicherung = 0, bool euro = false)
{
    Rechnungsposition r;
    r.Empfaenger = empfaenger;
    r.Datum = datum;
    r.Art = art;
    r.Rechnung = rechnung;
    r.Versicherung = versicherung;
    r.euro = euro;
    return r;
}

QString feld(const Summen &s, const QString &name)
{
    for (const auto &f : s.felder())
        if (f.first == name)
            return f.second;
    return QStringLiteral("<fehlt>");
}

QByteArray pruefsumme(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

// A data directory with an empty application database.
QString neueDatenbank()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("antraege"));
    const QString pfad = dir + Antragsdatenbank::Dateiname;
    QFile::copy(TestUmgebung::mitgeliefert() + Antragsdatenbank::Vorlage, pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    return pfad;
}

int zeilen(const QString &pfad, const QString &sql, const QVariantList &werte = {})
{
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::NurLesen))
        return -1;
    Datensatz ds = db.abfrage(sql, werte);
    return ds.istGueltig() ? ds.anzahl() : -1;
}
} // namespace

class TestLedgerCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void festeBreite();
    void tabellenoperationen();
    void sortieren();
    void numerieren_data();
    void numerieren();
    void summen();
    void lbvPruefung();
    void kostenarten();
    void datenbankRundreise();
    void datenbankSchluessel();
    void datenbankStruktur();
    void belegbilder_data();
    void belegbilder();
    void datenbankTransaktion();
    void datenbankListe();
    void kaputteDatenbanken_data();
    void kaputteDatenbanken();
    void aerzteliste();
    void aerztelisteDateien_data();
    void aerztelisteDateien();
    void tarvikExport();
    void version2Elemente();
    void version2Werte_data();
    void version2Werte();
    void version2Dateien_data();
    void version2Dateien();
    void erwartung_data();
    void erwartung();
    void bescheidRundreise();
    void widerspruchBrief();
};

void TestLedgerCore::festeBreite()
{
    Rechnungsposition r;
    r.Empfaenger = QStringLiteral("K12");
    QCOMPARE(r.Empfaenger.text(), QStringLiteral("K1"));
    r.Art = QStringLiteral("AB");
    QCOMPARE(r.Art.text(), QStringLiteral("AB    "));
    QCOMPARE(r.Art.getrimmt(), QStringLiteral("AB"));
    r.Arzt = QString(40, u'x');
    QCOMPARE(r.Arzt.text().size(), 30);
    QCOMPARE(r.Datum.text(), QString(10, u' ')); // empty field is blank, not empty
    r.Rechnungsnummer = QStringLiteral(" Pauschale ");
    QVERIFY(r.istPauschale());
    QCOMPARE(beleg(QStringLiteral("A"), {}).person(), 1);
    QCOMPARE(beleg(QStringLiteral("E"), {}).person(), 2);
    QCOMPARE(beleg(QStringLiteral("K3"), {}).person(), 3);
    QCOMPARE(beleg(QStringLiteral("X1"), {}).person(), 0);
    QCOMPARE(beleg(QString(), {}).person(), 0);
}

void TestLedgerCore::tabellenoperationen()
{
    Rechnungspositionen t;
    for (int i = 1; i <= 3; ++i) {
        Rechnungsposition r;
        r.Beleg = qint16(i);
        t.hinzufuegen(r);
    }
    Rechnungsposition neu;
    neu.Beleg = 99;
    QVERIFY(t.einfuegen(1, neu));
    QCOMPARE(t.anzahl(), 4);
    QCOMPARE(t.slot(1).Beleg, qint16(99));
    QCOMPARE(t.slot(2).Beleg, qint16(1));
    QCOMPARE(t.slot(4).Beleg, qint16(3));
    QVERIFY(!t.einfuegen(0, neu));
    QVERIFY(!t.einfuegen(6, neu));
    QVERIFY(!t.aendern(5, neu));
    QVERIFY(t.loeschen(2));
    QCOMPARE(t.slot(2).Beleg, qint16(2));
    QVERIFY(!t.loeschen(0));
    QCOMPARE(t.anzahl(), 3);
    // No slot limit: far more than 100 receipts.
    for (int i = 0; i < 500; ++i)
        t.hinzufuegen(neu);
    QCOMPARE(t.anzahl(), 503);
    QVERIFY(t.einfuegen(200, beleg(QStringLiteral("E"), {})));
    QCOMPARE(t.slot(200).Empfaenger.text(), QStringLiteral("E "));
}

void TestLedgerCore::sortieren()
{
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("K1"), QStringLiteral("01.02.2001")));
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("03.03.2001")));
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001")));
    QCOMPARE(Rechnungspositionen::sortierschluessel(t.slot(2)), QStringLiteral("A  2001.03.03"));
    t.sortieren();
    QCOMPARE(t.slot(1).Datum.text(), QStringLiteral("01.01.2001"));
    QCOMPARE(t.slot(2).Datum.text(), QStringLiteral("03.03.2001"));
    QCOMPARE(t.slot(3).Empfaenger.text(), QStringLiteral("K1"));

    // Equal keys keep their order; undated receipts close their person's group.
    Rechnungspositionen s;
    for (int i = 1; i <= 4; ++i) {
        Rechnungsposition r = beleg(QStringLiteral("E"), QStringLiteral("05.05.2001"));
        r.Beleg = qint16(i);
        s.hinzufuegen(r);
    }
    s.slot(2).Datum = QStringLiteral("ohne");
    s.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("31.12.2030")));
    s.sortieren();
    QCOMPARE(s.slot(1).Empfaenger.text(), QStringLiteral("A "));
    QCOMPARE(s.slot(2).Beleg, qint16(1));
    QCOMPARE(s.slot(3).Beleg, qint16(3));
    QCOMPARE(s.slot(4).Beleg, qint16(4));
    QCOMPARE(s.slot(5).Beleg, qint16(2));
    // Year order, not day order, decides.
    Rechnungspositionen j;
    j.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2002")));
    j.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("31.12.2001")));
    j.sortieren();
    QCOMPARE(j.slot(1).Datum.text(), QStringLiteral("31.12.2001"));
}

void TestLedgerCore::numerieren_data()
{
    QTest::addColumn<qint64>("start");
    QTest::addColumn<int>("anzahl");
    QTest::addColumn<bool>("ok");
    QTest::newRow("ab-10") << qint64(10) << 3 << true;
    QTest::newRow("ab-0") << qint64(0) << 3 << true;
    QTest::newRow("bis-32767") << qint64(32765) << 3 << true;
    QTest::newRow("ueber-32767") << qint64(32766) << 3 << false;
    QTest::newRow("weit-darueber") << qint64(100000) << 1 << false;
    QTest::newRow("negativ") << qint64(-5) << 3 << true;
    QTest::newRow("unter-minimum") << qint64(-40000) << 2 << false;
    QTest::newRow("nahe-int64-ende") << std::numeric_limits<qint64>::max() - 1 << 3 << false;
}

void TestLedgerCore::numerieren()
{
    QFETCH(qint64, start);
    QFETCH(int, anzahl);
    QFETCH(bool, ok);
    Rechnungspositionen t;
    for (int i = 0; i < anzahl; ++i) {
        Rechnungsposition r;
        r.Beleg = qint16(7 + i);
        t.hinzufuegen(r);
    }
    QString fehler;
    QCOMPARE(t.numerieren(start, &fehler), ok);
    for (int i = 1; i <= anzahl; ++i)
        QCOMPARE(qint64(t.slot(i).Beleg), ok ? start + i - 1 : qint64(7 + i - 1));
    QCOMPARE(fehler.isEmpty(), ok);
}

void TestLedgerCore::summen()
{
    // One DM receipt of 195,58 in a euro application.
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001"), QStringLiteral("AB"), 195.58, 10));
    Summen s = Summen::einlesen(t, true);
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("100,00"));
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetragDM")), QStringLiteral("195,58"));
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetragEuro")), QStringLiteral("0,00"));
    QCOMPARE(feld(s, QStringLiteral("EndsummeWährung")), QStringLiteral("EUR"));
    QCOMPARE(feld(s, QStringLiteral("LBVEndsummeAR")), QStringLiteral("100,00"));
    QCOMPARE(feld(s, QStringLiteral("LBVSummeAR")), QStringLiteral("0,00")); // "AB" is no LBV group
    // The same in a DM application; the unconverted fields stay.
    s = Summen::einlesen(t, false);
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("195,58"));
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetragDM")), QStringLiteral("195,58"));
    QCOMPARE(feld(s, QStringLiteral("EndsummeWährung")), QStringLiteral("DM"));

    // Mixed currencies, persons and groups.
    Rechnungspositionen m;
    m.hinzufuegen(beleg(QStringLiteral("K2"), {}, QStringLiteral("2 (RP)"), 50, 5, true));
    m.hinzufuegen(beleg(QStringLiteral("K1"), {}, QStringLiteral("4 (KH)"), 19.5583, 0, false));
    m.hinzufuegen(beleg(QStringLiteral("X1"), {}, QStringLiteral("1 (AB)"), 1000, 100, true));
    m.hinzufuegen(beleg(QStringLiteral("E"), {}, QStringLiteral("1 (AB)"), 10, 1, true));
    s = Summen::einlesen(m, true);
    QCOMPARE(feld(s, QStringLiteral("LBVSummeKR")), QStringLiteral("50,00"));
    QCOMPARE(feld(s, QStringLiteral("LBVSummeKV")), QStringLiteral("5,00"));
    QCOMPARE(feld(s, QStringLiteral("LBVEndsummeKR")), QStringLiteral("60,00"));
    QCOMPARE(feld(s, QStringLiteral("LBVSummeER")), QStringLiteral("10,00"));
    QCOMPARE(feld(s, QStringLiteral("LBVEndsummeAR")), QStringLiteral("0,00")); // X1 is nobody
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("1.070,00"));
    QCOMPARE(feld(s, QStringLiteral("SummeVersicherungsbetragEuro")), QStringLiteral("106,00"));
    QCOMPARE(feld(s, QStringLiteral("SummeRechnungsbetragDM")), QStringLiteral("19,56"));
    QCOMPARE(s.infozeile(),
             QStringLiteral("4 Rechnungen erfasst mit Gesamtbetrag : 2.092,74 DM / 1.070,00 EUR"));
    // Sums stay unrounded: three times 0,005 is 0,015 and shows 0,02.
    Rechnungspositionen r;
    for (int i = 0; i < 3; ++i)
        r.hinzufuegen(beleg(QStringLiteral("A"), {}, QStringLiteral("AB"), 0.005, 0, true));
    QCOMPARE(feld(Summen::einlesen(r, true), QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("0,02"));

    // The summary line of the example: 3 x 100,00 DM.
    Rechnungspositionen d;
    for (int i = 0; i < 3; ++i)
        d.hinzufuegen(beleg(QStringLiteral("A"), {}, QStringLiteral("AB"), 100));
    QCOMPARE(Summen::einlesen(d, false).infozeile(),
             QStringLiteral("3 Rechnungen erfasst mit Gesamtbetrag : 300,00 DM / 153,39 EUR"));

    // Empty table: only the two grand totals, reset to "0".
    const Summen leer = Summen::einlesen(Rechnungspositionen(), true);
    QCOMPARE(leer.felder().size(), 2);
    QCOMPARE(feld(leer, QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("0"));
    QCOMPARE(feld(leer, QStringLiteral("SummeVersicherungsbetrag")), QStringLiteral("0"));
    QCOMPARE(leer.infozeile(), QStringLiteral("Keine Aufwendungen erfasst !"));

    Rechnungsposition zeile = beleg(QStringLiteral("A"), QStringLiteral("01.02.2001"), QStringLiteral("AB"), 1234.5, 0,
                                    true);
    zeile.Beleg = -3;
    zeile.Arzt = QStringLiteral("Dr. X");
    const QStringList l = Summen::listenzeile(zeile);
    QCOMPARE(l, (QStringList{QStringLiteral("-3"), QStringLiteral("01.02.2001"), QStringLiteral("A "),
                             QStringLiteral("AB    "), QStringLiteral("1.234,50"), QStringLiteral("0,00"),
                             QStringLiteral("EUR"), QStringLiteral("Dr. X").leftJustified(30)}));
}

void TestLedgerCore::lbvPruefung()
{
    const QString lbv = QStringLiteral("LBV Düsseldorf");
    Rechnungspositionen t;
    for (int i = 0; i < 4; ++i)
        t.hinzufuegen(beleg(QStringLiteral("A"), {}, QStringLiteral("3 (HM)")));
    for (int i = 0; i < 3; ++i)
        t.hinzufuegen(beleg(QStringLiteral("E"), {}, QStringLiteral("3 (HM)")));
    QCOMPARE(LbvPruefung::bericht(t, lbv),
             QStringLiteral("Kostenart 3 für Antragsteller (3 maximal, aber 4 wurden erfasst)\r\n"));
    QVERIFY(LbvPruefung::bericht(t, QStringLiteral("OFD Düsseldorf")).isEmpty());
    QVERIFY(LbvPruefung::bericht(t, QStringLiteral("lbv")).isEmpty()); // case counts

    // Care receipts: 13 lines for group 9, children counted together.
    Rechnungspositionen p;
    for (int i = 0; i < 13; ++i)
        p.hinzufuegen(beleg(i % 2 ? QStringLiteral("K1") : QStringLiteral("K2"), {}, QStringLiteral("Pflege")));
    QVERIFY(LbvPruefung::bericht(p, lbv).isEmpty());
    p.hinzufuegen(beleg(QStringLiteral("K3"), {}, QStringLiteral("Pflege")));
    QCOMPARE(LbvPruefung::bericht(p, lbv),
             QStringLiteral("Kostenart 9 für Kinder (13 maximal, aber 14 wurden erfasst)\r\n"));

    // Allowances go to group 10 (7 lines); a general code counts nowhere.
    Rechnungspositionen q;
    for (int i = 0; i < 8; ++i) {
        Rechnungsposition r = beleg(QStringLiteral("A"), {}, QStringLiteral("Pflege"));
        r.Rechnungsnummer = QStringLiteral("Pauschale");
        q.hinzufuegen(r);
    }
    for (int i = 0; i < 20; ++i)
        q.hinzufuegen(beleg(QStringLiteral("A"), {}, QStringLiteral("AB")));
    for (int i = 0; i < 9; ++i)
        q.hinzufuegen(beleg(QStringLiteral("E"), {}, QStringLiteral("1 (AB)")));
    for (int i = 0; i < 3; ++i)
        q.hinzufuegen(beleg(QStringLiteral("E"), {}, QStringLiteral("7 (BK)")));
    for (int i = 0; i < 5; ++i)
        q.hinzufuegen(beleg(QStringLiteral("X"), {}, QStringLiteral("7 (BK)")));
    const QString bericht = LbvPruefung::bericht(q, lbv);
    QCOMPARE(bericht, QStringLiteral("Kostenart 1 für Ehegattin/Ehegatte (8 maximal, aber 9 wurden erfasst)\r\n"
                                     "Kostenart 7 für Ehegattin/Ehegatte (2 maximal, aber 3 wurden erfasst)\r\n"
                                     "Kostenart 10 für Antragsteller (7 maximal, aber 8 wurden erfasst)\r\n"));
    QCOMPARE(LbvPruefung::meldung(QStringLiteral("Z\r\n")),
             QStringLiteral("Zuviele Aufwendungen im Antrag !\r\nZ\r\n\r\nLöschen Sie einen Beleg der "
                            "entsprechenden Kostenart!\r\nErfassen Sie den Beleg in einer neuen Zusammenstellung!"));
    QCOMPARE(LbvPruefung::gruppe(beleg(QStringLiteral("A"), {}, QStringLiteral("0"))), 0);
    QVERIFY(LbvPruefung::bericht(Rechnungspositionen(), lbv).isEmpty());
}

void TestLedgerCore::kostenarten()
{
    QCOMPARE(Kostenarten::allgemein().size(), 17);
    QCOMPARE(Kostenarten::allgemein().first(), QStringLiteral("AB;ärztliche Behandlung"));
    QCOMPARE(Kostenarten::allgemein().last(), QStringLiteral("ZU;Zuschuss"));
    QCOMPARE(Kostenarten::lbv().size(), 13);
    for (const QString &e : Kostenarten::lbv()) {
        const QString code = e.section(u';', 0, 0);
        QVERIFY2(code.size() <= 6, qPrintable(e));
        QVERIFY(code.at(0).isDigit());
    }
    QCOMPARE(&Kostenarten::fuer(QStringLiteral("LBV Münster")), &Kostenarten::lbv());
    QCOMPARE(&Kostenarten::fuer(QStringLiteral("XLBV")), &Kostenarten::allgemein());
}

void TestLedgerCore::datenbankRundreise()
{
    const QString pfad = neueDatenbank();
    QVERIFY(Antragsdatenbank::DB_Struktur(pfad));
    Antragskopf kopf;
    kopf.Antragsdatum = QStringLiteral("15.03.2001");
    kopf.Unternummer = QStringLiteral("2");
    kopf.Bemerkungen = QStringLiteral("Zahnarzt 'Müller'");
    kopf.eingereichtam = QStringLiteral("16.03.2001");
    kopf.zurueckerhalten = QStringLiteral("bald"); // no date: Null
    kopf.AbschlagDatum = QStringLiteral("01.04.2001");
    kopf.AbschlagHoehe = QStringLiteral("1.234,50");
    kopf.AEuro = true;
    kopf.Pflegeantrag = false;
    Rechnungspositionen t;
    for (int i = 1; i <= 150; ++i) {
        Rechnungsposition r = beleg(i % 2 ? QStringLiteral("K1") : QStringLiteral("A"), QStringLiteral("01.02.2001"),
                                    QStringLiteral("5 (ZB)"), i * 1.25, 0.1 * i, i % 3 == 0);
        r.Beleg = qint16(200 - i);
        r.Erstattung = 7.5;
        r.ErstattungV = -1.25;
        r.Arzt = QStringLiteral("Dr. \"Quote\" ÄÖÜß");
        r.Rechnungsnummer = QStringLiteral("R-%1").arg(i);
        r.bezahltam = i == 1 ? QStringLiteral("03.02.2001") : QString();
        r.faelligam = QStringLiteral("28.02.2001");
        t.hinzufuegen(r);
    }
    const QString k = Antragsdatenbank::kennung(kopf.Antragsdatum, kopf.Unternummer);
    QCOMPARE(k, QStringLiteral("15.03.2001/2"));
    QString fehler;
    QVERIFY2(Antragsdatenbank::speichern(pfad, k, kopf, t, &fehler), qPrintable(fehler));

    // Stored as ISO text and 0/1; a non-date stays Null.
    {
        Datenbank db;
        QVERIFY(db.oeffnen(pfad));
        Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\""));
        QCOMPARE(ds.anzahl(), 1);
        QCOMPARE(ds.text(QStringLiteral("Antragsdatum")), QStringLiteral("2001-03-15"));
        QVERIFY(ds.istNull(QStringLiteral("zurück")));
        QCOMPARE(ds.wert(QStringLiteral("euro")).toInt(), 1);
        QCOMPARE(ds.wert(QStringLiteral("BescheidHöhe")).toDouble(), 1234.5);
        Datensatz r = db.abfrage(QStringLiteral("select * from Rechnungen where lfdNr = 2"));
        QCOMPARE(r.text(QStringLiteral("Empfänger")), QStringLiteral("A "));
        QCOMPARE(r.text(QStringLiteral("Datum")), QStringLiteral("2001-02-01"));
        QVERIFY(r.istNull(QStringLiteral("bezahltam")));
        QCOMPARE(r.text(QStringLiteral("fälligam")), QStringLiteral("2001-02-28"));
    }

    Antragsdatenbank::Geladen g;
    QVERIFY(Antragsdatenbank::laden(pfad, k, &g));
    QVERIFY(g.kopf.has_value());
    Antragskopf erwartet = kopf;
    erwartet.zurueckerhalten.clear();
    QCOMPARE(*g.kopf, erwartet);
    QCOMPARE(g.positionen.size(), 150);
    for (int i = 1; i <= 150; ++i)
        QCOMPARE(g.positionen.at(i - 1), t.slot(i));

    // A stored BescheidHöhe of 0 comes back as an empty field.
    kopf.AbschlagHoehe = QStringLiteral("0");
    QVERIFY(Antragsdatenbank::speichern(pfad, k, kopf, t));
    QVERIFY(Antragsdatenbank::laden(pfad, k, &g));
    QVERIFY(g.kopf->AbschlagHoehe.isEmpty());

    // Unknown key: no header, no receipts, no error.
    QVERIFY(Antragsdatenbank::laden(pfad, QStringLiteral("nix"), &g));
    QVERIFY(!g.kopf.has_value());
    QVERIFY(g.positionen.isEmpty());
}

void TestLedgerCore::datenbankSchluessel()
{
    QCOMPARE(Antragsdatenbank::kennung(QString(), QStringLiteral("1")), QStringLiteral("ohne/1"));
    QCOMPARE(Antragsdatenbank::kennung(QString(), QString()), QStringLiteral("ohne"));
    QCOMPARE(Antragsdatenbank::kennung(QStringLiteral("1.3.01"), QString()), QStringLiteral("1.3.01"));

    const QString pfad = neueDatenbank();
    Antragsdatenbank::DB_Struktur(pfad);
    Rechnungspositionen eins;
    eins.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001")));
    Rechnungspositionen zwei;
    for (int i = 0; i < 2; ++i)
        zwei.hinzufuegen(beleg(QStringLiteral("E"), QStringLiteral("02.01.2001")));
    Antragskopf kopf;
    kopf.Antragsdatum = QStringLiteral("15.03.2001");
    const QString k = Antragsdatenbank::kennung(kopf.Antragsdatum, {});
    QVERIFY(Antragsdatenbank::speichern(pfad, k, kopf, eins));
    kopf.Bemerkungen = QStringLiteral("zweiter");
    QVERIFY(Antragsdatenbank::speichern(pfad, k, kopf, zwei));
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from \"Anträge\"")), 1);
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from Rechnungen")), 2);
    // A quote in the key is data, not part of the statement.
    const QString quote = QStringLiteral("15.03.2001/x' or '1'='1");
    QVERIFY(Antragsdatenbank::speichern(pfad, quote, kopf, eins));
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from \"Anträge\"")), 2);
    Antragsdatenbank::Geladen g;
    QVERIFY(Antragsdatenbank::laden(pfad, quote, &g));
    QCOMPARE(g.positionen.size(), 1);
    {
        Datenbank db;
        QVERIFY(db.oeffnen(pfad));
        QVERIFY(Antragsdatenbank::loeschen(db, quote));
    }
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from \"Anträge\"")), 1);
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from Rechnungen")), 2);
    // An empty table stores nothing, not even the header.
    QVERIFY(Antragsdatenbank::speichern(pfad, QStringLiteral("leer"), kopf, Rechnungspositionen()));
    QCOMPARE(zeilen(pfad, QStringLiteral("select * from \"Anträge\" where Kennung = 'leer'")), 0);
}

void TestLedgerCore::datenbankStruktur()
{
    const QString pfad = neueDatenbank();
    QVERIFY(Antragsdatenbank::DB_Struktur(pfad));
    const QByteArray vorher = pruefsumme(pfad);
    QVERIFY(!Antragsdatenbank::DB_Struktur(pfad)); // already there: nothing happens
    QCOMPARE(pruefsumme(pfad), vorher);
    {
        Datenbank db;
        QVERIFY(db.oeffnen(pfad));
        QCOMPARE(db.spaltenVon(QStringLiteral("Rechnungen")).count(QStringLiteral("fälligam")), 1);
    }
    QVERIFY(!Antragsdatenbank::DB_Struktur(pfad + QStringLiteral(".fehlt")));
    QVERIFY(!QFile::exists(pfad + QStringLiteral(".fehlt")));

    // Without the upgrade the receipts are still stored, only without due date.
    const QString alt = neueDatenbank();
    Rechnungspositionen t;
    Rechnungsposition r = beleg(QStringLiteral("A"), QStringLiteral("01.01.2001"));
    r.faelligam = QStringLiteral("01.02.2001");
    t.hinzufuegen(r);
    QVERIFY(Antragsdatenbank::speichern(alt, QStringLiteral("k"), Antragskopf(), t));
    Antragsdatenbank::Geladen g;
    QVERIFY(Antragsdatenbank::laden(alt, QStringLiteral("k"), &g));
    QCOMPARE(g.positionen.size(), 1);
    QCOMPARE(g.positionen.first().faelligam.getrimmt(), QString());
}

// A receipt's picture link follows it through the table operations and a
// store and load; a picture no receipt uses any more is removed.
void TestLedgerCore::belegbilder_data()
{
    QTest::addColumn<QString>("schritt");
    QTest::addColumn<int>("platz"); // where the receipt with picture stands afterwards
    QTest::addColumn<bool>("bildBleibt");
    QTest::newRow("speichern") << "" << 1 << true;
    QTest::newRow("sortieren") << "sortieren" << 2 << true;
    QTest::newRow("numerieren") << "numerieren" << 1 << true;
    QTest::newRow("einfügen") << "einfuegen" << 2 << true;
    QTest::newRow("löschen") << "loeschen" << 0 << false;
}

void TestLedgerCore::belegbilder()
{
    QFETCH(QString, schritt);
    QFETCH(int, platz);
    QFETCH(bool, bildBleibt);
    const QString pfad = neueDatenbank();
    const QString daten = QFileInfo(pfad).absolutePath() + u'/';
    const QString quelle = daten + QStringLiteral("rechnung.png");
    QFile f(quelle);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write("kein echtes Bild") > 0);
    f.close();
    Rechnungsposition mitBild = beleg(QStringLiteral("A"), QStringLiteral("03.01.2024"));
    mitBild.belegdatei = Belegablage::ablegen(daten, quelle);
    QCOMPARE(Belegablage::ablegen(daten, quelle), mitBild.belegdatei); // stored once
    mitBild.befunde = QStringLiteral("Position 1 (GOÄ 5): Faktor über 2,3 ohne Begründung");
    mitBild.kuerzung = 4.56;
    Rechnungspositionen t;
    t.hinzufuegen(mitBild);
    t.hinzufuegen(beleg(QStringLiteral("E"), QStringLiteral("01.01.2024")));
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("02.01.2024")));
    if (schritt == QLatin1String("sortieren"))
        t.sortieren();
    else if (schritt == QLatin1String("numerieren"))
        QVERIFY(t.numerieren(7));
    else if (schritt == QLatin1String("einfuegen"))
        t.einfuegen(1, beleg(QStringLiteral("K1"), QStringLiteral("05.01.2024")));
    else if (schritt == QLatin1String("loeschen"))
        t.loeschen(1);
    QVERIFY(Antragsdatenbank::speichern(pfad, QStringLiteral("01.02.2024"), {}, t));
    Belegablage::aufraeumen(daten, pfad, {});
    Antragsdatenbank::Geladen g;
    QVERIFY(Antragsdatenbank::laden(pfad, QStringLiteral("01.02.2024"), &g));
    for (int i = 1; i <= g.positionen.size(); ++i) {
        const Rechnungsposition &r = g.positionen.at(i - 1);
        QCOMPARE(r.belegdatei, i == platz ? mitBild.belegdatei : QString());
        QCOMPARE(r.kuerzung, i == platz ? 4.56 : 0.0);
        QCOMPARE(r.befunde, i == platz ? mitBild.befunde : QString());
    }
    const auto verweise = Antragsdatenbank::belegverweise(pfad);
    QCOMPARE(verweise.size(), platz > 0 ? 1 : 0);
    if (platz > 0)
        QCOMPARE(verweise.first().lfdNr, platz);
    QCOMPARE(QFileInfo::exists(Belegablage::pfad(daten, mitBild.belegdatei)), bildBleibt);
}

void TestLedgerCore::datenbankTransaktion()
{
    // A save that fails half way leaves the old application complete.
    const QString pfad = neueDatenbank();
    Antragsdatenbank::DB_Struktur(pfad);
    Rechnungspositionen alt;
    for (int i = 0; i < 3; ++i)
        alt.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001")));
    Antragskopf kopf;
    kopf.Bemerkungen = QStringLiteral("alt");
    QVERIFY(Antragsdatenbank::speichern(pfad, QStringLiteral("k"), kopf, alt));
    {
        Datenbank db;
        QVERIFY(db.oeffnen(pfad));
        QVERIFY(db.ausfuehren(QStringLiteral("create trigger stopp before insert on Rechnungen when new.lfdNr = 4 "
                                             "begin select raise(abort, 'voll'); end")));
    }
    Rechnungspositionen neu;
    for (int i = 0; i < 6; ++i)
        neu.hinzufuegen(beleg(QStringLiteral("E"), QStringLiteral("02.01.2001")));
    kopf.Bemerkungen = QStringLiteral("neu");
    QString fehler;
    QVERIFY(!Antragsdatenbank::speichern(pfad, QStringLiteral("k"), kopf, neu, &fehler));
    QVERIFY(fehler.contains(QStringLiteral("voll")));
    Antragsdatenbank::Geladen g;
    QVERIFY(Antragsdatenbank::laden(pfad, QStringLiteral("k"), &g));
    QCOMPARE(g.kopf->Bemerkungen, QStringLiteral("alt"));
    QCOMPARE(g.positionen.size(), 3);
    QCOMPARE(g.positionen.first().Empfaenger.text(), QStringLiteral("A "));
}

void TestLedgerCore::datenbankListe()
{
    const QString pfad = neueDatenbank();
    Antragsdatenbank::DB_Struktur(pfad);
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001")));
    const struct
    {
        const char *datum;
        const char *unter;
        const char *bemerkung;
    } antraege[] = {{"", "", "ohne Antragsdatum"},
                    {"01.12.2000", "", "Dezember"},
                    {"15.03.2001", "2", "Zahn O'Brien"},
                    {"02.01.2001", "", "Januar ÄRZTE"},
                    {"15.03.2001", "1", "Brille"}};
    for (const auto &a : antraege) {
        Antragskopf kopf;
        kopf.Antragsdatum = QString::fromUtf8(a.datum);
        kopf.Unternummer = QString::fromUtf8(a.unter);
        kopf.Bemerkungen = QString::fromUtf8(a.bemerkung);
        QVERIFY(Antragsdatenbank::speichern(pfad, Antragsdatenbank::kennung(kopf.Antragsdatum, kopf.Unternummer),
                                            kopf, t));
    }
    Datenbank db;
    QVERIFY(db.oeffnen(pfad));
    auto kennungen = [&](const QString &sql, const QVariantList &werte = {}) {
        QStringList out;
        Datensatz ds = db.abfrage(sql, werte);
        for (ds.ersteZeile(); !ds.istEnde(); ds.naechsteZeile())
            out.append(ds.text(QStringLiteral("Kennung")));
        return out;
    };
    const QStringList neueste = kennungen(Antragsdatenbank::listeNeuesteZuerst());
    QCOMPARE(neueste.first().left(10), QStringLiteral("15.03.2001"));
    QCOMPARE(neueste.at(2), QStringLiteral("02.01.2001"));
    QCOMPARE(neueste.at(3), QStringLiteral("01.12.2000")); // dates, not texts, are ordered
    QCOMPARE(neueste.last(), QStringLiteral("ohne"));
    QCOMPARE(kennungen(Antragsdatenbank::listeAlle()),
             (QStringList{QStringLiteral("01.12.2000"), QStringLiteral("02.01.2001"), QStringLiteral("15.03.2001/1"),
                          QStringLiteral("15.03.2001/2"), QStringLiteral("ohne")}));
    QCOMPARE(kennungen(Antragsdatenbank::listeSuche(), Antragsdatenbank::suchwert(QStringLiteral("o'b"))),
             QStringList{QStringLiteral("15.03.2001/2")});
    QCOMPARE(kennungen(Antragsdatenbank::listeSuche(), Antragsdatenbank::suchwert(QStringLiteral("ärzte"))),
             QStringList{QStringLiteral("02.01.2001")});
    QCOMPARE(kennungen(Antragsdatenbank::listeSuche(), Antragsdatenbank::suchwert(QString())).size(), 5);
}

void TestLedgerCore::kaputteDatenbanken_data()
{
    QTest::addColumn<QString>("datei");
    const QDir dir(TestUmgebung::testdaten(QStringLiteral("ledger/datenbanken")));
    const QStringList dateien = dir.entryList(QDir::Files);
    QVERIFY(dateien.size() >= 5);
    for (const QString &d : dateien)
        QTest::newRow(qPrintable(d)) << dir.filePath(d);
}

void TestLedgerCore::kaputteDatenbanken()
{
    QFETCH(QString, datei);
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("kaputt")) + Antragsdatenbank::Dateiname;
    QVERIFY(QFile::copy(datei, pfad));
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    const QByteArray vorher = pruefsumme(pfad);
    const bool istSqlite = Datenbank::istSqliteDatei(pfad) && QFileInfo(pfad).size() > 0;

    Antragsdatenbank::DB_Struktur(pfad);
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.01.2001")));
    QString fehler;
    QVERIFY(!Antragsdatenbank::speichern(pfad, QStringLiteral("k"), Antragskopf(), t, &fehler));
    QVERIFY(!fehler.isEmpty());
    Antragsdatenbank::Geladen g;
    Antragsdatenbank::laden(pfad, QStringLiteral("k"), &g);
    QVERIFY(g.positionen.isEmpty());
    if (!istSqlite)
        QCOMPARE(pruefsumme(pfad), vorher); // a foreign file is never touched
    // A half-written header never stays behind.
    if (istSqlite)
        QVERIFY(zeilen(pfad, QStringLiteral("select * from \"Anträge\" where Kennung = 'k'")) <= 0);
}

void TestLedgerCore::aerzteliste()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("aerzte"));
    const QString pfad = dir + Aerzteliste::Dateiname;
    QVERIFY(!Aerzteliste::lesen(pfad).has_value());
    QFile leer(pfad);
    QVERIFY(leer.open(QIODevice::WriteOnly));
    leer.close();
    QVERIFY(!Aerzteliste::lesen(pfad).has_value()); // empty file: keep what the choice holds
    QVERIFY(Aerzteliste::schreiben(pfad, QStringLiteral("Dr. Ä\nDr. B\nDr. C")));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QStringLiteral("Dr. Ä\r\nDr. B\r\nDr. C\r\n").toUtf8());
    f.close();
    QCOMPARE(*Aerzteliste::lesen(pfad),
             (QStringList{QStringLiteral("Dr. Ä"), QStringLiteral("Dr. B"), QStringLiteral("Dr. C")}));
    QCOMPARE(Aerzteliste::editortext({QString(), QString(), QStringLiteral("a"), QString(), QStringLiteral("b")}),
             QStringLiteral("a\r\n\r\nb"));

    // A long list reads completely.
    QStringList viele;
    for (int i = 0; i < 10000; ++i)
        viele.append(QStringLiteral("Praxis %1").arg(i));
    QVERIFY(Aerzteliste::schreiben(pfad, viele.join(u'\n')));
    const auto gelesen = Aerzteliste::lesen(pfad);
    QCOMPARE(gelesen->size(), 10000);
    QCOMPARE(gelesen->last(), QStringLiteral("Praxis 9999"));
}

void TestLedgerCore::aerztelisteDateien_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QStringList>("zeilen");
    const QString d = TestUmgebung::testdaten(QStringLiteral("ledger/aerzte/"));
    QTest::newRow("windows1252") << d + QStringLiteral("windows1252.txt")
                                 << QStringList{QStringLiteral("Dr. Müller"), QString(),
                                                QStringLiteral("Praxis Ärztehaus")};
    QTest::newRow("utf8-lf") << d + QStringLiteral("utf8_lf.txt")
                             << QStringList{QStringLiteral("Dr. Müller"), QStringLiteral("Zahnarzt Schmidt")};
    QTest::newRow("leerzeilen-vorn") << d + QStringLiteral("leerzeilen_vorn.txt")
                                     << QStringList{QString(), QString(), QStringLiteral("Dr. A"),
                                                    QStringLiteral("Dr. B")};
}

void TestLedgerCore::aerztelisteDateien()
{
    QFETCH(QString, datei);
    QFETCH(QStringList, zeilen);
    const auto gelesen = Aerzteliste::lesen(datei);
    QVERIFY(gelesen.has_value());
    QCOMPARE(*gelesen, zeilen);
    // Binary junk still reads as some lines, without a crash.
    const auto junk = Aerzteliste::lesen(TestUmgebung::testdaten(QStringLiteral("ledger/aerzte/binaer.txt")));
    QVERIFY(junk.has_value());
    QCOMPARE(junk->size(), 1);
}

void TestLedgerCore::tarvikExport()
{
    TarvikExport::Kopf kopf;
    kopf.Personalnummer = QStringLiteral("4711");
    kopf.Name = QStringLiteral("Müller");
    kopf.Vorname = QStringLiteral("Jörg");
    kopf.Geburtsdatum = QStringLiteral("01.02.1960");
    kopf.Antragsdatum = QStringLiteral("15.03.2001");
    kopf.AbschlagDatum = QStringLiteral("01.03.2001");
    kopf.AbschlagHoehe = QStringLiteral("500,00");
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("01.02.2001"), QStringLiteral("AB"), 100.5, 20));
    t.hinzufuegen(beleg(QStringLiteral("K1"), QStringLiteral("02.02.2001"), QStringLiteral("1 (AB)"), 12, 0, true));
    t.hinzufuegen(beleg(QStringLiteral("E"), QStringLiteral("03.02.2001"), QStringLiteral("ZB"), 0.125, 1.1));
    t.slot(1).Beleg = 17;
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("tarvik")) + QStringLiteral("export.txt");
    QVERIFY(TarvikExport::schreiben(pfad, kopf, t));
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.contains("Name=M\xfcller\r\n"));                 // Windows-1252
    QVERIFY(bytes.endsWith("ENDE\r\n"));
    QVERIFY(!bytes.contains("\n\n"));
    const QStringList zeilen = TextFile::decodeWindows1252(bytes).split(QStringLiteral("\r\n"));
    QCOMPARE(zeilen.size(), 8 + 3 + 1 + 1); // the last split part is empty
    QCOMPARE(zeilen.at(5), QStringLiteral("Abschlaghöhe=01.03.2001"));
    QCOMPARE(zeilen.at(6), QStringLiteral("Abschlagdatum=500,00"));
    QCOMPARE(zeilen.at(7), QStringLiteral("AUFWENDUNGEN"));
    QCOMPARE(zeilen.at(8), QStringLiteral("1\t17\t01.02.2001\tAB    \tA \t100,5\t20\tFalsch\t"));
    QCOMPARE(zeilen.at(9), QStringLiteral("2\t0\t02.02.2001\t1 (AB)\tK1\t12\t0\tWahr\t"));
    QCOMPARE(zeilen.at(10).section(u'\t', 5, 6), QStringLiteral("0,125\t1,1"));
    QCOMPARE(zeilen.at(11), QStringLiteral("ENDE"));

    const QString leer = TestUmgebung::neuesVerzeichnis(QStringLiteral("tarvik")) + QStringLiteral("leer.txt");
    QVERIFY(!TarvikExport::schreiben(leer, kopf, Rechnungspositionen()));
    QVERIFY(!QFile::exists(leer));
}

void TestLedgerCore::version2Elemente()
{
    const QString text = QStringLiteral("Kopfzeile, mit \"Komma\"\r\n\"15.03.2001\"\r\n"
                                        " 2 , 3,17,\"a, b\",\"x \"\"y\"\"\"z,,\r\n\r\nlast");
    QCOMPARE(Version2Import::elemente(text),
             (QStringList{QStringLiteral("15.03.2001"), QStringLiteral("2"), QStringLiteral("3"),
                          QStringLiteral("17"), QStringLiteral("a, b"), QStringLiteral("x \"y\""), QString(),
                          QString(), QStringLiteral("last")}));
    QVERIFY(Version2Import::elemente(QStringLiteral("nur Kopf")).isEmpty());
    QCOMPARE(Version2Import::elemente(QStringLiteral("k\n\"offen")), QStringList{QStringLiteral("offen")});

    Version2Import::Eintrag e;
    Version2Import::anwenden(e, 0, QStringLiteral("2"));
    Version2Import::anwenden(e, 1, QStringLiteral("3"));
    QCOMPARE(e.Empfaenger, QStringLiteral("K3"));
    Version2Import::anwenden(e, 0, QStringLiteral("0"));
    Version2Import::anwenden(e, 1, QStringLiteral("0"));
    QCOMPARE(e.Empfaenger, QStringLiteral("A"));
    Version2Import::anwenden(e, 0, QStringLiteral("7")); // unknown person: left as it is
    QCOMPARE(e.Empfaenger, QStringLiteral("A"));
    Version2Import::anwenden(e, 4, QStringLiteral("ZB"));
    Version2Import::anwenden(e, 7, QStringLiteral("Dr. X"));
    Version2Import::anwenden(e, 8, QStringLiteral("egal"));
    QCOMPARE(e.Art, QStringLiteral("ZB"));
    QCOMPARE(e.Arzt, QStringLiteral("Dr. X"));
}

void TestLedgerCore::version2Werte_data()
{
    QTest::addColumn<int>("art"); // 0 date, 1 amount
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<QString>("ergebnis");
    QTest::newRow("datum-deutsch") << 0 << "1.2.01" << "01.02.2001";
    QTest::newRow("datum-basic") << 0 << "#2001-02-03#" << "03.02.2001";
    QTest::newRow("datum-iso") << 0 << "2001-02-03" << "03.02.2001";
    QTest::newRow("datum-kein") << 0 << "morgen" << "morgen";
    QTest::newRow("datum-unmoeglich") << 0 << "#2001-02-30#" << "#2001-02-30#";
    QTest::newRow("betrag-punkt") << 1 << "12.5" << "12,50";
    QTest::newRow("betrag-ganz") << 1 << "100" << "100,00";
    QTest::newRow("betrag-deutsch") << 1 << "1.234,56" << "1.234,56";
    QTest::newRow("betrag-negativ") << 1 << "-3.25" << "-3,25";
    QTest::newRow("betrag-text") << 1 << "viel" << "viel";
    QTest::newRow("betrag-leer") << 1 << "" << "";
    QTest::newRow("betrag-riesig") << 1 << "707777777777777777" << "707.777.777.777.777.792,00";
    QTest::newRow("betrag-riesig-negativ") << 1 << "-1e3" << "-1e3";
    QTest::newRow("betrag-gross") << 1 << "123456789012,34" << "123.456.789.012,34";
}

void TestLedgerCore::version2Werte()
{
    QFETCH(int, art);
    QFETCH(QString, eingabe);
    QFETCH(QString, ergebnis);
    QCOMPARE(art == 0 ? Version2Import::datum(eingabe) : Version2Import::betrag(eingabe), ergebnis);
}

void TestLedgerCore::version2Dateien_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<int>("gruppen");
    QTest::addColumn<int>("letzteGroesse");
    QTest::addColumn<QString>("ersterEmpfaenger");
    QTest::newRow("normal") << "normal.txt" << "15.03.2001" << 2 << 10 << "K3";
    QTest::newRow("unvollstaendig") << "unvollstaendig.txt" << "15.03.2001" << 2 << 5 << "A";
    QTest::newRow("ohne-datum") << "ohne_datum.txt" << "kein Datum" << 1 << 10 << "A";
    QTest::newRow("basic-datum") << "basic_datum.txt" << "15.03.2001" << 1 << 10 << "E";
    QTest::newRow("windows1252") << "windows1252.txt" << "15.03.2001" << 1 << 10 << "K3";
    QTest::newRow("viele") << "viele.txt" << "15.03.2001" << 250 << 10 << "A";
    QTest::newRow("leer") << "leer.txt" << "" << 0 << 0 << "";
    QTest::newRow("nur-kopf") << "nur_kopf.txt" << "" << 0 << 0 << "";
    QTest::newRow("muell") << "muell.txt" << "" << -1 << -1 << "";
}

void TestLedgerCore::version2Dateien()
{
    QFETCH(QString, datei);
    QFETCH(QString, datum);
    QFETCH(int, gruppen);
    QFETCH(int, letzteGroesse);
    QFETCH(QString, ersterEmpfaenger);
    QString text;
    QVERIFY(TextFile::read(TestUmgebung::testdaten(QStringLiteral("ledger/v2/") + datei), &text));
    const Version2Import::Inhalt inhalt = Version2Import::lesen(text);
    if (gruppen < 0) { // garbage: only that it reads without harm, in groups of at most ten
        for (const QStringList &g : inhalt.gruppen)
            QVERIFY(g.size() >= 1 && g.size() <= Version2Import::GruppenGroesse);
        return;
    }
    QCOMPARE(inhalt.antragsdatum, datum);
    QCOMPARE(int(inhalt.gruppen.size()), gruppen);
    if (gruppen == 0)
        return;
    QCOMPARE(int(inhalt.gruppen.last().size()), letzteGroesse);
    Version2Import::Eintrag e;
    for (int i = 0; i < inhalt.gruppen.first().size(); ++i)
        Version2Import::anwenden(e, i, inhalt.gruppen.first().at(i));
    QCOMPARE(e.Empfaenger, ersterEmpfaenger);
    if (datei == QLatin1String("windows1252.txt"))
        QCOMPARE(e.Arzt, QStringLiteral("Dr. ärger"));
    if (datei == QLatin1String("basic_datum.txt")) {
        QCOMPARE(e.Datum, QStringLiteral("01.02.2001"));
        QCOMPARE(e.Rechnung, QStringLiteral("12,50"));
        QCOMPARE(e.Versicherung, QStringLiteral("2,25"));
        QCOMPARE(e.Arzt, QStringLiteral("Optiker \"Klar\""));
    }
}

void TestLedgerCore::erwartung_data()
{
    QTest::addColumn<int>("person");
    QTest::addColumn<double>("rechnung");
    QTest::addColumn<double>("versicherung");
    QTest::addColumn<double>("kuerzung");
    QTest::addColumn<double>("erwartet");
    QTest::addColumn<unsigned>("regeln");
    // Rates 50 / 70 / 80; "X" has none.
    QTest::newRow("Antragsteller 50 %") << 1 << 200.0 << 0.0 << 0.0 << 100.0 << 0u;
    QTest::newRow("Ehegatte 70 %") << 2 << 200.0 << 0.0 << 0.0 << 140.0 << 0u;
    QTest::newRow("Kind 80 %, Versicherung 20 %") << 3 << 99.99 << 20.0 << 0.0 << 79.99 << 0u;
    QTest::newRow("anderer Empfänger") << 0 << 200.0 << 0.0 << 0.0 << 0.0 << unsigned(Erstattungserwartung::OhneSatz);
    QTest::newRow("100 %: Versicherung 60 %") << 2 << 200.0 << 120.0 << 0.0 << 80.0
                                            << unsigned(Erstattungserwartung::Hoechstgrenze);
    QTest::newRow("Faktor auf 2,3 gekappt") << 1 << 120.0 << 0.0 << 41.08 << 39.46
                                          << unsigned(Erstattungserwartung::Gebuehren);
    QTest::newRow("Heilpraktiker-Höchstbetrag, 100 %") << 3 << 150.0 << 100.0 << 60.0 << 50.0
                                                     << unsigned(Erstattungserwartung::Gebuehren
                                                                 | Erstattungserwartung::Hoechstgrenze);
}

void TestLedgerCore::erwartung()
{
    QFETCH(int, person);
    QFETCH(double, rechnung);
    QFETCH(double, versicherung);
    QFETCH(double, kuerzung);
    QFETCH(double, erwartet);
    QFETCH(unsigned, regeln);
    Erstattungserwartung::Saetze s;
    s.prozent[0] = 50, s.prozent[1] = 70, s.prozent[2] = 80;
    const Erstattungserwartung::Eingabe e{person, rechnung, versicherung, QDate(2024, 2, 1), kuerzung,
                                          QStringLiteral("Faktor 3,5 ohne Begründung")};
    const Erstattungserwartung::Ergebnis r = Erstattungserwartung::berechnen(e, s);
    QCOMPARE(r.erwartet, erwartet);
    QCOMPARE(r.regeln, regeln);
    QVERIFY(r.erwartet + versicherung <= rechnung + 0.001);
    // The tool tip names each rule that applied.
    const QString text = Erstattungserwartung::erklaerung(e, r);
    QCOMPARE(text.contains(QStringLiteral("§ 12 Abs. 6")), bool(regeln & Erstattungserwartung::Hoechstgrenze));
    QCOMPARE(text.contains(QStringLiteral("Faktor 3,5 ohne Begründung")), bool(regeln & Erstattungserwartung::Gebuehren));
}

void TestLedgerCore::bescheidRundreise()
{
    // A file from before decisions were recorded.
    const QString pfad = neueDatenbank();
    Antragskopf kopf;
    kopf.Antragsdatum = QStringLiteral("01.03.2024");
    kopf.zurueckerhalten = QStringLiteral("02.04.2024");
    Rechnungspositionen t;
    t.hinzufuegen(beleg(QStringLiteral("A"), QStringLiteral("10.01.2024"), QStringLiteral("AB"), 200, 0, true));
    t.hinzufuegen(beleg(QStringLiteral("E"), QStringLiteral("11.01.2024"), QStringLiteral("AB"), 100, 0, true));
    t.slot(1).Beleg = 1, t.slot(2).Beleg = 2;
    QVERIFY(Antragsdatenbank::speichern(pfad, QStringLiteral("01.03.2024"), kopf, t));
    std::optional<Bescheid> geladen;
    QVERIFY(Bescheid::laden(pfad, QStringLiteral("01.03.2024"), &geladen));
    QVERIFY(!geladen);

    Bescheid b;
    b.kennung = QStringLiteral("01.03.2024");
    b.datum = QDate(2024, 3, 28);
    b.eingang = QDate(2024, 4, 2);
    b.zeilen = {{1, 100.0, 150.0, 75.0, QStringLiteral("Faktor über 2,3 nicht begründet")}, {2, 70.0, 100.0, 70.0, {}}};
    QString fehler;
    QVERIFY2(Bescheid::speichern(pfad, b, &fehler), qPrintable(fehler));
    // Storing the application again keeps its decision.
    QVERIFY(Antragsdatenbank::speichern(pfad, QStringLiteral("01.03.2024"), kopf, t));
    QVERIFY(Bescheid::laden(pfad, QStringLiteral("01.03.2024"), &geladen));
    QVERIFY(geladen);
    QCOMPARE(geladen->datum, b.datum);
    QCOMPARE(geladen->eingang, b.eingang);
    QCOMPARE(geladen->zeilen.size(), 2);
    QCOMPARE(geladen->zeilen.at(0).grund, b.zeilen.at(0).grund);
    QCOMPARE(geladen->zeilen.at(0).anerkannt, 150.0);
    QCOMPARE(geladen->gekuerzt(), 25.0);

    // The overview takes the paid amounts and the cut per application and year.
    Uebersicht u;
    QVERIFY(Uebersicht::lesen(pfad, &u));
    QCOMPARE(u.antraege().at(0).erstattung, 145.0);
    QCOMPARE(u.antraege().at(0).gekuerzt, 25.0);
    QCOMPARE(u.antraege().at(0).offen(), 0.0);
    QCOMPARE(u.jahre().at(0).gekuerzt, 25.0);
}

void TestLedgerCore::widerspruchBrief()
{
    Feldtabelle f;
    for (const auto &[name, wert] : std::initializer_list<std::pair<const char *, const char *>>{
             {"1Vorname", "Erika"}, {"1Nachname", "Muster"}, {"1Beihilfenummer", "B-4711"},
             {"1BehördenName1", "Bezirksregierung Köln"}, {"1BehördenOrt", "Köln"}})
        f.setzen(QString::fromUtf8(name), QString::fromUtf8(wert));
    QVector<Rechnungsposition> p;
    for (const auto &[nr, datum, arzt, rechnung] : std::initializer_list<std::tuple<int, const char *, const char *, double>>{
             {1, "10.01.2024", "Dr. Zahn", 300.0}, {2, "11.01.2024", "Praxis Heil", 90.0}, {3, "12.01.2024", "Apotheke", 20.0}}) {
        Rechnungsposition r = beleg(QStringLiteral("A"), QString::fromLatin1(datum), QStringLiteral("AB"), rechnung, 0, true);
        r.Beleg = qint16(nr);
        r.Arzt = QString::fromUtf8(arzt);
        p << r;
    }
    Bescheid b;
    b.datum = QDate(2024, 3, 28);
    b.zeilen = {{1, 150.0, 200.0, 100.0, QStringLiteral("Schwellenwert")}, {2, 45.0, 60.0, 30.0, {}}, {3, 10.0, 20.0, 10.0, {}}};
    Widerspruch w;
    w.ausFeldern(f);
    w.heute = QDate(2024, 4, 5);
    w.ausBescheid(b, p, {{1, QStringLiteral("Faktor 3,5: besondere Schwierigkeit")}});
    const QString datei = TestUmgebung::neuesVerzeichnis(QStringLiteral("widerspruch")) + QStringLiteral("brief.pdf");
    QString fehler;
    QVERIFY2(Widerspruch::pdf(w.entwurf(), datei, &fehler), qPrintable(fehler));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {datei, QStringLiteral("-")});
    QVERIFY(text.waitForFinished());
    const QString gelesen = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString &soll :
         {QStringLiteral("Bezirksregierung Köln"), QStringLiteral("Beihilfe-Nummer: B-4711"),
          QStringLiteral("Beihilfebescheid vom 28.03.2024"),
          QStringLiteral("Beleg 1 vom 10.01.2024, Dr. Zahn: Rechnung 300,00 €, erwartete Beihilfe 150,00 €, erstattet "
                         "100,00 €"),
          QStringLiteral("Zur Gebührenprüfung: Faktor 3,5: besondere Schwierigkeit"),
          QStringLiteral("Beleg 2 vom 11.01.2024, Praxis Heil: Rechnung 90,00 €, erwartete Beihilfe 45,00 €, erstattet "
                         "30,00 €"),
          QStringLiteral("Insgesamt fehlen 65,00 €"), QStringLiteral("Erika Muster")})
        QVERIFY2(gelesen.contains(soll), qPrintable(soll + QStringLiteral("\n---\n") + gelesen));
    QVERIFY(!gelesen.contains(QStringLiteral("Apotheke")));
    // One month after receipt; a Saturday moves to the Monday.
    QCOMPARE(Widerspruch::fristende(QDate(2024, 1, 31)), QDate(2024, 2, 29));
    QCOMPARE(Widerspruch::fristende(QDate(2024, 4, 4)), QDate(2024, 5, 6));
}

VELMORA_TEST_MAIN_CORE(TestLedgerCore)
#include "TestLedgerCore.moc"
