#include "TestUmgebung.h"

#include "shell/Datenbank.h"
#include "shell/Datenquelle.h"
#include "shell/SqliteLesen.h"

#include <QCryptographicHash>
#include <QFile>
#include <QGuiApplication>

class TestDatenbank : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void fehlendeDateiWirdNichtAngelegt();
    void fremdeDateiBleibtUnveraendert_data();
    void fremdeDateiBleibtUnveraendert();
    void cursor();
    void nullUndTypen();
    void werteSindDaten();
    void hinzufuegenAendernLoeschen();
    void suchen();
    void like_data();
    void like();
    void vlikeInAbfragen();
    void spalteAnhaengen();
    void transaktion();
    void datenquelle();
    void mitgelieferteDatenbanken();
    void direktLesen();

private:
    QString m_pfad;
};

void TestDatenbank::init()
{
    m_pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("db")) + QStringLiteral("test.mdb");
    QVERIFY(Datenbank::erstellen(m_pfad));
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    QVERIFY(db.ausfuehren(QStringLiteral("create table \"Anträge\" (Kennung TEXT, Antragsdatum DATE, "
                                         "\"BescheidHöhe\" DOUBLE, euro BOOLEAN, Bemerkung TEXT)")));
    const QVariantList zeilen[] = {
        {QStringLiteral("15.03.2001"), QStringLiteral("2001-03-15"), 12.5, 1, QStringLiteral("Zahnarzt Müller")},
        {QStringLiteral("01.02.2001"), QStringLiteral("2001-02-01"), QVariant(), 0, QStringLiteral("ÄRZTE")},
        {QStringLiteral("ohne"), QVariant(), QVariant(), 0, QStringLiteral("ohne Antragsdatum")},
    };
    for (const QVariantList &z : zeilen)
        QVERIFY(db.ausfuehren(QStringLiteral("insert into \"Anträge\" values (?, ?, ?, ?, ?)"), z));
}

void TestDatenbank::fehlendeDateiWirdNichtAngelegt()
{
    const QString fehlt = TestUmgebung::neuesVerzeichnis(QStringLiteral("fehlt")) + QStringLiteral("anträge.mdb");
    Datenbank db;
    QString fehler;
    QVERIFY(!db.oeffnen(fehlt, Datenbank::Modus::Schreiben, &fehler));
    QVERIFY(!fehler.isEmpty());
    QVERIFY(!QFile::exists(fehlt));
    QVERIFY(!db.abfrage(QStringLiteral("select 1")).istGueltig());
    QVERIFY(!db.ausfuehren(QStringLiteral("select 1")));
}

void TestDatenbank::fremdeDateiBleibtUnveraendert_data()
{
    QTest::addColumn<QByteArray>("inhalt");
    QByteArray jet(2048, '\0');
    jet.replace(4, 15, "Standard Jet DB");
    QTest::newRow("jet") << jet;
    QTest::newRow("text") << QByteArray("Das ist keine Datenbank\r\n");
    QByteArray kaputt("SQLite format 3\0", 16);
    kaputt.append(QByteArray(600, '\xAB'));
    QTest::newRow("kaputter-kopf") << kaputt;
}

void TestDatenbank::fremdeDateiBleibtUnveraendert()
{
    QFETCH(QByteArray, inhalt);
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("fremd")) + QStringLiteral("anträge.mdb");
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    f.close();
    Datenbank db;
    QVERIFY(!db.oeffnen(pfad));
    QVERIFY(!db.ausfuehren(QStringLiteral("create table x (a)")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), inhalt);
}

