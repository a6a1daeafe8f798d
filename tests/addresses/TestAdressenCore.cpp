#include "AdressenTestdaten.h"
#include "TestUmgebung.h"
#include "addresses/Adressbestand.h"
#include "addresses/Adressliste.h"

#include <QDir>
#include <QGuiApplication>
#include <QtTest>

using namespace adressentest;

class TestAdressenCore : public QObject
{
    Q_OBJECT

    static QStringList anzeigenVon(const Adressbestand &b, const QString &feld = QStringLiteral("Anzeige"))
    {
        QStringList out;
        for (const Adresse &a : b.adressen())
            out << a.wert(feld);
        return out;
    }

private Q_SLOTS:
    void briefblock_data()
    {
        QTest::addColumn<QStringList>("werte"); // Anrede, Titel, Name1, Name2, Strasse, PLZ, Ort
        QTest::addColumn<QString>("block");
        QTest::newRow("vollständig") << QStringList{"Frau", "Dr.", "Erika", "Muster", "Hauptstr. 1", "40210", "Düsseldorf"}
                                     << "Frau Dr.\r\nErika Muster\r\nHauptstr. 1\r\n\r\n40210 Düsseldorf";
        QTest::newRow("ohne Titel") << QStringList{"Herr", "", "Hans", "Meier", "Postfach 12", "50667", "Köln"}
                                    << "Herr \r\nHans Meier\r\nPostfach 12\r\n\r\n50667 Köln";
        QTest::newRow("leer") << QStringList{"", "", "", "", "", "", ""} << " \r\n \r\n\r\n\r\n ";
    }
    void briefblock()
    {
        QFETCH(QStringList, werte);
        QFETCH(QString, block);
        const QStringList felder = {"Anrede", "Titel", "Name1", "Name2", "Strasse", "PLZ", "Ort"};
        Adresse a;
        for (int i = 0; i < felder.size(); ++i)
            a.setzeWert(felder.at(i), werte.at(i));
        a.setzeWert(QStringLiteral("Telefon"), QStringLiteral("0211 1234")); // not part of the block
        QCOMPARE(a.briefblock(), block);
    }

    // Listed in the order of Anzeige: case and umlauts do not count, equal
    // names are all listed in the order they were stored.
    void reihenfolge_data()
    {
        QTest::addColumn<QStringList>("anzeigen");
        QTest::addColumn<QStringList>("namen"); // Name1 in list order
        QTest::newRow("gleiche Anzeige") << QStringList{"Zahnarzt", "Arzt", "Zahnarzt"}
                                         << QStringList{"Name1", "Name0", "Name2"};
        QTest::newRow("Groß und klein") << QStringList{"zoll", "beihilfe", "Apotheke", "Bank"}
                                        << QStringList{"Name2", "Name3", "Name1", "Name0"};
        QTest::newRow("Umlaute") << QStringList{"Zahnarzt", "Augenarzt", "Ärztin"}
                                 << QStringList{"Name2", "Name1", "Name0"};
        QTest::newRow("leere Anzeige zuerst") << QStringList{"B", "", "A"} << QStringList{"Name1", "Name2", "Name0"};
    }
    void reihenfolge()
    {
        QFETCH(QStringList, anzeigen);
        QFETCH(QStringList, namen);
        Adressbestand b;
        QVERIFY(b.oeffnen(buch(anzeigen) + Adressbestand::dateiname()));
        QCOMPARE(namenVon(b), namen);
        Adressliste liste(b);
        QCOMPARE(liste.rowCount(), anzeigen.size());
        for (int i = 0; i < namen.size(); ++i)
            QCOMPARE(liste.data(liste.index(i, 0)).toString(), anzeigen.at(namen.at(i).mid(4).toInt()));
    }

