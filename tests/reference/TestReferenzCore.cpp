// Record stepping, searches and letter jumps of the reference viewers, the
// text groups, the remedies' amounts and the clipboard's rich text.
#include "TestUmgebung.h"

#include "reference/Heilbehandlungsbereiche.h"
#include "reference/Rtf.h"
#include "reference/Textbestand.h"
#include "reference/Textgruppe.h"
#include "shell/Datenbank.h"

#include <QGuiApplication>

class TestReferenzCore : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gruppenzugehoerigkeit_data();
    void gruppenzugehoerigkeit();
    void gruppeLaedtNurIhreSchluessel_data();
    void gruppeLaedtNurIhreSchluessel();
    void blaetternBleibtAnDenEnden();
    void suchtextIstKlartext_data();
    void suchtextIstKlartext();
    void suchenOhneTrefferBleibtStehen();
    void leererSuchtextTrifftJedeZeile();
    void sprungbuchstabe_data();
    void sprungbuchstabe();
    void buchstabeSpringtZumErstenOrt();
    void anerkennungWirdGefunden();
    void nummernsucheIgnoriertLeerzeichen();
    void bereichUndBetrag_data();
    void bereichUndBetrag();
    void rtf();

private:
    // A table Texte(Nummer, Inhalt) with the given contents in order.
    void probebestand(Textbestand &b, const QStringList &inhalte);
    Datenbank m_probe;
};

void TestReferenzCore::probebestand(Textbestand &b, const QStringList &inhalte)
{
    if (!m_probe.istOffen()) {
        const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("probe")) + QStringLiteral("/p.db");
        QVERIFY(Datenbank::erstellen(pfad));
        QVERIFY(m_probe.oeffnen(pfad));
        QVERIFY(m_probe.ausfuehren(QStringLiteral("create table Texte (Nummer TEXT, Inhalt TEXT)")));
    }
    QVERIFY(m_probe.ausfuehren(QStringLiteral("delete from Texte")));
    for (int i = 0; i < inhalte.size(); ++i)
        QVERIFY(m_probe.ausfuehren(QStringLiteral("insert into Texte values (?, ?)"), {QString::number(i), inhalte.at(i)}));
    QVERIFY(b.laden(m_probe, QStringLiteral("select * from Texte order by rowid"), {}, {QStringLiteral("Inhalt")}));
    QCOMPARE(b.anzahl(), inhalte.size());
}

void TestReferenzCore::gruppenzugehoerigkeit_data()
{
    QTest::addColumn<QString>("nummer");
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("dazu");
    QTest::newRow("V in V") << "V1.1" << "V" << true;
    QTest::newRow("RV not in V") << "RV1" << "V" << false;
    QTest::newRow("RV in RV") << "RV1" << "RV" << true;
    QTest::newRow("V not in RV") << "V1" << "RV" << false;
    QTest::newRow("HÄG in HÄG") << "HÄG1" << "HÄG" << true;
    QTest::newRow("HZG not in HÄG") << "HZG1" << "HÄG" << false;
    QTest::newRow("lower case not in V") << "v1" << "V" << false;
    QTest::newRow("empty code") << "B01" << "" << false;
}

void TestReferenzCore::gruppenzugehoerigkeit()
{
    QFETCH(QString, nummer);
    QFETCH(QString, code);
    QFETCH(bool, dazu);
    QCOMPARE(Textgruppe::gehoertDazu(nummer, code), dazu);
}

void TestReferenzCore::gruppeLaedtNurIhreSchluessel_data()
{
    QTest::addColumn<QString>("code");
    for (const Textgruppe &g : Textgruppe::alle())
        QTest::newRow(qPrintable(g.code)) << g.code;
}

void TestReferenzCore::gruppeLaedtNurIhreSchluessel()
{
    QFETCH(QString, code);
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen));
    Textbestand b;
    QVERIFY(Textgruppe::laden(db, code, b));
    QVERIFY(b.anzahl() > 0);
    int erwartet = 0;
    const Datensatz alle = db.abfrage(QStringLiteral("select Nummer from Informationen"));
    for (int i = 0; i < alle.anzahl(); ++i)
        erwartet += Textgruppe::gehoertDazu(alle.wert(i, QStringLiteral("Nummer")).toString(), code);
    QCOMPARE(b.anzahl(), erwartet);
    QString vorige;
    for (int i = 0; i < b.anzahl(); ++i) {
        const QString n = b.text(i, QStringLiteral("Nummer"));
        QVERIFY2(n.startsWith(code), qPrintable(n));
        QVERIFY2(vorige < n, qPrintable(n));
        vorige = n;
    }
    QCOMPARE(b.position(), 0);
}