void TestDatenbank::cursor()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad, Datenbank::Modus::NurLesen));
    Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\" order by Antragsdatum"));
    QVERIFY(ds.istGueltig());
    QCOMPARE(ds.anzahl(), 3);
    QVERIFY(ds.ersteZeile());
    QVERIFY(!ds.istAnfang());
    // SQLite sorts Null first.
    QCOMPARE(ds.text(QStringLiteral("Kennung")), QStringLiteral("ohne"));
    QVERIFY(ds.naechsteZeile());
    QVERIFY(ds.naechsteZeile());
    QCOMPARE(ds.text(QStringLiteral("kennung")), QStringLiteral("15.03.2001"));
    QVERIFY(!ds.naechsteZeile());
    QVERIFY(ds.istEnde());
    QVERIFY(ds.letzteZeile());
    QVERIFY(ds.vorigeZeile());
    QVERIFY(ds.vorigeZeile());
    QVERIFY(!ds.vorigeZeile());
    QVERIFY(ds.istAnfang());
    Datensatz leer = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {QStringLiteral("x")});
    QVERIFY(leer.istGueltig());
    QCOMPARE(leer.anzahl(), 0);
    QVERIFY(leer.istEnde() && leer.istAnfang());
    QVERIFY(!leer.ersteZeile());
    QVERIFY(!leer.wert(QStringLiteral("Kennung")).isValid());
}

void TestDatenbank::nullUndTypen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {QStringLiteral("01.02.2001")});
    QVERIFY(ds.istNull(QStringLiteral("BescheidHöhe")));
    QVERIFY(!ds.istNull(QStringLiteral("Antragsdatum")));
    QVERIFY(ds.istNull(QStringLiteral("gibtEsNicht")));
    QCOMPARE(ds.wert(QStringLiteral("euro")).toInt(), 0);
    ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {QStringLiteral("15.03.2001")});
    QCOMPARE(ds.wert(QStringLiteral("BescheidHöhe")).toDouble(), 12.5);
}

void TestDatenbank::werteSindDaten()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    const QString boese = QStringLiteral("x' or '1'='1");
    Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {boese});
    QVERIFY(ds.istGueltig());
    QCOMPARE(ds.anzahl(), 0);
    QVERIFY(db.ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = ?"), {boese}));
    QCOMPARE(db.abfrage(QStringLiteral("select * from \"Anträge\"")).anzahl(), 3);
    QVERIFY(db.ausfuehren(QStringLiteral("insert into \"Anträge\" (Kennung) values (?)"), {QStringLiteral("O'Neill")}));
    ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {QStringLiteral("O'Neill")});
    QCOMPARE(ds.anzahl(), 1);
    // A broken statement fails without breaking the connection.
    QVERIFY(!db.ausfuehren(QStringLiteral("delete * from \"Anträge\" where Kennung = 'x")));
    QVERIFY(!db.letzterFehler().isEmpty());
    QCOMPARE(db.abfrage(QStringLiteral("select * from \"Anträge\"")).anzahl(), 4);
}

void TestDatenbank::hinzufuegenAendernLoeschen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    Datensatz t = db.tabelle(QStringLiteral("Anträge"));
    QCOMPARE(t.anzahl(), 3);
    QVERIFY(!t.hatSpalte(QStringLiteral("velmora_rowid")));
    QVERIFY(t.neueZeile({{QStringLiteral("Kennung"), QStringLiteral("neu")},
                         {QStringLiteral("euro"), 1},
                         {QStringLiteral("Spalte, die es nicht gibt"), 5}}));
    QCOMPARE(t.anzahl(), 4);
    QCOMPARE(t.text(QStringLiteral("Kennung")), QStringLiteral("neu"));
    QVERIFY(t.setzeWert(QStringLiteral("Bemerkung"), QStringLiteral("geändert")));
    Datensatz pruef = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = 'neu'"));
    QCOMPARE(pruef.text(QStringLiteral("Bemerkung")), QStringLiteral("geändert"));
    QVERIFY(t.ersteZeile());
    QVERIFY(t.loeschen());
    QCOMPARE(t.anzahl(), 3);
    QCOMPARE(db.abfrage(QStringLiteral("select * from \"Anträge\"")).anzahl(), 3);
    // Query sets are read-only.
    Datensatz q = db.abfrage(QStringLiteral("select * from \"Anträge\""));
    QVERIFY(!q.setzeWert(QStringLiteral("Bemerkung"), QStringLiteral("x")));
    QVERIFY(!q.loeschen());
}

