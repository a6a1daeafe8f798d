#include "TestUmgebung.h"

#include "reference/Gebuehrenordnung.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "base/TextFile.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTextEdit>
#include <memory>

class TestGebuehrenordnung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    Gebuehrenordnung *m_g = nullptr;

    template<typename T = QWidget>
    T *w(const QString &name, int index = -1) const
    {
        for (T *x : m_g->findChildren<T *>(name))
            if (index < 0 || x->property("index").toInt() == index)
                return x;
        qWarning("no control %s", qPrintable(name));
        return nullptr;
    }
    QString text(const QString &name) const { return w<QLineEdit>(name)->text(); }
    void klicken(const QString &name, int index = -1) { w<QPushButton>(name, index)->click(); }
    void springen(const QString &nummer)
    {
        auto *s = w<QLineEdit>(QStringLiteral("SucheNummer"));
        s->setFocus();
        s->setText(nummer);
        QTest::keyClick(s, Qt::Key_Return);
    }
    void oeffnen(const QString &eintrag)
    {
        m_h->aktionAusfuehren(eintrag);
        m_g = qobject_cast<Gebuehrenordnung *>(m_h->maske(QStringLiteral("Gebührenordnung")));
        QVERIFY(m_g);
        QVERIFY(m_g->isVisible());
    }
    bool waehrungFrei() const
    {
        return w<QRadioButton>(QStringLiteral("Währung"), 0)->isEnabled()
               && w<QRadioButton>(QStringLiteral("Währung"), 1)->isEnabled();
    }

