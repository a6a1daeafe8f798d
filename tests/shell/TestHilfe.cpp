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
#include <QPushButton>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>

// The guide opens at the part for the screen in front; every screen has
// one; date boxes offer a calendar.
class TestHilfe : public QObject
{
    Q_OBJECT
    QString m_prog;

private Q_SLOTS:
    void initTestCase() { m_prog = TestUmgebung::programmverzeichnis(QStringLiteral("hilfe")); }

    void jedeMaskeHatEinenAbschnitt_data()
    {
        QTest::addColumn<QString>("maske");
        Hauptform h;
        QStringList namen = h.masken();
        // Dialogs and the frame, which are no registered screens.
        namen << QStringLiteral("Hauptform") << QStringLiteral("Druckfunktion") << QStringLiteral("Druckvorschau")
              << QStringLiteral("MultiuserForm") << QStringLiteral("erste-schritte");
        for (const QString &n : std::as_const(namen))
            QTest::newRow(qPrintable(n)) << n;
    }
    void jedeMaskeHatEinenAbschnitt()
    {
        QFETCH(QString, maske);
        const QString anker = HilfeFenster::anker(maske);
        QVERIFY2(!anker.isEmpty(), "no part of the guide");
        QFile f(HilfeFenster::adresse().toString().mid(3)); // ":/hilfe/…"
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(QString::fromUtf8(f.readAll()).contains(QStringLiteral("<a name=\"%1\">").arg(anker)),
                 qPrintable(anker));
    }

    void oeffnetAmAbschnitt_data()
    {
        QTest::addColumn<QString>("abschnitt");
        QTest::addColumn<QString>("anker");
        QTest::addColumn<QString>("ueberschrift");
        QTest::newRow("Start") << QString() << QString() << QStringLiteral("Velmora – Anleitung");
        QTest::newRow("erste Schritte") << QStringLiteral("erste-schritte") << QStringLiteral("erste-schritte")
                                        << QStringLiteral("Erste Schritte: Ihr erster Antrag");
        QTest::newRow("Aufwendungen") << QStringLiteral("Aufwendungen") << QStringLiteral("aufwendungen")
                                      << QStringLiteral("Aufwendungen");
        QTest::newRow("Rückseite") << QStringLiteral("Rückseiteform") << QStringLiteral("rueckseite")
                                   << QStringLiteral("Antragsrückseite");
        QTest::newRow("unbekannt: Start") << QStringLiteral("Gibtsnicht") << QString()
                                          << QStringLiteral("Velmora – Anleitung");
    }
    void oeffnetAmAbschnitt()
    {
        QFETCH(QString, abschnitt);
        QFETCH(QString, anker);
        QFETCH(QString, ueberschrift);
        QWidget hauptfenster;
        hauptfenster.resize(1092, 560);
        hauptfenster.show();
        // Opened from somewhere else first: the same window moves on.
        HilfeFenster::zeigen(&hauptfenster, QStringLiteral("Kinderform"));
        HilfeFenster *erstes = HilfeFenster::offen();
        HilfeFenster::zeigen(&hauptfenster, abschnitt);
        HilfeFenster *fenster = HilfeFenster::offen();
        QCOMPARE(fenster, erstes);
        QVERIFY(QTest::qWaitForWindowExposed(fenster));
        QTextBrowser *b = fenster->browser();
        QCOMPARE(b->source().fragment(), anker);
        QCOMPARE(b->source().adjusted(QUrl::RemoveFragment), HilfeFenster::adresse());
        // The part's heading is the first line in view.
        QTRY_COMPARE(b->cursorForPosition(QPoint(8, 8)).block().text().trimmed(), ueberschrift);
        if (abschnitt == QLatin1String("Aufwendungen"))
            TestUmgebung::bild(fenster, QStringLiteral("hilfe-aufwendungen"));
        fenster->close();
        QTRY_VERIFY(!HilfeFenster::offen());
    }

    void datumsfelderErkannt_data()
    {
        QTest::addColumn<bool>("datum");
        QTest::addColumn<int>("zeile");
        QTest::newRow("zehn Zeichen") << true << 0;
        QTest::newRow("zehn breit") << true << 1;
        QTest::newRow("Tipp TT.MM.JJJJ") << true << 2;
        QTest::newRow("Postleitzahl") << false << 3;
        QTest::newRow("Kasten") << false << 4;
    }
    void datumsfelderErkannt()
    {
        using namespace masken;
        static const Feld felder[] = {
            text("Geburtsdatum", "1Geburtsdatum", "Geburtsdatum", "", 10),
            text("bis", "1Kind1AZbis").schmal(10),
            text("ADatum", "1AntragstellerDatum", "Datum", "Datum (TT.MM.JJJJ), in der Regel das Abgabedatum"),
            text("PLZ", "1PLZ", "PLZ / Ort", "Postleitzahl Ihres Wohnortes", 5),
            kasten("Vollja", "2VollbeschäftigungJa", "ja", "Teilzeit (TT.MM.JJJJ)"),
        };
        QFETCH(bool, datum);
        QFETCH(int, zeile);
        QWidget eltern;
        QWidget *w = erzeugen(felder[zeile], &eltern);
        QCOMPARE(istDatum(felder[zeile]), datum);
        QCOMPARE(Datumsauswahl::von(qobject_cast<QLineEdit *>(w)) != nullptr, datum);
    }