    void apostrophUndAnfuehrungszeichen()
    {
        const QString pfad = buch({QStringLiteral("Bank")}) + Adressbestand::dateiname();
        Adressbestand b;
        QVERIFY(b.oeffnen(pfad));
        Adresse a;
        const QString boese = QStringLiteral("O'Neill'); drop table Adressen; --");
        a.setzeWert(QStringLiteral("Name1"), boese);
        a.setzeWert(QStringLiteral("Anzeige"), QStringLiteral("d'Artagnan \"Musketier\""));
        a.setzeWert(QStringLiteral("Bemerkungen"), QStringLiteral("Zeile 1\nZeile 2 mit '"));
        QString fehler;
        QVERIFY2(b.sichern(a, &fehler), qPrintable(fehler));
        QVERIFY(!a.istNeu());
        // Changed once more through an update, then read from the file anew.
        a.setzeWert(QStringLiteral("Name2"), QStringLiteral("'"));
        QVERIFY2(b.sichern(a, &fehler), qPrintable(fehler));
        Adressbestand neu;
        QVERIFY(neu.oeffnen(pfad));
        QCOMPARE(neu.anzahl(), 2);
        const int i = neu.positionVon(a.id());
        QVERIFY(i >= 0);
        QVERIFY(neu.adresse(i).gleicheWerte(a));
        QCOMPARE(neu.adresse(i).wert(QStringLiteral("Name1")), boese);
    }

    void loeschenTrifftNurDieEineAdresse()
    {
        const QString pfad = buch({"Zahnarzt", "Zahnarzt", "Arzt"}) + Adressbestand::dateiname();
        Adressbestand b;
        QVERIFY(b.oeffnen(pfad));
        QVERIFY(b.loeschen(b.adresse(2).id()));
        QCOMPARE(anzeigenVon(b, QStringLiteral("Name1")), (QStringList{"Name2", "Name0"}));
        Adressbestand neu;
        QVERIFY(neu.oeffnen(pfad));
        QCOMPARE(anzeigenVon(neu, QStringLiteral("Name1")), (QStringList{"Name2", "Name0"}));
    }

    // The list is read again when another program changed the file.
    void aktualisierenLiestFremdeAenderungen()
    {
        const QString pfad = buch({"B"}) + Adressbestand::dateiname();
        Adressbestand b;
        QVERIFY(b.oeffnen(pfad));
        QVERIFY(b.aktualisieren());
        QCOMPARE(b.anzahl(), 1);
        Adressbestand anderes;
        QVERIFY(anderes.oeffnen(pfad));
        Adresse a;
        a.setzeWert(QStringLiteral("Anzeige"), QStringLiteral("A"));
        QVERIFY(anderes.sichern(a));
        QVERIFY(b.aktualisieren());
        QCOMPARE(anzeigenVon(b), (QStringList{"A", "B"}));
    }

    // Each of two programs writes only its own change; CR LF shown as LF is none.
    void zweiProgrammeBehaltenBeideAenderungen()
    {
        const QString pfad = buch({QStringLiteral("Arzt")}) + Adressbestand::dateiname();
        Adressbestand progA, progB;
        QVERIFY(progA.oeffnen(pfad));
        Adresse a = progA.adresse(0);
        a.setzeWert(QStringLiteral("Bemerkungen"), QStringLiteral("1\r\n2"));
        QVERIFY(progA.sichern(a) && progB.oeffnen(pfad));
        Adresse b = progB.adresse(0);
        b.setzeWert(QStringLiteral("Bemerkungen"), QStringLiteral("1\n2"));
        b.setzeWert(QStringLiteral("Ort"), QStringLiteral("Bonn"));
        a.setzeWert(QStringLiteral("Telefon"), QStringLiteral("0228"));
        QVERIFY(progA.sichern(a) && progB.sichern(b) && progA.oeffnen(pfad));
        QCOMPARE(anzeigenVon(progA, QStringLiteral("Ort")) + anzeigenVon(progA, QStringLiteral("Telefon"))
                     + anzeigenVon(progA, QStringLiteral("Bemerkungen")),
                 (QStringList{QStringLiteral("Bonn"), QStringLiteral("0228"), QStringLiteral("1\r\n2")}));
    }

