#include "FormsTestHilfe.h"
#include "TestUmgebung.h"
#include "fields/FeldControls.h"
#include "forms/MaskenBauer.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QtTest>

using masken::finde;

class TestKinderform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QWidget *m_m = nullptr;

    QCheckBox *box(const char *name, int i) { return finde<QCheckBox>(m_m, QString::fromUtf8(name), i); }
    QLineEdit *text(const char *name, int i = -1) { return finde<QLineEdit>(m_m, QString::fromUtf8(name), i); }
    bool hell(int n)
    {
        return masken::hintergrund(finde<QLabel>(m_m, QStringLiteral("Info"), n)) == QColor(255, 255, 128);
    }

    void oeffnen(const QString &art, const QStringList &zeilen = {})
    {
        m_h.reset();
        m_h = testhilfe::starten(testhilfe::verzeichnis(art, zeilen));
        m_m = m_h->oeffnen(QStringLiteral("Kinderform"));
        QVERIFY(m_m);
    }

private Q_SLOTS:
    void init() { oeffnen(QStringLiteral("Standardantrag")); }
    void cleanup() { m_h.reset(); }

    void kindergeldAusDerDateiVersteckt()
    {
        oeffnen(QStringLiteral("Standardantrag"),
                {QStringLiteral("2Kindergeld2Ja:=1"), QStringLiteral("1Kind3Name:=Lena Weiß"),
                 QStringLiteral("2FZ2Nein:=1")});
        QCOMPARE(m_h->aktiv(1), QStringLiteral("1"));
        QVERIFY(box("FZja", 1)->isHidden());
        QVERIFY(box("FZnein", 1)->isHidden());
        // Rows are applied in file order, so an answer that comes after the
        // benefit stays, hidden.
        QVERIFY(box("FZnein", 1)->isChecked());
        QVERIFY(!box("FZja", 0)->isHidden());
        QCOMPARE(text("Kindname", 2)->text(), QStringLiteral("Lena Weiß"));
        QCOMPARE(FeldControls::tag(text("Kindname", 2)), QStringLiteral("1Kind3Name"));
    }

    void kindergeldNeinUndWiederJa()
    {
        box("KGNein", 3)->setChecked(true);
        QVERIFY(!box("FZja", 3)->isHidden());
        QVERIFY(hell(1));
        box("FZja", 3)->setChecked(true);
        box("FZnein", 3)->setChecked(true);
        QVERIFY(!box("FZja", 3)->isChecked());
        box("KGJa", 3)->setChecked(true);
        QVERIFY(!box("KGNein", 3)->isChecked());
        QVERIFY(box("FZja", 3)->isHidden());
        QVERIFY(box("FZnein", 3)->isHidden());
        QVERIFY(!box("FZnein", 3)->isChecked());
        QVERIFY(!hell(1));
        // The other children are untouched.
        QVERIFY(!box("FZja", 2)->isHidden());
        // Unticking changes nothing else.
        box("KGJa", 3)->setChecked(false);
        QVERIFY(box("FZja", 3)->isHidden());
        QVERIFY(!box("KGNein", 3)->isChecked());
    }

    void paareSchliessenSichAus_data()
    {
        QTest::addColumn<QString>("ja");
        QTest::addColumn<QString>("nein");
        QTest::newRow("Kindergeld") << "KGJa" << "KGNein";
        QTest::newRow("Familienzuschlag") << "FZja" << "FZnein";
        QTest::newRow("andere Person") << "APja" << "APnein";
    }
    void paareSchliessenSichAus()
    {
        QFETCH(QString, ja);
        QFETCH(QString, nein);
        for (int i = 0; i < 5; ++i) {
            QCheckBox *j = finde<QCheckBox>(m_m, ja, i);
            QCheckBox *n = finde<QCheckBox>(m_m, nein, i);
            j->setChecked(true);
            n->setChecked(true);
            QVERIFY(!j->isChecked());
            j->setChecked(true);
            QVERIFY(!n->isChecked());
            j->setChecked(false);
            QVERIFY(!n->isChecked());
        }
        // Row 0 did not clear row 1.
        finde<QCheckBox>(m_m, ja, 1)->setChecked(true);
        finde<QCheckBox>(m_m, nein, 0)->setChecked(true);
        QVERIFY(finde<QCheckBox>(m_m, ja, 1)->isChecked());
    }

    void hinweiseLeuchtenZumFokus_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QList<int>>("hinweise");
        QTest::newRow("Name") << "Kindname" << QList<int>{0, 3};
        QTest::newRow("von") << "von" << QList<int>{0, 1};
        QTest::newRow("bis") << "bis" << QList<int>{0, 1};
        QTest::newRow("Kindergeld ja") << "KGJa" << QList<int>{1};
        QTest::newRow("Kindergeld nein") << "KGNein" << QList<int>{1};
        QTest::newRow("FZ ja") << "FZja" << QList<int>{1};
        QTest::newRow("FZ nein") << "FZnein" << QList<int>{1};
        QTest::newRow("andere ja") << "APja" << QList<int>{2};
        QTest::newRow("andere nein") << "APnein" << QList<int>{2};
        QTest::newRow("Geburtsdatum") << "Geburtsdatum" << QList<int>{};
    }
    void hinweiseLeuchtenZumFokus()
    {
        QFETCH(QString, name);
        QFETCH(QList<int>, hinweise);
        QWidget *ruhig = finde<QLineEdit>(m_m, QStringLiteral("BemessungssatzName"));
        testhilfe::fokus(ruhig);
        for (int n = 0; n < 4; ++n)
            QVERIFY(!hell(n));
        testhilfe::fokus(finde<QWidget>(m_m, name, 2));
        for (int n = 0; n < 4; ++n)
            QCOMPARE(hell(n), hinweise.contains(n));
        testhilfe::fokus(ruhig);
        for (int n = 0; n < 4; ++n)
            QVERIFY(!hell(n));
    }

    void koelnerFormularSagtAundE()
    {
        oeffnen(QStringLiteral("BR Köln"));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(box("KGJa", i)->text(), QStringLiteral("A"));
            QCOMPARE(box("KGNein", i)->text(), QStringLiteral("E"));
        }
        QCOMPARE(QApplication::focusWidget(), text("Kindname", 0));
        m_h->setAntragText(QStringLiteral("Standardantrag"));
        m_h->oeffnen(QStringLiteral("Infoform"));
        m_h->oeffnen(QStringLiteral("Kinderform"));
        QCOMPARE(box("KGJa", 4)->text(), QStringLiteral("ja"));
        QCOMPARE(box("KGNein", 4)->text(), QStringLiteral("nein"));
        QCOMPARE(QApplication::focusWidget(), text("Kindname", 0));
    }

    void erhoehterSatzUndDatumOhnePruefung()
    {
        box("Bemessungssatz", 0)->setChecked(true);
        box("Bemessungssatz", 1)->setChecked(true);
        QVERIFY(box("Bemessungssatz", 0)->isChecked());
        testhilfe::fokus(text("Geburtsdatum", 0));
        text("Geburtsdatum", 0)->setText(QStringLiteral("31.02.2000"));
        Dialoge::zuruecksetzen();
        testhilfe::fokus(text("von", 0));
        QCOMPARE(text("Geburtsdatum", 0)->text(), QStringLiteral("31.02.2000"));
        QVERIFY(Dialoge::protokoll().isEmpty());
    }

    void rundreiseUeberDieFelddatei()
    {
        QCOMPARE(testhilfe::ausfuellen(m_m), 5 * 10 + 4);
        box("KGNein", 1)->setChecked(true);
        box("FZja", 1)->setChecked(true);
        const auto vorher = testhilfe::werte(m_m);
        QCOMPARE(vorher.value(QStringLiteral("2FZ2Ja")), QStringLiteral("1"));
        QCOMPARE(vorher.value(QStringLiteral("2Kindergeld1Ja")), QStringLiteral("0"));
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m_m = m_h->oeffnen(QStringLiteral("Kinderform"));
        QCOMPARE(testhilfe::werte(m_m), vorher);
        QVERIFY(!box("FZja", 1)->isHidden());
    }

    void passtInsHauptfenster()
    {
        QWidget *fenster = Hauptform::fensterVon(m_m);
        testhilfe::bild(m_h.get(), QStringLiteral("kinderform"));
        QVERIFY(fenster->width() <= m_h->mdiArea()->viewport()->width());
        QVERIFY(fenster->height() <= m_h->mdiArea()->viewport()->height());
        QVERIFY(m_m->minimumSizeHint().width() <= m_m->width());
        QVERIFY(m_m->minimumSizeHint().height() <= m_m->height());
    }
};

VELMORA_TEST_MAIN(TestKinderform)
#include "TestKinderform.moc"