    void kalenderSchreibtDatum_data()
    {
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<bool>("perTaste");
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QDate>("gewaehlt");
        QTest::addColumn<QString>("nachher");
        QTest::newRow("Datum im Feld, Alt+Pfeil") << QStringLiteral("05.03.1952") << true << QDate(1952, 3, 5)
                                                  << QDate(1952, 3, 12) << QStringLiteral("12.03.1952");
        QTest::newRow("leer, Knopf") << QString() << false << QDate::currentDate() << QDate(2024, 2, 29)
                                     << QStringLiteral("29.02.2024");
        QTest::newRow("kein Datum, Knopf") << QStringLiteral("31.02.2020") << false << QDate::currentDate()
                                           << QDate(2001, 1, 9) << QStringLiteral("09.01.2001");
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
        feld->move(20, 20);
        Datumsauswahl *auswahl = Datumsauswahl::anbringen(feld);
        QCOMPARE(Datumsauswahl::anbringen(feld), auswahl);
        QVERIFY(feld->width() > 90); // room for the button
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        feld->setFocus();
        QVERIFY(!auswahl->kalender());
        if (perTaste) {
            QTest::keyClick(feld, Qt::Key_Down, Qt::AltModifier);
        } else {
            QAction *knopf = feld->findChild<QAction *>(QStringLiteral("Kalender_Knopf"));
            QVERIFY(knopf);
            knopf->trigger();
        }
        QCalendarWidget *k = auswahl->kalender();
        QVERIFY(k);
        QCOMPARE(k->selectedDate(), start);
        // The calendar lies below the box, the box stays visible.
        QVERIFY(k->window()->geometry().top() >= feld->mapToGlobal(QPoint(0, feld->height())).y());
        if (perTaste)
            TestUmgebung::bild(k->window(), QStringLiteral("kalender"));
        k->setSelectedDate(gewaehlt);
        QWidget *tage = k->findChild<QWidget *>(QStringLiteral("qt_calendar_calendarview"));
        QVERIFY(tage);
        QTest::keyClick(tage, Qt::Key_Return);
        QCOMPARE(feld->text(), nachher);
        QTRY_VERIFY(!auswahl->kalender());
    }

    // With VELMORA_BILDER set: the pictures of the guide, from the real windows.
    void bilderDerAnleitung()
    {
        if (qEnvironmentVariableIsEmpty("VELMORA_BILDER"))
            QSKIP("pictures only with VELMORA_BILDER");
        auto h = TestUmgebung::hauptfenster(m_prog, QSize(1280, 760));
        h->setAntragText(QStringLiteral("LBV NRW"));
        TestUmgebung::hilfebild(h.get(), QStringLiteral("hauptfenster"));
        const std::pair<const char *, const char *> seiten[] = {
            {"Hauptdaten", "persoenliche-daten"}, {"Aufwendungen", "aufwendungen"}, {"Druckenform", "antrag-drucken"}};
        for (const auto &[maske, bild] : seiten) {
            QWidget *w = h->oeffnen(QString::fromUtf8(maske));
            QVERIFY2(w, maske);
            w->parentWidget()->showMaximized(); // the screen alone in the picture
            QTest::qWait(50);
            TestUmgebung::hilfebild(h.get(), QString::fromUtf8(bild));
        }
        // The preview of the complete front page.
        QWidget *druck = h->maske(QStringLiteral("Druckenform"));
        druck->findChild<QCheckBox *>(QStringLiteral("Vorschau"))->setChecked(true);
        bool gezeigt = false;
        Dialoge::dialogAntwort([&](QDialog *d) {
            gezeigt = true;
            d->resize(1092, 760);
            d->findChild<QComboBox *>(QStringLiteral("Zoom"))->setCurrentIndex(0);
            TestUmgebung::hilfebild(d, QStringLiteral("vorschau"));
            return int(QDialog::Rejected);
        });
        for (QPushButton *k : druck->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")))
            if (k->property("index").toInt() == 2)
                k->click();
        QVERIFY(gezeigt);
        Dialoge::zuruecksetzen();
    }
};

VELMORA_TEST_MAIN(TestHilfe)
#include "TestHilfe.moc"
