#include "FormsTestHilfe.h"
#include "TestUmgebung.h"
#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using masken::finde;

class TestRueckseiteform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QWidget *m_m = nullptr;

    QCheckBox *box(const QString &name, int i = -1) { return finde<QCheckBox>(m_m, name, i); }

    void oeffnen(const QStringList &zeilen = {})
    {
        m_h.reset();
        m_h = testhilfe::starten(testhilfe::verzeichnis(QStringLiteral("Standardantrag"), zeilen));
        m_m = m_h->oeffnen(QStringLiteral("Rückseiteform"));
        QVERIFY(m_m);
    }

private Q_SLOTS:
    void init() { oeffnen(); }
    void cleanup() { m_h.reset(); }

    void gruppenSchliessenSichAus_data()
    {
        QTest::addColumn<QStringList>("gruppe");
        QTest::newRow("Ansprüche") << QStringList{"AnspruchJa", "AnspruchNein"};
        QTest::newRow("berufstätig") << QStringList{"BerufstätigJa", "berufstätigNein"};
        QTest::newRow("Einkünfte") << QStringList{"EKJa", "EKNein", "EKUnbekannt"};
        QTest::newRow("Friedhof") << QStringList{"FriedhofJa", "FriedhofNein"};
        QTest::newRow("Unfall") << QStringList{"Unfallja", "keinUnfall"};
        QTest::newRow("Drittverschulden") << QStringList{"Drittverschulden", "DrittverschuldenNein"};
    }
    void gruppenSchliessenSichAus()
    {
        QFETCH(QStringList, gruppe);
        for (const QString &gewaehlt : gruppe) {
            for (const QString &n : gruppe)
                box(n)->setChecked(true);
            for (const QString &n : gruppe)
                QCOMPARE(box(n)->isChecked(), n == gruppe.last());
            // The one ticked last is the only one.
            box(gewaehlt)->setChecked(true);
            for (const QString &n : gruppe)
                QCOMPARE(box(n)->isChecked(), n == gewaehlt);
        }
        // Unticking never ticks a partner.
        box(gruppe.last())->setChecked(false);
        for (const QString &n : gruppe)
            QVERIFY(!box(n)->isChecked());
    }

    void zeilenDesRentnerabschnittsBleibenGetrennt()
    {
        for (const char *paar : {"EP", "KV"}) {
            const QString ja = QString::fromLatin1(paar) + QStringLiteral("ja");
            const QString nein = QString::fromLatin1(paar) + QStringLiteral("nein");
            box(nein, 0)->setChecked(true);
            box(nein, 1)->setChecked(true);
            box(ja, 1)->setChecked(true);
            QVERIFY(!box(nein, 1)->isChecked());
            QVERIFY(box(nein, 0)->isChecked());
            QVERIFY(box(ja, 1)->isChecked());
        }
        QCOMPARE(FeldControls::tag(box(QStringLiteral("KVnein"), 2)), QStringLiteral("2RVTräger3Nein"));
    }

    void unabhaengigeKaesten()
    {
        for (int i = 0; i < 3; ++i)
            box(QStringLiteral("SB"), i)->setChecked(true);
        box(QStringLiteral("Kleinkind"))->setChecked(true);
        box(QStringLiteral("Tod"))->setChecked(true);
        for (int i = 0; i < 3; ++i)
            QVERIFY(box(QStringLiteral("SB"), i)->isChecked());
        QVERIFY(box(QStringLiteral("Kleinkind"))->isChecked());
    }

    void beideJaNeinAusDerDateiDasSpaetereGilt()
    {
        oeffnen({QStringLiteral("2AnspruchNein:=1"), QStringLiteral("2AnspruchJa:=1")});
        QCOMPARE(m_h->aktiv(4), QStringLiteral("1"));
        QVERIFY(box(QStringLiteral("AnspruchJa"))->isChecked());
        QVERIFY(!box(QStringLiteral("AnspruchNein"))->isChecked());
        oeffnen({QStringLiteral("2AnspruchJa:=1"), QStringLiteral("2AnspruchNein:=1")});
        QVERIFY(!box(QStringLiteral("AnspruchJa"))->isChecked());
        QVERIFY(box(QStringLiteral("AnspruchNein"))->isChecked());
    }

    void abschnitteWechselnUndBehaltenIhreWerte()
    {
        auto option = [this](int n) { return finde<QRadioButton>(m_m, QStringLiteral("Option"), n); };
        auto panel = [this](int n) { return finde<QWidget>(m_m, QStringLiteral("RP"), n); };
        QVERIFY(panel(0)->isVisible());
        finde<QLineEdit>(m_m, QStringLiteral("Person"), 2)->setText(QStringLiteral("Max"));
        option(4)->setChecked(true);
        for (int n = 0; n < 6; ++n)
            QCOMPARE(panel(n)->isVisible(), n == 4);
        option(5)->click();
        QVERIFY(panel(5)->isVisible());
        QVERIFY(!panel(4)->isVisible());
        QVERIFY(m_h->SpeichernKnopf_Click());
        QVERIFY(testhilfe::felddatei(m_h->datenverzeichnis()).contains(QStringLiteral("1NamePerson3:=Max")));
    }

    void neueFelderBleibenMarkiert()
    {
        QCheckBox *tod = box(QStringLiteral("Tod"));
        m_h->Felder_einlesen();
        QCOMPARE(FeldControls::farbe(tod), m_h->farbe2());
        m_h->Felder_einlesen();
        QCOMPARE(FeldControls::farbe(tod), m_h->farbe2());
    }

    void unfallberichtKnopf()
    {
        auto *knopf = finde<QPushButton>(m_m, QStringLiteral("Unfallbericht_Knopf"));
        QVERIFY(knopf);
        QVERIFY(m_h->feld(QStringLiteral("Bereich2"))->text().isEmpty());
        knopf->click();
        QCOMPARE(m_h->feld(QStringLiteral("Bereich2"))->text(), QStringLiteral("UB"));
    }

    void feldMarkieren()
    {
        oeffnen({QStringLiteral("1Unfallbeleg:=7")});
        QLineEdit *beleg = finde<QLineEdit>(m_m, QStringLiteral("Belegnummer"));
        finde<QRadioButton>(m_m, QStringLiteral("Option"), 5)->setChecked(true);
        testhilfe::fokus(beleg);
        QTest::keyClick(beleg, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_h->feldtabelle().zeile(m_h->feldtabelle().finde(QStringLiteral("1Unfallbeleg"))).basis,
                 QStringLiteral("*-*-"));
        QTest::keyClick(beleg, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(m_h->feldtabelle().zeile(m_h->feldtabelle().finde(QStringLiteral("1Unfallbeleg"))).basis,
                 QStringLiteral("7"));
    }

    void rundreiseUeberDieFelddatei()
    {
        QCOMPARE(testhilfe::ausfuellen(m_m), 2 + 2 + 12 + 3 + 15 + 1 + 5 + 5);
        const auto vorher = testhilfe::werte(m_m);
        QCOMPARE(vorher.value(QStringLiteral("2GesamtbetragUnbekannt")), QStringLiteral("1"));
        QCOMPARE(vorher.value(QStringLiteral("2GesamtbetragJa")), QStringLiteral("0"));
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m_m = m_h->oeffnen(QStringLiteral("Rückseiteform"));
        QCOMPARE(testhilfe::werte(m_m), vorher);
    }

    void passtInsHauptfenster_data()
    {
        QTest::addColumn<int>("abschnitt");
        for (int n = 0; n < 6; ++n)
            QTest::newRow(qPrintable(QString::number(n))) << n;
    }
    void passtInsHauptfenster()
    {
        QFETCH(int, abschnitt);
        finde<QRadioButton>(m_m, QStringLiteral("Option"), abschnitt)->setChecked(true);
        QWidget *fenster = Hauptform::fensterVon(m_m);
        testhilfe::bild(m_h.get(), QStringLiteral("rueckseite%1").arg(abschnitt));
        QVERIFY(fenster->width() <= m_h->mdiArea()->viewport()->width());
        QVERIFY(fenster->height() <= m_h->mdiArea()->viewport()->height());
        QVERIFY(m_m->minimumSizeHint().height() <= m_m->height());
    }
};

VELMORA_TEST_MAIN(TestRueckseiteform)
#include "TestRueckseiteform.moc"
