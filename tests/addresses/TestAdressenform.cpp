#include "AdressenTestdaten.h"
#include "TestUmgebung.h"
#include "addresses/Adressbestand.h"
#include "addresses/Adressenform.h"
#include "forms/MaskenBauer.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

using masken::finde;
using namespace adressentest;

class TestAdressenform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    Adressenform *m_m = nullptr;
    QString m_dir;

    void starten(const QString &dir)
    {
        m_h.reset();
        m_dir = dir;
        m_h = TestUmgebung::hauptfenster(dir, {1100, 760});
        QApplication::setActiveWindow(m_h.get());
        QVERIFY(QTest::qWaitForWindowActive(m_h.get()));
        m_h->Adressbuch_Knopf_Click();
        m_m = qobject_cast<Adressenform *>(m_h->maske(QStringLiteral("Adressenform")));
        QVERIFY(m_m);
        Dialoge::zuruecksetzen();
    }

    QPushButton *knopf(const char *name) { return finde<QPushButton>(m_m, QString::fromUtf8(name)); }
    QLineEdit *feld(const char *name) { return finde<QLineEdit>(m_m, QString::fromUtf8(name)); }
    QTableView *liste() { return finde<QTableView>(m_m, QStringLiteral("Liste")); }
    void blaettern(int index) { finde<QToolButton>(m_m, QStringLiteral("Nav_Knopf"), index)->click(); }
    void zurErsten() { finde<QToolButton>(m_m, QStringLiteral("DatenErste"))->click(); }

    // Name1 of every address in the file, in list order.
    QStringList namenImBuch()
    {
        Adressbestand b;
        b.oeffnen(m_dir + Adressbestand::dateiname());
        QStringList out;
        for (const Adresse &a : b.adressen())
            out << a.wert(QStringLiteral("Name1"));
        return out;
    }