void TestDatenbank::suchen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\" order by rowid"));
    auto kriterium = [](const Datensatz &d) { return Datenbank::like(d.text(QStringLiteral("Bemerkung")), QStringLiteral("*ä*")); };
    QVERIFY(ds.findeErste(kriterium));
    QCOMPARE(ds.text(QStringLiteral("Kennung")), QStringLiteral("01.02.2001"));
    QVERIFY(!ds.findeNaechste(kriterium));
    QCOMPARE(ds.text(QStringLiteral("Kennung")), QStringLiteral("01.02.2001"));
    QVERIFY(ds.letzteZeile());
    QVERIFY(ds.findeVorige(kriterium));
    QCOMPARE(ds.position(), 1);
}

void TestDatenbank::like_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("muster");
    QTest::addColumn<bool>("passt");
    QTest::newRow("teil") << "Zahnarzt Müller" << "*arzt*" << true;
    QTest::newRow("gross-klein") << "Zahnarzt Müller" << "*MÜLLER*" << true;
    QTest::newRow("umlaut") << "ÄRZTE" << "*ärzte*" << true;
    QTest::newRow("oe") << "Öl" << "*öl*" << true;
    QTest::newRow("ue") << "üBER" << "Über" << true;
    QTest::newRow("anfang") << "Zahnarzt" << "Zahn*" << true;
    QTest::newRow("anfang-nein") << "Zahnarzt" << "arzt*" << false;
    QTest::newRow("ende") << "Zahnarzt" << "*arzt" << true;
    QTest::newRow("exakt") << "abc" << "abc" << true;
    QTest::newRow("exakt-nein") << "abcd" << "abc" << false;
    QTest::newRow("leer-alles") << "x" << "**" << true;
    QTest::newRow("mitte") << "a-b-c" << "a*c" << true;
    QTest::newRow("ueberlappung") << "ab" << "ab*b" << false;
    QTest::newRow("quote") << "O'Neill" << "*'N*" << true;
}

void TestDatenbank::like()
{
    QFETCH(QString, wert);
    QFETCH(QString, muster);
    QFETCH(bool, passt);
    QCOMPARE(Datenbank::like(wert, muster), passt);
}

void TestDatenbank::vlikeInAbfragen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad, Datenbank::Modus::NurLesen));
    Datensatz ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where vlike(Bemerkung, ?) order by Antragsdatum"),
                              {QStringLiteral("*ärzte*")});
    QCOMPARE(ds.anzahl(), 1);
    ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where vlike(Bemerkung, ?)"), {QStringLiteral("*O*")});
    QCOMPARE(ds.anzahl(), 1);
    ds = db.abfrage(QStringLiteral("select * from \"Anträge\" where vlike(Bemerkung, ?)"), {QStringLiteral("*'*")});
    QCOMPARE(ds.anzahl(), 0);
}

void TestDatenbank::spalteAnhaengen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    QVERIFY(db.spalteAnhaengen(QStringLiteral("Anträge"), QStringLiteral("fälligam"), QStringLiteral("DATETIME")));
    QVERIFY(db.spaltenVon(QStringLiteral("Anträge")).contains(QStringLiteral("fälligam")));
    QVERIFY(!db.spalteAnhaengen(QStringLiteral("Anträge"), QStringLiteral("fälligam"), QStringLiteral("DATETIME")));
    QVERIFY(db.hatTabelle(QStringLiteral("Anträge")));
    QVERIFY(!db.hatTabelle(QStringLiteral("Rechnungen")));
}

