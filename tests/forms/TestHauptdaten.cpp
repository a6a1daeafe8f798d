#include "FormsTestHilfe.h"
#include "TestUmgebung.h"
#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

using masken::finde;

class TestHauptdaten : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QWidget *m_m = nullptr;

    QLineEdit *text(const char *name, int i = -1) { return finde<QLineEdit>(m_m, QString::fromUtf8(name), i); }
    QCheckBox *box(const char *name, int i = -1) { return finde<QCheckBox>(m_m, QString::fromUtf8(name), i); }
    QComboBox *familienstand() { return finde<QComboBox>(m_m, QStringLiteral("Familienstand")); }
    QGroupBox *ehegatte() { return finde<QGroupBox>(m_m, QStringLiteral("Ehegattenframe")); }

    void oeffnen(const QStringList &zeilen = {})
    {
        m_h.reset();
        m_h = testhilfe::starten(testhilfe::verzeichnis(QStringLiteral("Standardantrag"), zeilen));
        m_m = m_h->oeffnen(QStringLiteral("Hauptdaten"));
        QVERIFY(m_m);
        Dialoge::zuruecksetzen();
    }

private Q_SLOTS:
    void init() { oeffnen(); }
    void cleanup() { m_h.reset(); }

    void ersterAufrufSetztMarkerUndFuelltAusDerFelddatei()
    {
        oeffnen({QStringLiteral("1Nachname:=Müller"), QStringLiteral("1Familienstand:=verheiratet seit"),
                 QStringLiteral("1Familienstandseit:=03.04.1995"), QStringLiteral("2EhegatteBerufstätig:=0"),
                 QStringLiteral("2EhegatteÖD:=1")});
        QCOMPARE(m_h->aktiv(0), QStringLiteral("1"));
        QCOMPARE(text("Nachname")->text(), QStringLiteral("Müller"));
        QCOMPARE(familienstand()->currentText(), QStringLiteral("verheiratet seit"));
        // The fill raised the same reactions as typing would.
        QCOMPARE(text("FStand", 0)->text(), QStringLiteral("03.04.1995"));
        QVERIFY(!box("FStandledig")->isChecked());
        QVERIFY(box("berufstätignein")->isChecked());
        QVERIFY(!box("iöDnein")->isChecked());
        QVERIFY(ehegatte()->isEnabled());
        // Opening again shows the same window.
        QCOMPARE(m_h->oeffnen(QStringLiteral("Hauptdaten")), m_m);
    }

    void ledigLeertUndSperrtEhegattenUndSeit()
    {
        familienstand()->setCurrentIndex(1);
        text("seit")->setText(QStringLiteral("01.05.1990"));
        QCOMPARE(text("FStand", 0)->text(), QStringLiteral("01.05.1990"));
        familienstand()->setCurrentIndex(0);
        QVERIFY(text("seit")->text().isEmpty());
        QVERIFY(!text("seit")->isEnabled());
        QCOMPARE(masken::hintergrund(text("seit")), m_m->palette().color(QPalette::Window));
        QVERIFY(!ehegatte()->isEnabled());
        QVERIFY(box("FStandledig")->isChecked());
        for (int i = 0; i < 4; ++i)
            QVERIFY(text("FStand", i)->text().isEmpty());
        // Back to a status with a spouse: everything open again.
        familienstand()->setCurrentIndex(3);
        QVERIFY(text("seit")->isEnabled());
        QCOMPARE(masken::hintergrund(text("seit")), masken::eingabefarbe());
        QVERIFY(ehegatte()->isEnabled());
        QVERIFY(!box("FStandledig")->isChecked());
    }

    void statusdatumFolgtJedemTastendruck_data()
    {
        QTest::addColumn<int>("stand");
        QTest::addColumn<int>("element");
        QTest::newRow("verheiratet") << 1 << 0;
        QTest::newRow("geschieden") << 2 << 1;
        QTest::newRow("verwitwet") << 3 << 2;
        QTest::newRow("getrennt") << 4 << 3;
    }
    void statusdatumFolgtJedemTastendruck()
    {
        QFETCH(int, stand);
        QFETCH(int, element);
        familienstand()->setCurrentIndex(stand);
        QLineEdit *seit = text("seit");
        seit->setFocus();
        QTest::keyClicks(seit, QStringLiteral("01.02"));
        QCOMPARE(text("FStand", element)->text(), QStringLiteral("01.02"));
        QTest::keyClicks(seit, QStringLiteral(".1990"));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(text("FStand", i)->text(), i == element ? QStringLiteral("01.02.1990") : QString());
    }

    void ehegatteBerufstaetigUndOeffentlicherDienst()
    {
        familienstand()->setCurrentIndex(1);
        QVERIFY(box("berufstätignein")->isChecked());
        QVERIFY(box("iöDnein")->isChecked());
        box("berufstätig")->setChecked(true);
        QVERIFY(!box("berufstätignein")->isChecked());
        box("iöD")->setChecked(true);
        QVERIFY(!box("iöDnein")->isChecked());
        box("berufstätig")->setChecked(false);
        QVERIFY(box("berufstätignein")->isChecked());
        // Single: no "no" boxes, whatever the spouse boxes say.
        familienstand()->setCurrentIndex(0);
        QVERIFY(!box("berufstätignein")->isChecked());
        QVERIFY(!box("iöDnein")->isChecked());
        box("iöD")->setChecked(false);
        QVERIFY(!box("iöDnein")->isChecked());
        // An activation applies the rules again without changing that.
        m_h->oeffnen(QStringLiteral("Infoform"));
        m_h->oeffnen(QStringLiteral("Hauptdaten"));
        QVERIFY(!box("berufstätignein")->isChecked());
    }

    void beamtenstatusUndArbeitsvertrag()
    {
        QCheckBox *kein = box("keinBeamter");
        QCheckBox *ja = box("vor1999ja");
        QVERIFY(!ja->isEnabled());
        kein->setChecked(true);
        QVERIFY(ja->isEnabled());
        QVERIFY(box("vor1999nein")->isChecked());
        QVERIFY(m_h->kasten(QStringLiteral("keinBeamter"))->isChecked());
        QVERIFY(!m_h->kasten(QStringLiteral("istBeamter"))->isChecked());
        ja->setChecked(true);
        QVERIFY(!box("vor1999nein")->isChecked());
        ja->setChecked(false);
        QVERIFY(box("vor1999nein")->isChecked());
        ja->setChecked(true);
        kein->setChecked(false);
        QVERIFY(!ja->isEnabled());
        QVERIFY(!ja->isChecked());
        QVERIFY(!box("vor1999nein")->isChecked());
        QVERIFY(!m_h->kasten(QStringLiteral("keinBeamter"))->isChecked());
        QVERIFY(m_h->kasten(QStringLiteral("istBeamter"))->isChecked());
    }

    void vollbeschaeftigungUndWochenstunden()
    {
        QLineEdit *stunden = text("Wochenstunden");
        auto *label = finde<QLabel>(m_m, QStringLiteral("Wochenstundenlabel"));
        QVERIFY(label);
        box("Vollnein")->setChecked(true);
        stunden->setText(QStringLiteral("20"));
        box("Vollja")->setChecked(true);
        QVERIFY(!box("Vollnein")->isChecked());
        QVERIFY(stunden->text().isEmpty());
        QVERIFY(!stunden->isEnabled());
        QVERIFY(!label->isEnabled());
        QCOMPARE(masken::hintergrund(stunden), m_m->palette().color(QPalette::Window));
        // Unticking changes nothing else.
        box("Vollja")->setChecked(false);
        QVERIFY(!stunden->isEnabled());
        box("Vollnein")->setChecked(true);
        QVERIFY(stunden->isEnabled());
        QVERIFY(label->isEnabled());
        QCOMPARE(masken::hintergrund(stunden), masken::eingabefarbe());
    }

    void beurlaubungNeinLoeschtGrundUndZeitraum()
    {
        box("Bezügeja")->setChecked(true);
        text("Grund")->setText(QStringLiteral("Weltreise"));
        text("vom")->setText(QStringLiteral("01.01.2000"));
        text("bis")->setText(QStringLiteral("31.12.2000"));
        box("Bezügenein")->setChecked(true);
        QVERIFY(!box("Bezügeja")->isChecked());
        for (const char *n : {"Grund", "vom", "bis"}) {
            QVERIFY2(text(n)->text().isEmpty(), n);
            QVERIFY2(!text(n)->isEnabled(), n);
        }
        box("Bezügeja")->setChecked(true);
        QVERIFY(!box("Bezügenein")->isChecked());
        for (const char *n : {"Grund", "vom", "bis"}) {
            QVERIFY2(text(n)->isEnabled(), n);
            QCOMPARE(masken::hintergrund(text(n)), masken::eingabefarbe());
        }
    }

    void sichtenSchreibenInDasHauptfensterUndKommenZurueck()
    {
        text("BSatz", 1)->setText(QStringLiteral("70"));
        QCOMPARE(m_h->feld(QStringLiteral("Bemessungssatz"), 1)->text(), QStringLiteral("70"));
        text("KSatz", 2)->setText(QStringLiteral("20"));
        QCOMPARE(m_h->feld(QStringLiteral("Krankenkasse"), 2)->text(), QStringLiteral("20"));
        text("Titel")->setText(QStringLiteral("Dr."));
        QCOMPARE(m_h->feld(QStringLiteral("Titel"))->text(), QStringLiteral("Dr."));
        text("Personalnummer")->setText(QStringLiteral("4711"));
        QCOMPARE(m_h->feld(QStringLiteral("Personalnummer"))->text(), QStringLiteral("4711"));
        QCOMPARE(text("BSatz", 0)->maxLength(), 3);
        // Another screen (the ledger) changes the shared controls; the next
        // activation shows their values.
        m_h->feld(QStringLiteral("Bemessungssatz"), 0)->setText(QStringLiteral("50"));
        m_h->feld(QStringLiteral("Krankenkasse"), 0)->setText(QStringLiteral("45"));
        m_h->kasten(QStringLiteral("keinBeamter"))->setChecked(true);
        m_h->oeffnen(QStringLiteral("Infoform"));
        m_h->oeffnen(QStringLiteral("Hauptdaten"));
        QCOMPARE(text("BSatz", 0)->text(), QStringLiteral("50"));
        QCOMPARE(text("KSatz", 0)->text(), QStringLiteral("45"));
        QVERIFY(box("keinBeamter")->isChecked());
        QVERIFY(box("vor1999ja")->isEnabled());
        // Saved under the main window's fields, and back after a restart.
        m_h->SpeichernKnopf_Click();
        const QStringList datei = testhilfe::felddatei(m_h->datenverzeichnis());
        QVERIFY(datei.contains(QStringLiteral("1BemessungssatzE:=70")));
        QVERIFY(datei.contains(QStringLiteral("1TitelAkademisch:=Dr.")));
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m_m = m_h->oeffnen(QStringLiteral("Hauptdaten"));
        QCOMPARE(text("BSatz", 1)->text(), QStringLiteral("70"));
        QCOMPARE(text("Titel")->text(), QStringLiteral("Dr."));
    }

    void hinweisZumFokussiertenSatz()
    {
        auto *info = finde<QLabel>(m_m, QStringLiteral("BKInfo"));
        QVERIFY(info);
        QVERIFY(info->text().isEmpty());
        testhilfe::fokus(text("BSatz", 1));
        QCOMPARE(info->text(), QStringLiteral("Bemessungssatz Ehegatte"));
        testhilfe::fokus(text("KSatz", 0));
        QCOMPARE(info->text(), QStringLiteral("Krankenversicherung Antragsteller"));
        testhilfe::fokus(text("Nachname"));
        QVERIFY(info->text().isEmpty());
    }

    void datumBeimVerlassen_data()
    {
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("warnung");
        const QString gd = QStringLiteral("Geburtsdatum");
        const QString eg = QStringLiteral("Ehegattengeburtsdatum");
        QTest::newRow("kurz") << gd << "1.2.1960" << "01.02.1960" << false;
        QTest::newRow("striche") << gd << "1-2-60" << "01.02.1960" << false;
        QTest::newRow("schraeg 20xx") << gd << "15/3/05" << "15.03.2005" << false;
        QTest::newRow("schon richtig") << gd << "29.02.1996" << "29.02.1996" << false;
        QTest::newRow("31. Februar") << gd << "31.02.1960" << "31.02.1960" << true;
        QTest::newRow("kein Datum") << gd << "morgen" << "morgen" << true;
        QTest::newRow("Monat 13") << gd << "32.13.2001" << "32.13.2001" << true;
        QTest::newRow("ohne Trenner") << gd << "05031952" << "05.03.1952" << false;
        QTest::newRow("leer") << gd << "" << "" << false;
        QTest::newRow("Ehegatte kurz") << eg << "3.4.70" << "03.04.1970" << false;
        QTest::newRow("Ehegatte falsch") << eg << "3.4." << "3.4." << true;
        QTest::newRow("Ehegatte leer") << eg << "" << "" << false;
    }
    void datumBeimVerlassen()
    {
        QFETCH(QString, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QFETCH(bool, warnung);
        familienstand()->setCurrentIndex(1);
        QLineEdit *e = finde<QLineEdit>(m_m, feld);
        testhilfe::fokus(e);
        e->setText(eingabe);
        Dialoge::zuruecksetzen();
        testhilfe::fokus(text("Telefon"));
        QCOMPARE(e->text(), ergebnis);
        QCOMPARE(Dialoge::protokoll().size(), warnung ? 1 : 0);
        if (warnung) {
            const auto m = Dialoge::letzteMeldung();
            QCOMPARE(m.text, QStringLiteral("Ungültiges Datum ! (TT.MM.JJJJ)"));
            QCOMPARE(m.titel, QStringLiteral("Warnung"));
            QCOMPARE(m.icon, QMessageBox::Critical);
            QCOMPARE(QApplication::focusWidget(), e);
        } else {
            QCOMPARE(QApplication::focusWidget(), text("Telefon"));
        }
    }

    void zweiFalscheDatenSchickenDenFokusNichtHinUndHer()
    {
        familienstand()->setCurrentIndex(1);
        text("Ehegattengeburtsdatum")->setText(QStringLiteral("99.99.99"));
        text("Geburtsdatum")->setText(QStringLiteral("xx"));
        testhilfe::fokus(text("Geburtsdatum"));
        Dialoge::zuruecksetzen();
        testhilfe::fokus(text("Ehegattengeburtsdatum"));
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        QCOMPARE(Dialoge::protokoll().size(), 1);
        QCOMPARE(QApplication::focusWidget(), text("Geburtsdatum"));
    }

    void escHoltDenStartbildschirmNachVorn()
    {
        testhilfe::fokus(text("Ort"));
        QTest::keyClick(text("Ort"), Qt::Key_Escape);
        QVERIFY(m_h->mdiArea()->activeSubWindow());
        QCOMPARE(m_h->vorn()->objectName(), QStringLiteral("Infoform"));
    }

    // Back to the screen by its tab, the cursor is in the field last used,
    // however often one switches (Qt passes it on when a tab is hidden).
    void fokusBleibtBeimReiterwechsel()
    {
        testhilfe::fokus(text("Ort"));
        QMdiSubWindow *hier = m_h->mdiArea()->activeSubWindow();
        for (int i = 0; i < 3; ++i) {
            m_h->oeffnen(QStringLiteral("Kinderform"));
            QApplication::processEvents();
            m_h->mdiArea()->setActiveSubWindow(hier);
            QApplication::processEvents();
            QCOMPARE(QApplication::focusWidget(), text("Ort"));
        }
    }

    void feldMarkierenMitStrgUmschaltF11F12()
    {
        oeffnen({QStringLiteral("1Ort:=Köln")});
        QLineEdit *ort = text("Ort");
        testhilfe::fokus(ort);
        m_h->Felder_einlesen();
        QCOMPARE(FeldControls::farbe(ort), m_h->farbe1());
        QTest::keyClick(ort, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(FeldControls::farbe(ort), m_h->farbe2());
        QTest::keyClick(ort, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(FeldControls::farbe(ort), m_h->farbe1());
        // Changed since the start: dark red at the next collection.
        ort->setText(QStringLiteral("Bonn"));
        m_h->Felder_einlesen();
        QCOMPARE(FeldControls::farbe(ort), m_h->farbe2());
    }

    void rundreiseUeberDieFelddatei()
    {
        QVERIFY(testhilfe::ausfuellen(m_m) > 40);
        familienstand()->setCurrentIndex(2);
        text("seit")->setText(QStringLiteral("02.03.2004"));
        for (int n = 0; n < 3; ++n) {
            text("BSatz", n)->setText(QString::number(50 + n));
            text("KSatz", n)->setText(QString::number(10 + n));
        }
        box("keinBeamter")->setChecked(true);
        text("Titel")->setText(QStringLiteral("Prof."));
        const auto vorher = testhilfe::werte(m_m);
        QCOMPARE(vorher.value(QStringLiteral("1FamilienstandGeschieden")), QStringLiteral("02.03.2004"));
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m_m = m_h->oeffnen(QStringLiteral("Hauptdaten"));
        QCOMPARE(testhilfe::werte(m_m), vorher);
        for (int n = 0; n < 3; ++n) {
            QCOMPARE(text("BSatz", n)->text(), QString::number(50 + n));
            QCOMPARE(text("KSatz", n)->text(), QString::number(10 + n));
        }
        QVERIFY(box("keinBeamter")->isChecked());
        QCOMPARE(text("Titel")->text(), QStringLiteral("Prof."));
    }

    void bankverbindungIbanUndBic()
    {
        oeffnen({QStringLiteral("1Bankleitzahl:=COBADEFFXXX")});
        QCOMPARE(text("Bankleitzahl")->text(), QStringLiteral("COBADEFFXXX"));
        auto *hinweis = finde<QLabel>(m_m, QStringLiteral("Bankhinweis"));
        QVERIFY(hinweis->isHidden());
        testhilfe::fokus(text("Kontonummer"));
        QTest::keyClicks(text("Kontonummer"), QStringLiteral("de88370400440532013000"));
        testhilfe::fokus(text("Institut"));
        QCOMPARE(text("Kontonummer")->text(), QStringLiteral("DE88 3704 0044 0532 0130 00"));
        QVERIFY2(hinweis->isVisible() && hinweis->text().contains(QStringLiteral("Prüfziffern")), qPrintable(hinweis->text()));
        QCOMPARE(QApplication::focusWidget(), text("Institut"));
    }

    void passtInsHauptfenster()
    {
        m_h->resize(1280, 800);
        QCoreApplication::processEvents();
        QWidget *fenster = Hauptform::fensterVon(m_m);
        testhilfe::bild(m_h.get(), QStringLiteral("hauptdaten"));
        QVERIFY(fenster->width() <= m_h->mdiArea()->viewport()->width());
        QVERIFY(fenster->height() <= m_h->mdiArea()->viewport()->height());
        QVERIFY(m_m->minimumSizeHint().width() <= m_m->width());
        QVERIFY(m_m->minimumSizeHint().height() <= m_m->height());
    }
};

VELMORA_TEST_MAIN(TestHauptdaten)
#include "TestHauptdaten.moc"
