#include "TestUmgebung.h"

#include "forms/MaskenBauer.h"
#include "shell/Datumsauswahl.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/HilfeFenster.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextBrowser>

Q_DECLARE_METATYPE(masken::Feld)

// The guide opens at the part for the screen in front; every screen has
// one; date boxes offer a calendar.
class TestHilfe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void jedeMaskeHatEinenAbschnitt_data()
    {
        QTest::addColumn<QString>("maske");
        Hauptform h;
        for (const QString &n : h.masken() + QStringList{"Hauptform", "Druckfunktion", "Druckvorschau", "MultiuserForm"})
            QTest::newRow(qPrintable(n)) << n;
    }
    void jedeMaskeHatEinenAbschnitt()
    {
        QFETCH(QString, maske);
        const QString anker = HilfeFenster::anker(maske);
        QFile f(HilfeFenster::adresse().toString().mid(3)); // ":/hilfe/…"
        QVERIFY(!anker.isEmpty() && f.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(f.readAll()).contains(QStringLiteral("<a name=\"%1\">").arg(anker)),
                 qPrintable(anker));
    }

    void oeffnetAmAbschnitt_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("anker");
        QTest::addColumn<QString>("ueberschrift");
        const QString start = QStringLiteral("Velmora – Anleitung");
        QTest::newRow("Start") << QString() << QString() << start;
        QTest::newRow("erste Schritte") << "erste-schritte" << "erste-schritte" << "Erste Schritte: Ihr erster Antrag";
        QTest::newRow("Aufwendungen") << "Aufwendungen" << "aufwendungen" << "Aufwendungen";
        QTest::newRow("unbekannt: Start") << "Gibtsnicht" << QString() << start;
    }
    void oeffnetAmAbschnitt()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, anker);
        QFETCH(QString, ueberschrift);
        QWidget hauptfenster;
        hauptfenster.show();
        // Opened from somewhere else first: the same window moves on.
        HilfeFenster::zeigen(&hauptfenster, QStringLiteral("Kinderform"));
        HilfeFenster *fenster = HilfeFenster::offen();
        HilfeFenster::zeigen(&hauptfenster, abschnitt);
        QVERIFY(HilfeFenster::offen() == fenster && QTest::qWaitForWindowExposed(fenster));
        QTextBrowser *b = fenster->browser();
        QCOMPARE(b->source(), HilfeFenster::adresse(anker));
        // The part's heading is the first line in view.
        QTRY_COMPARE(b->cursorForPosition(QPoint(8, 8)).block().text().trimmed(), ueberschrift);
        fenster->close();
        QTRY_VERIFY(!HilfeFenster::offen());
    }

    void datumsfelderErkannt_data()
    {
        using namespace masken;
        QTest::addColumn<Feld>("feld");
        QTest::addColumn<bool>("datum");
        QTest::newRow("zehn Zeichen") << text("Geburtsdatum", "1Geburtsdatum", "", "", 10) << true;
        QTest::newRow("Tipp TT.MM.JJJJ") << text("ADatum", "1AntragstellerDatum", "", "Datum (TT.MM.JJJJ)") << true;
        QTest::newRow("Postleitzahl") << text("PLZ", "1PLZ", "", "Postleitzahl", 5) << false;
        QTest::newRow("Kasten") << kasten("Vollja", "2VollJa", "ja", "seit (TT.MM.JJJJ)") << false;
    }
    void datumsfelderErkannt()
    {
        QFETCH(masken::Feld, feld);
        QFETCH(bool, datum);
        QWidget eltern;
        QWidget *w = masken::erzeugen(feld, &eltern);
        QCOMPARE(Datumsauswahl::von(qobject_cast<QLineEdit *>(w)) != nullptr, datum);
    }

    void kalenderSchreibtDatum_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<bool>("perTaste");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("gewaehlt");
        QTest::addColumn<QString>("nachher");
        QTest::newRow("Datum, Alt+Pfeil") << "05.03.1952" << true << QDate(1952, 3, 5) << QDate(1952, 3, 12) << "12.03.1952";
        QTest::newRow("leer, Knopf") << "" << false << QDate::currentDate() << QDate(2024, 2, 29) << "29.02.2024";
        QTest::newRow("kein Datum") << "31.02.2020" << false << QDate::currentDate() << QDate(2001, 1, 9) << "09.01.2001";
    }
    void kalenderSchreibtDatum()
    {
        QFETCH(QString, vorher);
        QFETCH(bool, perTaste);
        QFETCH(QDate, start);
        QFETCH(QDate, gewaehlt);
        QFETCH(QString, nachher);
        QWidget fenster;
        fenster.resize(1092, 560);
        auto *feld = new QLineEdit(vorher, &fenster);
        feld->setFixedWidth(90);
        Datumsauswahl *auswahl = Datumsauswahl::anbringen(feld);
        QVERIFY(feld->width() > 90); // room for the button
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        if (perTaste)
            QTest::keyClick(feld, Qt::Key_Down, Qt::AltModifier);
        else
            feld->findChild<QAction *>(QStringLiteral("Kalender_Knopf"))->trigger();
        QCalendarWidget *k = auswahl->kalender();
        QVERIFY(k);
        QCOMPARE(k->selectedDate(), start);
        QVERIFY(k->window()->geometry().top() >= feld->mapToGlobal(QPoint(0, feld->height())).y());
        k->setSelectedDate(gewaehlt);
        QTest::keyClick(k->findChild<QWidget *>(QStringLiteral("qt_calendar_calendarview")), Qt::Key_Return);
        QCOMPARE(feld->text(), nachher);
        QTRY_VERIFY(!auswahl->kalender());
    }

    // With VELMORA_BILDER set: the guide's pictures, from the real windows.
    void bilderDerAnleitung()
    {
        if (qEnvironmentVariableIsEmpty("VELMORA_BILDER"))
            QSKIP("pictures only with VELMORA_BILDER");
        auto h = TestUmgebung::hauptfenster(TestUmgebung::programmverzeichnis("hilfe"), QSize(1280, 760));
        h->setAntragText(QStringLiteral("LBV NRW"));
        TestUmgebung::hilfebild(h.get(), QStringLiteral("hauptfenster"));
        for (const char *m : {"Hauptdaten:persoenliche-daten", "Aufwendungen:aufwendungen", "Druckenform:antrag-drucken"}) {
            const QStringList teile = QString::fromUtf8(m).split(u':');
            QWidget *w = h->oeffnen(teile[0]);
            QVERIFY2(w, m);
            Hauptform::fensterVon(w)->showMaximized(); // the screen alone in the picture
            TestUmgebung::hilfebild(h.get(), teile[1]);
        }
        // The preview of the complete front page.
        QWidget *druck = h->maske(QStringLiteral("Druckenform"));
        druck->findChild<QCheckBox *>(QStringLiteral("Vorschau"))->setChecked(true);
        Dialoge::dialogAntwort([](QDialog *d) {
            d->resize(1092, 760);
            d->findChild<QComboBox *>(QStringLiteral("Zoom"))->setCurrentIndex(0);
            TestUmgebung::hilfebild(d, QStringLiteral("vorschau"));
            return int(QDialog::Rejected);
        });
        for (QPushButton *k : druck->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")))
            if (k->property("index").toInt() == 2)
                k->click();
        Dialoge::zuruecksetzen();
    }
};

VELMORA_TEST_MAIN(TestHilfe)
#include "TestHilfe.moc"