void TestReferenzCore::blaetternBleibtAnDenEnden()
{
    Textbestand b;
    probebestand(b, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QVERIFY(!b.blaettern(false));
    QCOMPARE(b.position(), 0);
    QVERIFY(b.blaettern(true));
    QVERIFY(b.blaettern(true));
    QCOMPARE(b.text(QStringLiteral("Inhalt")), QStringLiteral("c"));
    QVERIFY(!b.blaettern(true));
    QCOMPARE(b.position(), 2);
    Textbestand leer;
    QVERIFY(!leer.blaettern(true));
    QVERIFY(!leer.blaettern(false));
    QVERIFY(!leer.suchen(QString(), true));
}

void TestReferenzCore::suchtextIstKlartext_data()
{
    QTest::addColumn<QString>("begriff");
    QTest::addColumn<int>("treffer");
    // Rows: 0 plain, 1 with an apostrophe, 2 with a percent sign, 3 with an
    // asterisk, 4 with an underscore.
    QTest::newRow("apostrophe") << "'" << 1;
    QTest::newRow("quote in a word") << "Bad 'Sole'" << 1;
    QTest::newRow("percent") << "%" << 2;
    QTest::newRow("50 percent") << "50 %" << 2;
    QTest::newRow("asterisk") << "*" << 3;
    QTest::newRow("underscore") << "_" << 4;
    QTest::newRow("sql in the text") << "' or '1'='1" << -1;
    QTest::newRow("case does not matter") << "BÄDER" << 0;
}

void TestReferenzCore::suchtextIstKlartext()
{
    QFETCH(QString, begriff);
    QFETCH(int, treffer);
    Textbestand b;
    probebestand(b, {QStringLiteral("Bäder und Packungen"), QStringLiteral("Bad 'Sole' und Moor"),
                     QStringLiteral("Zuschlag 50 % bei Nacht"), QStringLiteral("Fußnote * am Ende"),
                     QStringLiteral("Datei kur_orte")});
    b.setzePosition(b.anzahl() - 1);
    QCOMPARE(b.sucheErste(begriff), treffer >= 0);
    QCOMPARE(b.position(), treffer >= 0 ? treffer : b.anzahl() - 1);
}

void TestReferenzCore::suchenOhneTrefferBleibtStehen()
{
    Textbestand b;
    probebestand(b, {QStringLiteral("Massage"), QStringLiteral("Fango"), QStringLiteral("Massage mit Fango")});
    b.setzePosition(1);
    QVERIFY(!b.suchen(QStringLiteral("Zahnersatz"), true));
    QCOMPARE(b.position(), 1);
    QVERIFY(!b.suchen(QStringLiteral("Zahnersatz"), false));
    QCOMPARE(b.position(), 1);
    // From the current row on, not including it.
    QVERIFY(b.suchen(QStringLiteral("fango"), true));
    QCOMPARE(b.position(), 2);
    QVERIFY(b.suchen(QStringLiteral("fango"), false));
    QCOMPARE(b.position(), 1);
    QVERIFY(!b.suchen(QStringLiteral("fango"), false));
    QCOMPARE(b.position(), 1);
}

void TestReferenzCore::leererSuchtextTrifftJedeZeile()
{
    Textbestand b;
    probebestand(b, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    b.setzePosition(2);
    QVERIFY(b.sucheErste(QString()));
    QCOMPARE(b.position(), 0);
    QVERIFY(b.suchen(QString(), true));
    QCOMPARE(b.position(), 1);
}

void TestReferenzCore::sprungbuchstabe_data()
{
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("buchstabe");
    QTest::newRow("b") << "b" << "B";
    QTest::newRow("B") << "B" << "B";
    QTest::newRow("z") << "z" << "Z";
    QTest::newRow("ü") << "ü" << "";
    QTest::newRow("Ö") << "Ö" << "";
    QTest::newRow("ß") << "ß" << "";
    QTest::newRow("digit") << "7" << "";
    QTest::newRow("punctuation") << "'" << "";
    QTest::newRow("nothing") << "" << "";
    QTest::newRow("two") << "ab" << "";
}

void TestReferenzCore::sprungbuchstabe()
{
    QFETCH(QString, getippt);
    QFETCH(QString, buchstabe);
    const auto b = Textbestand::sprungbuchstabe(getippt);
    QCOMPARE(b ? QString(*b) : QString(), buchstabe);
}

void TestReferenzCore::buchstabeSpringtZumErstenOrt()
{
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen));
    Textbestand b;
    QVERIFY(b.laden(db, QStringLiteral("select * from Kurorteverzeichnis")));
    b.setzePosition(b.anzahl() - 1);
    QVERIFY(b.springeZuBuchstabe(QStringLiteral("Name"), u'B'));
    QVERIFY(b.text(QStringLiteral("Name")).startsWith(u'B'));
    for (int i = 0; i < b.position(); ++i)
        QVERIFY(!b.text(i, QStringLiteral("Name")).startsWith(u'B', Qt::CaseInsensitive));
    const int vorher = b.position();
    QVERIFY(!b.springeZuBuchstabe(QStringLiteral("Name"), u'Q'));
    QCOMPARE(b.position(), vorher);
}

