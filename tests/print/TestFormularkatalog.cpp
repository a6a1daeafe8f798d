// Loading the catalogue entry of a form kind, and layout references.
#include "TestUmgebung.h"

#include "print/Antragsseiten.h"
#include "print/Formularkatalog.h"
#include "shell/Datenbank.h"

#include <QFile>
#include <QGuiApplication>

namespace {
// A print-layout database whose Formulare table holds the given rows
// (Name, Vorderseite, Rückseite, Aufwendungen2, AufwendungenAnzahl, Titel1, PTitel2).
QString katalog(const QList<QVariantList> &zeilen)
{
    const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("katalog")) + QStringLiteral("drucken.mdb");
    QFile::copy(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb"), pfad);
    QFile::setPermissions(pfad, QFile::ReadOwner | QFile::WriteOwner);
    Datenbank db;
    if (!db.oeffnen(pfad) || !db.ausfuehren(QStringLiteral("delete from Formulare")))
        return {};
    for (const QVariantList &z : zeilen)
        db.ausfuehren(QStringLiteral("insert into Formulare (Name, Vorderseite, \"Rückseite\", Aufwendungen2, "
                                     "AufwendungenAnzahl, Titel1, PTitel2) values (?,?,?,?,?,?,?)"),
                      z);
    return pfad;
}
} // namespace

class TestFormularkatalog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zweiterLadevorgangErsetztAlles()
    {
        const QString db = TestUmgebung::mitgeliefert() + Formularkatalog::Dateiname;
        Katalogeintrag e;
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("LBV NRW"), e));
        QCOMPARE(e.Druckbereiche[0], QStringLiteral("1LBV-V"));
        QCOMPARE(e.Druckbereiche[5], QStringLiteral("1LBV-AUF2"));
        QCOMPARE(e.AufwendungenAnzahl, qint16(69));
        QCOMPARE(e.Titel[3], QStringLiteral("Aufwendungen Kostenarten 6 - 8"));
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("BR Köln"), e));
        QCOMPARE(e.Druckbereiche[0], QStringLiteral("1KLN-V"));
        QCOMPARE(e.Druckbereiche[1], QStringLiteral("1STD-R"));
        QCOMPARE(e.Druckbereiche[7], QStringLiteral("1STD-VERF"));
        // Empty text in the second row empties the element.
        QCOMPARE(e.Druckbereiche[5], QString());
        QCOMPARE(e.AufwendungenAnzahl, qint16(23));
        QCOMPARE(e.Titel[3], QStringLiteral("x"));
        QCOMPARE(e.PTitel[3], QStringLiteral("Angaben zur dauernden Pflege"));
    }

    void fehlschlaegeBehaltenDenEintrag()
    {
        const QString db = TestUmgebung::mitgeliefert() + Formularkatalog::Dateiname;
        Katalogeintrag e;
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("LBV NRW"), e));
        const Katalogeintrag vorher = e;
        for (const QString &name : {QStringLiteral("gibt es nicht"), QStringLiteral("O'Brien"),
                                    QStringLiteral("x' or '1'='1"), QString()}) {
            QVERIFY(!Formularkatalog::Formulare_laden(db, name, e));
            QCOMPARE(e.Druckbereiche, vorher.Druckbereiche);
            QCOMPARE(e.Titel, vorher.Titel);
        }
        QVERIFY(!Formularkatalog::Formulare_laden(TestUmgebung::basis() + QStringLiteral("/nicht.mdb"),
                                                  QStringLiteral("LBV NRW"), e));
        QCOMPARE(e.Druckbereiche, vorher.Druckbereiche);
        QCOMPARE(e.AufwendungenAnzahl, vorher.AufwendungenAnzahl);
    }

    void nullSpaltenUndApostroph()
    {
        const QString db = katalog({{"Erste", "1ERSTE-V", "1ERSTE-R", "1AUF2", 30, "Titel eins", "P zwei"},
                                    {"Leer", QVariant(), "1LEER-R", QVariant(), QVariant(), QVariant(), QVariant()},
                                    {"O'Hara", "2OHARA", "", "", 70000, "T", "P"},
                                    {"Erste", "1ZWEITE", "", "", 1, "", ""}});
        QVERIFY(!db.isEmpty());
        Katalogeintrag e;
        // Several rows of a name: the first one counts.
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("Erste"), e));
        QCOMPARE(e.Druckbereiche[0], QStringLiteral("1ERSTE-V"));
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("Leer"), e));
        // A Null layout column gives an empty reference ...
        QCOMPARE(e.Druckbereiche[0], QString());
        QCOMPARE(e.Druckbereiche[1], QStringLiteral("1LEER-R"));
        QCOMPARE(e.Druckbereiche[5], QString());
        // ... a Null count or title keeps the element.
        QCOMPARE(e.AufwendungenAnzahl, qint16(30));
        QCOMPARE(e.Titel[1], QStringLiteral("Titel eins"));
        QCOMPARE(e.PTitel[2], QStringLiteral("P zwei"));
        // A name with an apostrophe is just a name; a count beyond 16 bits
        // keeps the old count.
        QVERIFY(Formularkatalog::Formulare_laden(db, QStringLiteral("O'Hara"), e));
        QCOMPARE(e.Druckbereiche[0], QStringLiteral("2OHARA"));
        QCOMPARE(e.AufwendungenAnzahl, qint16(30));
    }

    void referenzen_data()
    {
        QTest::addColumn<QString>("referenz");
        QTest::addColumn<bool>("vorher");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("querformat");
        QTest::newRow("hoch") << "1STD-V" << true << "STD-V" << false;
        QTest::newRow("quer") << "2STD-Q" << false << "STD-Q" << true;
        QTest::newRow("keine Ziffer, bleibt quer") << "XABC" << true << "ABC" << true;
        QTest::newRow("keine Ziffer, bleibt hoch") << "XABC" << false << "ABC" << false;
        QTest::newRow("Null bleibt") << "0ABC" << true << "ABC" << true;
        QTest::newRow("lang") << "1ABCDEFGHIJKLMNOPQ" << true << "ABCDEFGHIJKLMNO" << false;
        QTest::newRow("leer") << "" << true << "" << true;
        QTest::newRow("nur Ziffer") << "2" << false << "" << true;
    }

    void referenzen()
    {
        QFETCH(QString, referenz);
        QFETCH(bool, vorher);
        QFETCH(QString, name);
        QFETCH(bool, querformat);
        bool quer = vorher;
        QCOMPARE(Antragsseiten::layoutname(referenz, &quer), name);
        QCOMPARE(quer, querformat);
    }

    void seitennamen()
    {
        QCOMPARE(Antragsseiten::index(QStringLiteral("vorderseite")), std::optional<int>(0));
        QCOMPARE(Antragsseiten::index(QStringLiteral("pflege-rueckseite-komplett")), std::optional<int>(7));
        QCOMPARE(Antragsseiten::index(QStringLiteral("Vorderseite")), std::nullopt);
        const auto &s = Antragsseiten::seiten();
        QCOMPARE(s[2].druckbereich, 0);
        QVERIFY(s[2].komplett);
        QCOMPARE(s[5].druckbereich, 3);
        QVERIFY(!s[5].komplett);
    }
};

VELMORA_TEST_MAIN_CORE(TestFormularkatalog)
#include "TestFormularkatalog.moc"