private Q_SLOTS:
    void cleanup() { m_h.reset(); }

    void leeresBuch()
    {
        starten(buch({}));
        QVERIFY(!knopf("Listen_Knopf")->isEnabled());
        QVERIFY(!knopf("Sichern_Knopf")->isEnabled());
        QVERIFY(!knopf("Löschen_Knopf")->isEnabled());
        // Typing into the empty book starts a new address.
        QTest::keyClicks(feld("Name1"), QStringLiteral("Erste"));
        QVERIFY(knopf("Sichern_Knopf")->isEnabled());
        knopf("Sichern_Knopf")->click();
        QCOMPARE(namenImBuch(), QStringList{QStringLiteral("Erste")});
        QVERIFY(knopf("Listen_Knopf")->isEnabled());
        QVERIFY(knopf("Löschen_Knopf")->isEnabled());
        QVERIFY(Dialoge::protokoll().isEmpty());
    }

    void loeschen_data()
    {
        QTest::addColumn<QStringList>("buch");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QString>("danach"); // Name1 shown afterwards
        QTest::addColumn<QStringList>("rest");
        const QStringList drei = {"A", "B", "C"};
        QTest::newRow("erste") << drei << 0 << true << "Name1" << QStringList{"Name1", "Name2"};
        QTest::newRow("mittlere") << drei << 1 << true << "Name2" << QStringList{"Name0", "Name2"};
        QTest::newRow("letzte") << drei << 2 << true << "Name1" << QStringList{"Name0", "Name1"};
        QTest::newRow("Nein") << drei << 1 << false << "Name1" << QStringList{"Name0", "Name1", "Name2"};
        QTest::newRow("einzige") << QStringList{"A"} << 0 << true << "" << QStringList{};
    }
    void loeschen()
    {
        QFETCH(QStringList, buch);
        QFETCH(int, position);
        QFETCH(bool, ja);
        QFETCH(QString, danach);
        QFETCH(QStringList, rest);
        starten(adressentest::buch(buch));
        for (int i = 0; i < position; ++i)
            blaettern(1);
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name%1").arg(position));
        Dialoge::antworte(ja ? QMessageBox::Yes : QMessageBox::No);
        knopf("Löschen_Knopf")->click();
        const auto frage = Dialoge::letzteMeldung();
        QCOMPARE(frage.text, QStringLiteral("Adresse wirklich löschen?"));
        QCOMPARE(frage.titel, QStringLiteral("Bitte bestätigen..."));
        QCOMPARE(frage.icon, QMessageBox::Question);
        QCOMPARE(frage.knoepfe, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(Dialoge::protokoll().size(), 1);
        QCOMPARE(namenImBuch(), rest);
        QCOMPARE(feld("Name1")->text(), danach);
        QCOMPARE(knopf("Listen_Knopf")->isEnabled(), !rest.isEmpty());
        if (rest.isEmpty()) {
            // Every input empty, the title included.
            for (QLineEdit *e : m_m->findChildren<QLineEdit *>())
                if (e->parentWidget() != liste() && !e->objectName().isEmpty())
                    QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
            QVERIFY(feld("Titel")->text().isEmpty());
            QVERIFY(finde<QComboBox>(m_m, QStringLiteral("Anrede"))->currentText().isEmpty());
            QVERIFY(finde<QPlainTextEdit>(m_m, QStringLiteral("Bemerkungen"))->toPlainText().isEmpty());
            QVERIFY(!knopf("Löschen_Knopf")->isEnabled());
        }
    }

    void kopierenMitLeeremTitel()
    {
        starten(buch({"A"}));
        feld("Titel")->clear();
        feld("Name2")->setText(QStringLiteral("Muster"));
        feld("Strasse")->setText(QStringLiteral("Am Markt 3"));
        feld("PLZ")->setText(QStringLiteral("44135"));
        feld("Ort")->setText(QStringLiteral("Dortmund"));
        knopf("Kopieren_Knopf")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Herr \r\nName0 Muster\r\nAm Markt 3\r\n\r\n44135 Dortmund"));
    }

    // Stepping and the list follow Anzeige; equal names are both there, and
    // a click or Enter in the list shows the chosen address.
    void reihenfolgeUndListe()
    {
        starten(buch({"Zahnarzt", "Arzt", "Zahnarzt"}));
        QStringList geblaettert;
        for (int i = 0; i < 4; ++i) {
            geblaettert << feld("Name1")->text();
            blaettern(1);
        }
        QCOMPARE(geblaettert, (QStringList{"Name1", "Name0", "Name2", "Name2"}));
        zurErsten();
        blaettern(0);
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name1"));

        knopf("Listen_Knopf")->click();
        QVERIFY(m_m->listenansicht());
        QVERIFY(liste()->isVisible());
        QVERIFY(!knopf("Sichern_Knopf")->isVisible());
        QCOMPARE(liste()->model()->rowCount(), 3);
        QCOMPARE(liste()->model()->index(2, 0).data().toString(), QStringLiteral("Zahnarzt"));
        QTest::mouseClick(liste()->viewport(), Qt::LeftButton, {}, liste()->visualRect(liste()->model()->index(2, 0)).center());
        QVERIFY(!m_m->listenansicht());
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name2"));

        knopf("Listen_Knopf")->click();
        QCOMPARE(liste()->currentIndex().row(), 2);
        QTest::keyClick(liste(), Qt::Key_Up);
        QTest::keyClick(liste(), Qt::Key_Return);
        QVERIFY(!m_m->listenansicht());
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name0"));
    }

    // Edits are written when the user moves on, lists, starts a new address,
    // leaves the screen or ends the program; an apostrophe stays data.
    void bearbeitungWirdBeimVerlassenGeschrieben_data()
    {
        QTest::addColumn<QString>("wie");
        for (const char *wie : {"vor", "zurück", "Daten letzte", "Liste", "Neue Adresse", "andere Maske",
                                "Fenster schließen", "Programmende"})
            QTest::newRow(wie) << wie;
    }
    void bearbeitungWirdBeimVerlassenGeschrieben()
    {
        QFETCH(QString, wie);
        starten(buch({"A", "B"}));
        blaettern(1);
        feld("Name1")->setText(QStringLiteral("O'Neill"));
        if (wie == QStringLiteral("vor"))
            blaettern(1);
        else if (wie == QStringLiteral("zurück"))
            blaettern(0);
        else if (wie == QStringLiteral("Daten letzte"))
            finde<QToolButton>(m_m, QStringLiteral("DatenLetzte"))->click();
        else if (wie == QStringLiteral("Liste"))
            knopf("Listen_Knopf")->click();
        else if (wie == QStringLiteral("Neue Adresse"))
            knopf("Neu_Knopf")->click();
        else if (wie == QStringLiteral("andere Maske"))
            m_h->Info_Knopf_Click();
        else if (wie == QStringLiteral("Fenster schließen"))
            qobject_cast<QMdiSubWindow *>(Hauptform::fensterVon(m_m))->close();
        else {
            Dialoge::antworte(QMessageBox::No); // ends without saving the field file
            QVERIFY(m_h->Ende_Knopf_Click());
        }
        QCOMPARE(namenImBuch(), (QStringList{"Name0", "O'Neill"}));
        QCOMPARE(Dialoge::protokoll().size(), wie == QStringLiteral("Programmende") ? 1 : 0); // only the exit prompt
    }

    void neueAdresseUndRueckgaengig()
    {
        starten(buch({"B"}));
        feld("Name1")->setText(QStringLiteral("geändert"));
        knopf("Rückgängig_Knopf")->click();
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name0"));

        knopf("Neu_Knopf")->click();
        QVERIFY(feld("Name1")->text().isEmpty());
        QVERIFY(feld("Titel")->text().isEmpty());
        QVERIFY(knopf("Sichern_Knopf")->isEnabled());
        feld("Name1")->setText(QStringLiteral("verworfen"));
        knopf("Rückgängig_Knopf")->click();
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name0"));
        QCOMPARE(namenImBuch(), QStringList{QStringLiteral("Name0")});

        knopf("Neu_Knopf")->click();
        feld("Name1")->setText(QStringLiteral("Neu"));
        feld("Anzeige")->setText(QStringLiteral("A"));
        knopf("Sichern_Knopf")->click();
        QCOMPARE(namenImBuch(), (QStringList{"Neu", "Name0"}));
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Neu")); // the saved one is current
        blaettern(1);
        QCOMPARE(feld("Name1")->text(), QStringLiteral("Name0"));
    }

    // A save that fails says so, naming the file; the typed text stays and
    // the file is untouched.
    void fehlgeschlagenesSichern_data()
    {
        QTest::addColumn<QString>("art");
        QTest::newRow("keine SQLite-Datei") << "keine SQLite-Datei";
        QTest::newRow("Tabelle fehlt") << "Tabelle fehlt";
        QTest::newRow("gesperrt") << "gesperrt";
    }
    void fehlgeschlagenesSichern()
    {
        QFETCH(QString, art);
        const QString pfad = kaputtesBuch(art);
        const QByteArray vorher = inhalt(pfad);
        starten(QFileInfo(pfad).absolutePath() + u'/');
        QTest::keyClicks(feld("Name2"), QStringLiteral("Getippt"));
        knopf("Sichern_Knopf")->click();
        QCOMPARE(Dialoge::protokoll().size(), 1);
        const auto m = Dialoge::letzteMeldung();
        QCOMPARE(m.icon, QMessageBox::Critical);
        QVERIFY2(m.text.contains(QDir::toNativeSeparators(pfad)), qPrintable(m.text));
        QCOMPARE(feld("Name2")->text(), QStringLiteral("Getippt"));
        QCOMPARE(inhalt(pfad), vorher);
        // Ending with saving keeps the program open with the typed text.
        Dialoge::antworte(QMessageBox::Yes);
        QVERIFY(!m_h->Ende_Knopf_Click());
        QVERIFY(!m_h->istBeendet());
        QCOMPARE(feld("Name2")->text(), QStringLiteral("Getippt"));
    }

    void bilder()
    {
        if (qEnvironmentVariableIsEmpty("VELMORA_BILDER"))
            QSKIP("VELMORA_BILDER not set");
        starten(buch({"Zahnarzt Dr. Brinkmann", "Beihilfestelle Bezirksregierung Düsseldorf", "Apotheke"}));
        QWidget *fenster = Hauptform::fensterVon(m_m);
        TestUmgebung::bild(fenster, QStringLiteral("adressbuch-detail"));
        knopf("Listen_Knopf")->click();
        TestUmgebung::bild(fenster, QStringLiteral("adressbuch-liste"));
        TestUmgebung::bild(m_h.get(), QStringLiteral("adressbuch-hauptfenster"));
    }
};

VELMORA_TEST_MAIN(TestAdressenform)
#include "TestAdressenform.moc"