    void fehlgeschlagenesSichern_data()
    {
        QTest::addColumn<QString>("art");
        QTest::addColumn<int>("adressen");
        QTest::newRow("keine SQLite-Datei") << "keine SQLite-Datei" << 0;
        QTest::newRow("beschädigt") << "beschädigt" << 0;
        QTest::newRow("Tabelle fehlt") << "Tabelle fehlt" << 0;
        QTest::newRow("gesperrt") << "gesperrt" << 1;
    }
    void fehlgeschlagenesSichern()
    {
        QFETCH(QString, art);
        QFETCH(int, adressen);
        const QString pfad = kaputtesBuch(art);
        const QByteArray vorher = inhalt(pfad);
        QVERIFY(!vorher.isEmpty());
        Adressbestand b;
        QCOMPARE(b.oeffnen(pfad), adressen > 0);
        QCOMPARE(b.anzahl(), adressen);

        Adresse a;
        a.setzeWert(QStringLiteral("Name1"), QStringLiteral("Neu"));
        QString fehler;
        QVERIFY(!b.sichern(a, &fehler));
        QVERIFY(a.istNeu());
        QVERIFY2(fehler.contains(QDir::toNativeSeparators(pfad)), qPrintable(fehler));
        if (adressen > 0) {
            Adresse alt = b.adresse(0);
            alt.setzeWert(QStringLiteral("Name1"), QStringLiteral("Geändert"));
            QVERIFY(!b.sichern(alt));
            QVERIFY(!b.loeschen(alt.id(), &fehler));
            QVERIFY2(fehler.contains(QDir::toNativeSeparators(pfad)), qPrintable(fehler));
            QCOMPARE(b.adresse(0).wert(QStringLiteral("Name1")), QStringLiteral("Gesperrt"));
        }
        QCOMPARE(b.anzahl(), adressen);
        QCOMPARE(inhalt(pfad), vorher);
    }

    // A book without the file gets the shipped empty one on the first save.
    void fehlendesBuchEntstehtBeimSichern()
    {
        const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("ohne")) + Adressbestand::dateiname();
        Adressbestand b;
        QVERIFY(!b.oeffnen(pfad));
        Adresse a;
        a.setzeWert(QStringLiteral("Anzeige"), QStringLiteral("Erste"));
        QString fehler;
        QVERIFY2(b.sichern(a, &fehler), qPrintable(fehler));
        Adressbestand neu;
        QVERIFY(neu.oeffnen(pfad));
        QCOMPARE(anzeigenVon(neu), QStringList{QStringLiteral("Erste")});
    }

    // A book from before Anzeige and Bemerkungen gets the two columns.
    void altesBuchBekommtDieNeuenSpalten()
    {
        const QString pfad = TestUmgebung::neuesVerzeichnis(QStringLiteral("alt")) + Adressbestand::dateiname();
        QVERIFY(Datenbank::erstellen(pfad));
        {
            Datenbank db;
            QVERIFY(db.oeffnen(pfad));
            QVERIFY(db.ausfuehren(QStringLiteral("create table Adressen (Anrede text, Name1 text)")));
            QVERIFY(db.ausfuehren(QStringLiteral("insert into Adressen values ('Herr', 'Alt')")));
        }
        Adressbestand b;
        QVERIFY(b.oeffnen(pfad));
        Adresse a = b.adresse(0);
        a.setzeWert(QStringLiteral("Anzeige"), QStringLiteral("Altbestand"));
        QVERIFY(b.sichern(a));
        QCOMPARE(b.adresse(0).wert(QStringLiteral("Name1")), QStringLiteral("Alt"));
        QCOMPARE(b.adresse(0).anzeige(), QStringLiteral("Altbestand"));
    }

private:
    static QStringList namenVon(const Adressbestand &b) { return anzeigenVon(b, QStringLiteral("Name1")); }
};

VELMORA_TEST_MAIN_CORE(TestAdressenCore)
#include "TestAdressenCore.moc"