void TestDatenbank::transaktion()
{
    Datenbank db;
    QVERIFY(db.oeffnen(m_pfad));
    QVERIFY(db.transaktionBeginnen());
    QVERIFY(db.ausfuehren(QStringLiteral("delete from \"Anträge\"")));
    db.transaktionVerwerfen();
    QCOMPARE(db.abfrage(QStringLiteral("select * from \"Anträge\"")).anzahl(), 3);
    QVERIFY(db.transaktionBeginnen());
    QVERIFY(db.ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = 'ohne'")));
    QVERIFY(db.transaktionAbschliessen());
    QCOMPARE(db.abfrage(QStringLiteral("select * from \"Anträge\"")).anzahl(), 2);
}

void TestDatenbank::datenquelle()
{
    Datenquelle q;
    q.setDatenbankpfad(m_pfad);
    q.setAbfrage(QStringLiteral("select * from \"Anträge\" order by Antragsdatum DESC"));
    q.setAnzeigespalten({{QStringLiteral("Antragsdatum"), QStringLiteral("Antragsdatum")},
                         {QStringLiteral("Bemerkung"), QStringLiteral("Bemerkung")}});
    q.setDatumsspalten({QStringLiteral("Antragsdatum")});
    QVERIFY(q.aktualisieren());
    QCOMPARE(q.rowCount(), 3);
    // Only date columns are rewritten: a remark that starts like a date stays whole.
    const QString bemerkung = QStringLiteral("2001-03-10 Zahnarzt Dr. Weber");
    QVERIFY(q.datenbank().ausfuehren(QStringLiteral("update \"Anträge\" set Bemerkung = ?"), {bemerkung}));
    QVERIFY(q.aktualisieren());
    QCOMPARE(q.data(q.index(0, 1)).toString(), bemerkung);
    QCOMPARE(q.columnCount(), 2);
    QCOMPARE(q.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Bemerkung"));
    QCOMPARE(q.data(q.index(0, 0)).toString(), QStringLiteral("15.03.2001"));
    QVERIFY(!q.data(q.index(2, 0)).isValid());
    QVERIFY(q.datenbank().ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = ?"), {QStringLiteral("ohne")}));
    QVERIFY(q.aktualisieren());
    QCOMPARE(q.rowCount(), 2);
    Datenquelle fehlt;
    fehlt.setDatenbankpfad(m_pfad + QStringLiteral(".fehlt"));
    fehlt.setAbfrage(QStringLiteral("select 1"));
    QVERIFY(!fehlt.aktualisieren());
    QCOMPARE(fehlt.rowCount(), 0);
}

void TestDatenbank::mitgelieferteDatenbanken()
{
    struct Erwartung
    {
        const char *datei;
        const char *tabelle;
        QStringList spalten;
    };
    const Erwartung erwartet[] = {
        {"drucken.mdb", "Formulare", {"Name", "Beschreibung", "Vorderseite", "Rückseite", "PVorderseite", "PRückseite",
                                      "Aufwendungen", "Verfügung", "Aufwendungen2", "Bescheid", "AufwendungenAnzahl",
                                      "Titel1", "PTitel4"}},
        {"drucken.mdb", "Antragsdruck", {"Antrag", "Art", "x", "y", "BeginnY", "Höhe", "Breite", "Inhalt",
                                         "Schriftgrösse", "Schrifttyp"}},
        {"drucken.mdb", "AntragsdruckEuro", {"Antrag", "Art", "Höhe", "Schriftgrösse"}},
        {"_anträge.mdb", "Anträge", {"Kennung", "Antragsdatum", "Unternummer", "Bemerkung", "eingereicht", "zurück",
                                     "Bescheidvom", "BescheidHöhe", "euro", "Pflegeantrag"}},
        {"_anträge.mdb", "Rechnungen", {"Kennung", "lfdNr", "Beleg", "Datum", "Empfänger", "Art", "Rechnung",
                                        "Versicherung", "Erstattung", "ErstattungV", "Rechnungsnummer", "euro", "Arzt",
                                        "bezahltam"}},
        {"adressen.mdb", "Adressen", {"Anrede", "Titel", "Name1", "Name2", "Strasse", "PLZ", "Ort", "Telefon",
                                      "Telefax", "Mobilfunk", "email"}},
        {"tarvik.mdb", "Gebühren", {"GO", "GOIndex", "Nummer", "Leistungstext", "Punkte", "Schlüssel", "Bestimmung"}},
        {"tarvik.mdb", "Anmerkungen", {"Nummer", "Info"}},
        {"tarvik.mdb", "Gesetze", {"Nummer", "Bereich", "Überschrift", "Information"}},
        {"tarvik.mdb", "Heilbehandlungen", {"Nummer", "Nummer2", "Bereich", "BetragDM", "BetragEuro", "Information"}},
        {"infos.mdb", "Informationen", {"Nummer", "Überschrift", "Inhalt"}},
        {"infos.mdb", "Kurorteverzeichnis", {"Name", "PLZ", "Gemeinde", "ArtBezeichnung", "AnerkenntnisHeilkurort"}},
    };
    for (const Erwartung &e : erwartet) {
        Datenbank db;
        const QString pfad = TestUmgebung::mitgeliefert() + QString::fromUtf8(e.datei);
        QVERIFY2(db.oeffnen(pfad, Datenbank::Modus::NurLesen), qPrintable(pfad));
        const QStringList vorhanden = db.spaltenVon(QString::fromUtf8(e.tabelle));
        for (const QString &s : e.spalten)
            QVERIFY2(vorhanden.contains(s), qPrintable(QStringLiteral("%1.%2").arg(QString::fromUtf8(e.tabelle), s)));
    }
    // The form kinds every NRW office needs are there, each with a description.
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb"), Datenbank::Modus::NurLesen));
    for (const char *name : {"BR Arnsberg", "BR Detmold", "BR Düsseldorf", "BR Köln", "BR Münster", "LBV NRW",
                             "OFD Düsseldorf", "OFD Münster", "Standardantrag"}) {
        Datensatz ds = db.abfrage(QStringLiteral("select * from Formulare where Name = ?"), {QString::fromUtf8(name)});
        QVERIFY2(ds.anzahl() == 1, name);
        QVERIFY2(!ds.text(QStringLiteral("Beschreibung")).isEmpty(), name);
    }
}

VELMORA_TEST_MAIN_CORE(TestDatenbank)
void TestDatenbank::direktLesen()
{
    // The read path of the first window: same values as the database layer,
    // bound values are data, and a missing or foreign file stays as it is.
    QList<QVariantHash> zeilen;
    QVERIFY(SqliteLesen::zeilen(m_pfad, QStringLiteral("select * from \"Anträge\" where Kennung = ? or Bemerkung = ?"),
                                {QStringLiteral("01.02.2001"), QStringLiteral("x' or '1'='1")}, &zeilen));
    QCOMPARE(zeilen.size(), 1);
    QCOMPARE(zeilen.at(0).value(QStringLiteral("Bemerkung")).toString(), QStringLiteral("ÄRZTE"));
    QVERIFY(zeilen.at(0).value(QStringLiteral("BescheidHöhe")).isNull());
    QVERIFY(zeilen.at(0).contains(QStringLiteral("BescheidHöhe")));
    QCOMPARE(zeilen.at(0).value(QStringLiteral("euro")).toInt(), 0);

    const QString fehlt = TestUmgebung::neuesVerzeichnis(QStringLiteral("direkt")) + QStringLiteral("drucken.mdb");
    QString fehler;
    QVERIFY(!SqliteLesen::zeilen(fehlt, QStringLiteral("select 1"), {}, &zeilen, &fehler));
    QVERIFY(!fehler.isEmpty());
    QVERIFY(!QFile::exists(fehlt));
    QFile f(fehlt);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("Das ist keine Datenbank\r\n");
    f.close();
    QVERIFY(!SqliteLesen::zeilen(fehlt, QStringLiteral("select * from Formulare"), {}, &zeilen));
    QVERIFY(zeilen.isEmpty());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), QByteArray("Das ist keine Datenbank\r\n"));
}

#include "TestDatenbank.moc"