private Q_SLOTS:
    void initTestCase()
    {
        Dialoge::setTestbetrieb(true);
        const QString dir = TestUmgebung::programmverzeichnis(QStringLiteral("gebuehren"));
        QVERIFY(TextFile::write(dir + QStringLiteral("beihilfe.txt"), QStringLiteral("Standardantrag\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
        m_h = TestUmgebung::hauptfenster(dir, {1280, 860});
    }
    void init()
    {
        Dialoge::zuruecksetzen();
        Dialoge::setTestbetrieb(true);
        oeffnen(QStringLiteral("GOÄ"));
        w<QRadioButton>(QStringLiteral("Währung"), 1)->setChecked(true);
        klicken(QStringLiteral("Löschen_Knopf"));
        w<QLineEdit>(QStringLiteral("MFaktor"))->setText(QStringLiteral("1"));
    }

    // An invoice line: number 5 at factor 2,3 costs 10,72 euro.
    void rechnungszeilePruefen()
    {
        QCOMPARE(w<QLabel>(QStringLiteral("GOInfo"))->text(), QStringLiteral("Gebührenordnung für Ärzte (GOÄ)"));
        springen(QStringLiteral("5"));
        QCOMPARE(text(QStringLiteral("Nummer")), QStringLiteral("5"));
        QCOMPARE(text(QStringLiteral("Punkte")), QStringLiteral("80"));
        QCOMPARE(text(QStringLiteral("Schlüssel")), QStringLiteral("b"));
        QVERIFY(w<QTextEdit>(QStringLiteral("Infotext"))->toPlainText().startsWith(QStringLiteral("Symptombezogene")));
        w<QLineEdit>(QStringLiteral("MFaktor"))->setText(QStringLiteral("2,3"));
        QCOMPARE(text(QStringLiteral("Einfachwert")), QStringLiteral("4,66"));
        QCOMPARE(text(QStringLiteral("Faktor")), QStringLiteral("2,3"));
        QCOMPARE(text(QStringLiteral("Schwellenwert")), QStringLiteral("10,72"));
        QCOMPARE(text(QStringLiteral("Manuellwert")), QStringLiteral("10,72"));
        // DM: 80 points at 0,114.
        w<QRadioButton>(QStringLiteral("Währung"), 0)->setChecked(true);
        QCOMPARE(text(QStringLiteral("Einfachwert")), QStringLiteral("9,12"));
        QCOMPARE(text(QStringLiteral("Schwellenwert")), QStringLiteral("20,98"));
        // The dentists' schedule keeps DM and empties the text search.
        w<QLineEdit>(QStringLiteral("Volltext"))->setText(QStringLiteral("Blut"));
        oeffnen(QStringLiteral("GOZ"));
        QCOMPARE(w<QLineEdit>(QStringLiteral("Volltext"))->text(), QString());
        QCOMPARE(text(QStringLiteral("Nummer")), QStringLiteral("0010"));
        QCOMPARE(text(QStringLiteral("Einfachwert")), QStringLiteral("11,00"));
        w<QRadioButton>(QStringLiteral("Währung"), 1)->setChecked(true);
        QCOMPARE(text(QStringLiteral("Einfachwert")), QStringLiteral("5,62"));
        TestUmgebung::bild(m_h.get(), QStringLiteral("gebuehrenordnung-goz"));
    }

    void fehlendeNummer()
    {
        springen(QStringLiteral("3"));
        springen(QStringLiteral("99999"));
        const Dialoge::Meldung m = Dialoge::letzteMeldung();
        QCOMPARE(m.text, QStringLiteral("Die Gebührenziffer 99999 gibt es nicht!"));
        QCOMPARE(m.titel, QStringLiteral("Warnung!"));
        QCOMPARE(m.icon, QMessageBox::Critical);
        QCOMPARE(text(QStringLiteral("Nummer")), QStringLiteral("3"));
        QCOMPARE(w<QLineEdit>(QStringLiteral("SucheNummer"))->selectedText(), QStringLiteral("99999"));
    }

    void blaetternKlemmt()
    {
        oeffnen(QStringLiteral("Heilpraktiker"));
        QCOMPARE(m_g->position(), 0);
        klicken(QStringLiteral("DSN"), 0);
        QCOMPARE(m_g->position(), 0);
        QCOMPARE(text(QStringLiteral("Nummer")), QStringLiteral("1"));
        QCOMPARE(text(QStringLiteral("Einfachwert")), QStringLiteral("12,50"));
        QVERIFY(w<QLabel>(QStringLiteral("Hinweis"))->isVisible());
        TestUmgebung::bild(m_g, QStringLiteral("gebuehrenordnung-gebueh"));
        klicken(QStringLiteral("DSN"), 1);
        QCOMPARE(text(QStringLiteral("Nummer")), QStringLiteral("2a"));
        const int letzte = m_g->verzeichnis().anzahl() - 1;
        for (int i = 0; i < letzte + 2; ++i)
            klicken(QStringLiteral("DSN"), 1);
        QCOMPARE(m_g->position(), letzte);
        QCOMPARE(text(QStringLiteral("Nummer")), m_g->verzeichnis().zeile(letzte).nummer);
    }

    void loeschenNeuUndWaehrungssperre()
    {
        auto *liste = w<QTableWidget>(QStringLiteral("Liste"));
        auto *summe = w<QLabel>(QStringLiteral("Summe"));
        klicken(QStringLiteral("Löschen2_Knopf")); // empty list: nothing happens
        QCOMPARE(liste->rowCount(), 0);
        QCOMPARE(summe->text(), QString());
        springen(QStringLiteral("1")); // 80 points: 4,66 / 10,72
        w<QLineEdit>(QStringLiteral("MFaktor"))->setText(QStringLiteral("1,8"));
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        QVERIFY(!waehrungFrei());
        klicken(QStringLiteral("Addieren_Knopf"), 1);
        klicken(QStringLiteral("Addieren_Knopf"), 2);
        QCOMPARE(liste->rowCount(), 3);
        QCOMPARE(liste->item(0, 0)->text(), QStringLiteral("Ä 1       "));
        QCOMPARE(liste->item(2, 1)->text(), QStringLiteral("8,39"));
        QCOMPARE(summe->text(), QStringLiteral("23,77"));
        klicken(QStringLiteral("Löschen2_Knopf"));
        QCOMPARE(liste->rowCount(), 2);
        QCOMPARE(summe->text(), QStringLiteral("15,38"));
        QVERIFY(!waehrungFrei());
        klicken(QStringLiteral("Löschen2_Knopf"));
        klicken(QStringLiteral("Löschen2_Knopf"));
        QCOMPARE(summe->text(), QStringLiteral("0,00"));
        QVERIFY(waehrungFrei());
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        QVERIFY(!waehrungFrei());
        klicken(QStringLiteral("Löschen_Knopf"));
        QCOMPARE(liste->rowCount(), 0);
        QCOMPARE(summe->text(), QString());
        QVERIFY(waehrungFrei());
    }

    // An item without points adds 0,00; the list is still not empty.
    void waehrungssperreBeiNullbetrag()
    {
        oeffnen(QStringLiteral("GOZ"));
        springen(QStringLiteral("0120"));
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        QCOMPARE(w<QLabel>(QStringLiteral("Summe"))->text(), QStringLiteral("0,00"));
        QVERIFY(!waehrungFrei());
    }

    void nummernsprung_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("punkte");
        QTest::newRow("Kleinschreibung, Leerzeichen") << "GOÄ" << "k1" << "K 1" << "120";
        QTest::newRow("Buchstabe groß") << "GOÄ" << "250A" << "250a" << "40";
        QTest::newRow("Labornummer") << "GOÄ" << " 3562.h1" << "3562.H1" << "40";
        QTest::newRow("GOZ ohne Nullen") << "GOZ" << "10" << "0010" << "100";
        QTest::newRow("GebüH doppelt, erste") << "Heilpraktiker" << "11.2" << "11.2/1" << "";
        QTest::newRow("GebüH doppelt, zweite") << "Heilpraktiker" << "11.2/2" << "11.2/2" << "";
    }
    void nummernsprung()
    {
        QFETCH(QString, eintrag);
        QFETCH(QString, eingabe);
        oeffnen(eintrag);
        springen(eingabe);
        QTEST(text(QStringLiteral("Nummer")), "nummer");
        QTEST(text(QStringLiteral("Punkte")), "punkte");
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        auto *liste = w<QTableWidget>(QStringLiteral("Liste"));
        QCOMPARE(liste->item(liste->rowCount() - 1, 0)->text().trimmed(), m_g->code() + u' ' + text(QStringLiteral("Nummer")));
    }

    void listeUeberlebtSchliessen()
    {
        springen(QStringLiteral("1"));
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        klicken(QStringLiteral("Addieren_Knopf"), 1);
        auto *fenster = qobject_cast<QMdiSubWindow *>(m_g->parentWidget());
        QVERIFY(fenster);
        fenster->close();
        QVERIFY(!m_g->isVisible());
        oeffnen(QStringLiteral("GOZ"));
        QCOMPARE(w<QTableWidget>(QStringLiteral("Liste"))->rowCount(), 2);
        TestUmgebung::bild(m_g, QStringLiteral("gebuehrenordnung-liste"));
        // A window made anew shows the kept entries too.
        Gebuehrenordnung neu(*m_h);
        auto *liste = neu.findChild<QTableWidget *>(QStringLiteral("Liste"));
        QCOMPARE(liste->rowCount(), 2);
        QCOMPARE(liste->item(1, 1)->text(), QStringLiteral("10,72"));
        QCOMPARE(neu.findChild<QLabel *>(QStringLiteral("Summe"))->text(), QStringLiteral("15,38"));
    }

    void volleListe()
    {
        springen(QStringLiteral("1"));
        for (int i = 0; i < 100; ++i)
            klicken(QStringLiteral("Addieren_Knopf"), 0);
        QVERIFY(Dialoge::protokoll().isEmpty());
        klicken(QStringLiteral("Addieren_Knopf"), 0);
        QCOMPARE(Dialoge::protokoll().size(), 1);
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Warnung!"));
        QCOMPARE(w<QTableWidget>(QStringLiteral("Liste"))->rowCount(), 100);
        QCOMPARE(w<QLabel>(QStringLiteral("Summe"))->text(), QStringLiteral("466,00"));
    }

    void bestimmungNurMitVerweis()
    {
        springen(QStringLiteral("1"));
        auto *b = w<QPushButton>(QStringLiteral("Bestimmung_Knopf"));
        QVERIFY(b->isEnabled());
        springen(QStringLiteral("626")); // section F has no general provisions
        QVERIFY(!b->isEnabled());
        // Without the note and law viewers the buttons do no harm.
        springen(QStringLiteral("1"));
        klicken(QStringLiteral("Bestimmung_Knopf"));
        klicken(QStringLiteral("Gesetze_Knopf"));
        QVERIFY(Dialoge::protokoll().isEmpty());
    }
};

VELMORA_TEST_MAIN(TestGebuehrenordnung)
#include "TestGebuehrenordnung.moc"
