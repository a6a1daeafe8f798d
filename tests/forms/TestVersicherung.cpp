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

// Both insurance screens have the same shape; most cases run on both.
class TestVersicherung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;

    QWidget *oeffnen(const QString &maske, const QStringList &zeilen = {})
    {
        m_h.reset();
        m_h = testhilfe::starten(testhilfe::verzeichnis(QStringLiteral("Standardantrag"), zeilen));
        return m_h->oeffnen(maske);
    }

    static void beideMasken()
    {
        QTest::addColumn<QString>("maske");
        QTest::addColumn<QString>("vorsilbe"); // of the tags
        QTest::addColumn<int>("marker");
        QTest::newRow("Kranken") << "Versicherungsform" << "" << 2;
        QTest::newRow("Pflege") << "Pflegeversicherungsform" << "P" << 5;
    }

private Q_SLOTS:
    void cleanup() { m_h.reset(); }

    void familienversicherungDerKinder_data() { beideMasken(); }
    void familienversicherungDerKinder()
    {
        QFETCH(QString, maske);
        QWidget *m = oeffnen(maske);
        for (int k = 0; k < 5; ++k) {
            QCheckBox *a = finde<QCheckBox>(m, QStringLiteral("FVA"), k);
            QCheckBox *e = finde<QCheckBox>(m, QStringLiteral("FVE"), k);
            QVERIFY(a && e);
            a->setChecked(true);
            e->setChecked(true);
            QVERIFY(!a->isChecked());
            a->setChecked(true);
            QVERIFY(!e->isChecked());
            a->setChecked(false);
            QVERIFY(!e->isChecked());
        }
        // Child 2's answer does not touch child 1's.
        finde<QCheckBox>(m, QStringLiteral("FVA"), 0)->setChecked(true);
        finde<QCheckBox>(m, QStringLiteral("FVE"), 1)->setChecked(true);
        QVERIFY(finde<QCheckBox>(m, QStringLiteral("FVA"), 0)->isChecked());
        // Applicant and spouse boxes have no rule.
        QCheckBox *c8 = finde<QCheckBox>(m, QStringLiteral("Check8"));
        QCheckBox *c9 = finde<QCheckBox>(m, QStringLiteral("Check9"));
        c8->setChecked(true);
        c9->setChecked(true);
        QVERIFY(c8->isChecked() && c9->isChecked());
        QCOMPARE(c8->text(), QStringLiteral("E"));
        QCOMPARE(c9->text(), QStringLiteral("A"));
    }

    void nichtVersichertLaesstNamenStehen_data() { beideMasken(); }
    void nichtVersichertLaesstNamenStehen()
    {
        QFETCH(QString, maske);
        QWidget *m = oeffnen(maske);
        finde<QLineEdit>(m, QStringLiteral("privat"), 3)->setText(QStringLiteral("Debeka"));
        finde<QLineEdit>(m, QStringLiteral("Zeitraum"), 3)->setText(QStringLiteral("01.01.2001 - 31.12.2001"));
        finde<QCheckBox>(m, QStringLiteral("nicht"), 3)->setChecked(true);
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("privat"), 3)->text(), QStringLiteral("Debeka"));
        testhilfe::fokus(finde<QLineEdit>(m, QStringLiteral("KVB"), 3));
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("Zeitraum"), 3)->text(), QStringLiteral("01.01.2001 - 31.12.2001"));
        QVERIFY(Dialoge::protokoll().isEmpty());
    }

    void tagsDerZeilen_data() { beideMasken(); }
    void tagsDerZeilen()
    {
        QFETCH(QString, maske);
        QFETCH(QString, vorsilbe);
        QFETCH(int, marker);
        QWidget *m = oeffnen(maske, {u'1' + vorsilbe + QStringLiteral("privatK3:=HUK"),
                                     u'1' + vorsilbe + QStringLiteral("ZAZZE:=12,50"),
                                     u'2' + vorsilbe + QStringLiteral("familieK5E:=1"),
                                     u'2' + vorsilbe + QStringLiteral("nvA:=1")});
        QCOMPARE(m_h->aktiv(marker), QStringLiteral("1"));
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("privat"), 4)->text(), QStringLiteral("HUK"));
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("Zuschuss"), 1)->text(), QStringLiteral("12,50"));
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("Zuschuss"), 1)->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QVERIFY(finde<QCheckBox>(m, QStringLiteral("FVE"), 4)->isChecked());
        QVERIFY(finde<QCheckBox>(m, QStringLiteral("nicht"), 0)->isChecked());
    }

    void privatSeitNurBeiDerKrankenversicherung()
    {
        QWidget *m = oeffnen(QStringLiteral("Versicherungsform"), {QStringLiteral("1privatK3seit:=1998")});
        QCOMPARE(finde<QLineEdit>(m, QStringLiteral("seit"), 4)->text(), QStringLiteral("1998"));
        QCOMPARE(finde<QCheckBox>(m, QStringLiteral("nicht"), 2)->toolTip(),
                 QStringLiteral("(Kind 1) ankreuzen, wenn nicht versichert"));
        auto *info = finde<QLabel>(m, QStringLiteral("Privatinfo"));
        QVERIFY(info && info->text().isEmpty());
        testhilfe::fokus(finde<QLineEdit>(m, QStringLiteral("privat"), 5));
        QCOMPARE(info->text(), QStringLiteral("nur Beamte oder Versorgungsempfänger !"));
        testhilfe::fokus(finde<QLineEdit>(m, QStringLiteral("seit"), 0));
        QCOMPARE(info->text(), QStringLiteral("nur Arbeitnehmer !"));
        testhilfe::fokus(finde<QLineEdit>(m, QStringLiteral("pflicht"), 0));
        QVERIFY(info->text().isEmpty());

        QWidget *p = oeffnen(QStringLiteral("Pflegeversicherungsform"));
        QVERIFY(!finde<QLineEdit>(p, QStringLiteral("seit"), 0));
        QVERIFY(!finde<QLabel>(p, QStringLiteral("Privatinfo")));
        QCOMPARE(finde<QLineEdit>(p, QStringLiteral("KVB"), 6)->toolTip(),
                 QStringLiteral("Pflegeversicherungsbeitrag im Antragsmonat (siehe Hinweis-->) für Kind-5"));
    }

    void feldMarkieren_data() { beideMasken(); }
    void feldMarkieren()
    {
        QFETCH(QString, maske);
        QFETCH(QString, vorsilbe);
        QWidget *m = oeffnen(maske, {u'1' + vorsilbe + QStringLiteral("pflichtA:=AOK")});
        QLineEdit *e = finde<QLineEdit>(m, QStringLiteral("pflicht"), 0);
        testhilfe::fokus(e);
        QTest::keyClick(e, Qt::Key_F11, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(FeldControls::farbe(e), m_h->farbe2());
        QTest::keyClick(e, Qt::Key_F12, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(FeldControls::farbe(e), m_h->farbe1());
    }

    void rundreiseUeberDieFelddatei_data() { beideMasken(); }
    void rundreiseUeberDieFelddatei()
    {
        QFETCH(QString, maske);
        QWidget *m = oeffnen(maske);
        const int felder = testhilfe::ausfuellen(m);
        QCOMPARE(felder, maske == QLatin1String("Versicherungsform") ? 7 * 8 + 2 + 5 * 2 : 7 * 7 + 2 + 5 * 2);
        const auto vorher = testhilfe::werte(m);
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m = m_h->oeffnen(maske);
        QCOMPARE(testhilfe::werte(m), vorher);
    }

    void passtInsHauptfenster_data() { beideMasken(); }
    void passtInsHauptfenster()
    {
        QFETCH(QString, maske);
        QWidget *m = oeffnen(maske);
        QWidget *fenster = Hauptform::fensterVon(m);
        testhilfe::bild(m_h.get(), maske);
        QVERIFY(fenster->width() <= m_h->mdiArea()->viewport()->width());
        QVERIFY(fenster->height() <= m_h->mdiArea()->viewport()->height());
        QVERIFY(m->minimumSizeHint().width() <= m->width());
        QVERIFY(m->minimumSizeHint().height() <= m->height());
    }
};

VELMORA_TEST_MAIN(TestVersicherung)
#include "TestVersicherung.moc"
