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
#include <QMdiSubWindow>
#include <QtTest>

using masken::finde;

class TestAnschriftenform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QWidget *m_m = nullptr;

    QLineEdit *text(const char *name, int i = -1) { return finde<QLineEdit>(m_m, QString::fromUtf8(name), i); }
    QWidget *ofd() { return finde<QWidget>(m_m, QStringLiteral("OFDFrame")); }

    void oeffnen(const QString &art, const QStringList &zeilen = {})
    {
        m_h.reset();
        m_h = testhilfe::starten(testhilfe::verzeichnis(art, zeilen));
        m_m = m_h->oeffnen(QStringLiteral("Anschriftenform"));
        QVERIFY(m_m);
        Dialoge::zuruecksetzen();
    }

private Q_SLOTS:
    void init() { oeffnen(QStringLiteral("Standardantrag")); }
    void cleanup() { m_h.reset(); }

    void nurDieZweiteKopfzeileAusDerDatei()
    {
        oeffnen(QStringLiteral("Standardantrag"), {QStringLiteral("1Kopf2:=Dez. 49"), QStringLiteral("1BehördenOrt:=Köln")});
        QCOMPARE(m_h->aktiv(3), QStringLiteral("1"));
        QVERIFY(text("Kopf", 0)->text().isEmpty());
        QCOMPARE(text("Kopf", 1)->text(), QStringLiteral("Dez. 49"));
        QVERIFY(text("Kopf", 2)->text().isEmpty());
        QCOMPARE(text("Ort")->text(), QStringLiteral("Köln"));
    }

    void datumBeimVerlassen_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("ergebnis");
        QTest::addColumn<bool>("warnung");
        QTest::newRow("kurz") << "1.2.2001" << "01.02.2001" << false;
        QTest::newRow("leer") << "" << "" << false;
        QTest::newRow("Unsinn") << "32.13.2001" << "32.13.2001" << true;
        QTest::newRow("Schaltjahr") << "29.2.2001" << "29.2.2001" << true;
    }
    void datumBeimVerlassen()
    {
        QFETCH(QString, eingabe);
        QFETCH(QString, ergebnis);
        QFETCH(bool, warnung);
        QLineEdit *datum = text("ADatum");
        testhilfe::fokus(datum);
        datum->setText(eingabe);
        Dialoge::zuruecksetzen();
        testhilfe::fokus(text("AOrt"));
        QCOMPARE(datum->text(), ergebnis);
        QCOMPARE(Dialoge::protokoll().size(), warnung ? 1 : 0);
        QCOMPARE(QApplication::focusWidget(), warnung ? datum : text("AOrt"));
        if (warnung)
            QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Ungültiges Datum ! (TT.MM.JJJJ)"));
    }

    void antragsdatumIstEinFeldMitDemHauptfenster()
    {
        oeffnen(QStringLiteral("Standardantrag"), {QStringLiteral("1AntragstellerDatum:=01.03.2001")});
        QCOMPARE(text("ADatum")->text(), QStringLiteral("01.03.2001"));
        // The ledger sets the main window's date; the screen shows it.
        m_h->feld(QStringLiteral("Datum"))->setText(QStringLiteral("05.03.2001"));
        QCOMPARE(text("ADatum")->text(), QStringLiteral("05.03.2001"));
        // Typed here, it survives the collection even though the main window
        // is collected last, and is saved once.
        text("ADatum")->setText(QStringLiteral("07.03.2001"));
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QStringList datei = testhilfe::felddatei(m_h->datenverzeichnis());
        QCOMPARE(datei.filter(QStringLiteral("1AntragstellerDatum:=")),
                 QStringList{QStringLiteral("1AntragstellerDatum:=07.03.2001")});
    }

    void ofdGruppeNurFuerOfdDuesseldorf()
    {
        QVERIFY(ofd()->isHidden());
        oeffnen(QStringLiteral("OFD Düsseldorf"));
        QVERIFY(!ofd()->isHidden());
        auto *a = finde<QCheckBox>(m_m, QStringLiteral("OFD"), 0);
        auto *b = finde<QCheckBox>(m_m, QStringLiteral("OFD"), 3);
        a->setChecked(true);
        b->setChecked(true);
        QVERIFY(a->isChecked() && b->isChecked());
        // Another kind while the screen is loaded: hidden, the ticks stay.
        m_h->setAntragText(QStringLiteral("BR Köln"));
        QVERIFY(ofd()->isHidden());
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QStringList datei = testhilfe::felddatei(m_h->datenverzeichnis());
        QVERIFY(datei.contains(QStringLiteral("2OFD1:=1")));
        QVERIFY(datei.contains(QStringLiteral("2OFD4:=1")));
        m_h->setAntragText(QStringLiteral("OFD Düsseldorf"));
        QVERIFY(!ofd()->isHidden());
    }

    void hinweisLeuchtetBeiKopffeldern()
    {
        auto *hinweis = finde<QLabel>(m_m, QStringLiteral("Hinweis"));
        const QColor normal = m_m->palette().color(QPalette::Window);
        QCOMPARE(masken::hintergrund(hinweis), normal);
        for (QWidget *w : {static_cast<QWidget *>(text("Kopf", 2)), static_cast<QWidget *>(text("Kapitel")),
                           static_cast<QWidget *>(text("Titel"))}) {
            testhilfe::fokus(w);
            QCOMPARE(masken::hintergrund(hinweis), QColor(255, 255, 0));
            testhilfe::fokus(text("Name1"));
            QCOMPARE(masken::hintergrund(hinweis), normal);
        }
    }

    void rundreiseUeberDieFelddatei()
    {
        QCOMPARE(testhilfe::ausfuellen(m_m), 24);
        text("ADatum")->setText(QStringLiteral("24.12.2002"));
        const auto vorher = testhilfe::werte(m_m);
        QVERIFY(m_h->SpeichernKnopf_Click());
        const QString dir = m_h->datenverzeichnis();
        m_h.reset();
        m_h = testhilfe::starten(dir);
        m_m = m_h->oeffnen(QStringLiteral("Anschriftenform"));
        QCOMPARE(testhilfe::werte(m_m), vorher);
    }

    void schliessenVerstecktNur()
    {
        text("Name1")->setText(QStringLiteral("Bezirksregierung Arnsberg"));
        QWidget *fenster = Hauptform::fensterVon(m_m);
        QVERIFY(fenster->close());
        QVERIFY(fenster->isHidden());
        QCOMPARE(m_h->oeffnen(QStringLiteral("Anschriftenform")), m_m);
        QVERIFY(m_m->isVisible());
        QCOMPARE(text("Name1")->text(), QStringLiteral("Bezirksregierung Arnsberg"));
        QCOMPARE(m_h->vorn(), m_m);
    }

    void passtInsHauptfenster()
    {
        oeffnen(QStringLiteral("OFD Düsseldorf"));
        QWidget *fenster = Hauptform::fensterVon(m_m);
        testhilfe::bild(m_h.get(), QStringLiteral("anschriftenform"));
        QVERIFY(fenster->width() <= m_h->mdiArea()->viewport()->width());
        QVERIFY(fenster->height() <= m_h->mdiArea()->viewport()->height());
        QVERIFY(m_m->minimumSizeHint().height() <= m_m->height());
    }
};

VELMORA_TEST_MAIN(TestAnschriftenform)
#include "TestAnschriftenform.moc"