void TestReferenzCore::anerkennungWirdGefunden()
{
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("infos.mdb"), Datenbank::Modus::NurLesen));
    Textbestand b;
    QVERIFY(b.laden(db, QStringLiteral("select * from Kurorteverzeichnis"), {},
                    {QStringLiteral("Name"), QStringLiteral("AnerkenntnisHeilkurort")}));
    // "Monheimsallee" stands only in the recognition of an Aachen entry.
    QVERIFY(b.sucheErste(QStringLiteral("monheimsallee")));
    QCOMPARE(b.text(QStringLiteral("Name")), QStringLiteral("Aachen"));
    QCOMPARE(b.text(QStringLiteral("AnerkenntnisHeilkurort")), QStringLiteral("Monheimsallee"));
    QVERIFY(!b.suchen(QStringLiteral("monheimsallee"), true));
    // A word of a name as well.
    QVERIFY(b.sucheErste(QStringLiteral("Aalen")));
    QCOMPARE(b.text(QStringLiteral("Name")), QStringLiteral("Aalen"));
}

void TestReferenzCore::nummernsucheIgnoriertLeerzeichen()
{
    Datenbank db;
    QVERIFY(db.oeffnen(TestUmgebung::mitgeliefert() + QStringLiteral("tarvik.mdb"), Datenbank::Modus::NurLesen));
    Textbestand b;
    QVERIFY(b.laden(db, QStringLiteral("select * from Heilbehandlungen order by Nummer2")));
    QVERIFY(b.springeZu(QStringLiteral("Nummer"), QStringLiteral("23 B) BB)")));
    QCOMPARE(b.text(QStringLiteral("Nummer")), QStringLiteral("23 b) bb)"));
    const int vorher = b.position();
    QVERIFY(!b.springeZu(QStringLiteral("Nummer"), QStringLiteral("23' or '1'='1")));
    QVERIFY(!b.springeZu(QStringLiteral("Nummer"), QString()));
    QCOMPARE(b.position(), vorher);
}

void TestReferenzCore::bereichUndBetrag_data()
{
    QTest::addColumn<QVariant>("bereich");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("betrag");
    QTest::addColumn<QString>("anzeige");
    QTest::newRow("area 1") << QVariant(1) << "I. Inhalationen" << QVariant(8.8) << "8,80";
    QTest::newRow("area 4") << QVariant(4) << "IV. Packungen, Hydrotherapie, Bäder" << QVariant(38.53) << "38,53";
    QTest::newRow("area 10") << QVariant(10) << "X. Sonstiges" << QVariant(1234.5) << "1.234,50";
    QTest::newRow("area 0") << QVariant(0) << "" << QVariant() << "";
    QTest::newRow("area 11") << QVariant(11) << "" << QVariant(QString()) << "";
    QTest::newRow("area as text") << QVariant(QStringLiteral("8")) << "VIII. Logopädie" << QVariant(17.2) << "17,20";
}

void TestReferenzCore::bereichUndBetrag()
{
    QFETCH(QVariant, bereich);
    QFETCH(QString, text);
    QFETCH(QVariant, betrag);
    QFETCH(QString, anzeige);
    const int pos = Heilbehandlungsbereiche::position(bereich);
    QCOMPARE(pos >= 0 ? Heilbehandlungsbereiche::alle().at(pos) : QString(), text);
    QCOMPARE(Heilbehandlungsbereiche::betrag(betrag), anzeige);
}

void TestReferenzCore::rtf()
{
    const QByteArray r = Rtf::ausText(QStringLiteral("Bäder {x} a\\b\nZeile 2") + QChar(0x2029) + QStringLiteral("€"));
    QVERIFY(r.startsWith("{\\rtf1"));
    QVERIFY(r.endsWith('}'));
    QVERIFY(r.contains("B\\u228?der"));
    QVERIFY(r.contains("\\{x\\}"));
    QVERIFY(r.contains("a\\\\b"));
    QCOMPARE(r.count("\\par"), 2);
    QVERIFY(r.contains("\\u8364?"));
    // Nothing outside ASCII is left in the document.
    for (const char c : r)
        QVERIFY(uchar(c) < 0x80);
}

VELMORA_TEST_MAIN_CORE(TestReferenzCore)
#include "TestReferenzCore.moc"
