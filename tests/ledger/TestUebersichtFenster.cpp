#include "TestUmgebung.h"

#include "ledger/Antragsdatenbank.h"
#include "ledger/Antragsuebersicht.h"
#include "ledger/Aufwendungen.h"
#include "ledger/Jahresdiagrammansicht.h"
#include "shell/Datenbank.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "base/GermanDate.h"
#include "base/TextFile.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <memory>

namespace {
QString tage(int n)
{
    return GermanDate::format(QDate::currentDate().addDays(n));
}
} // namespace

class TestUebersichtFenster : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QString m_dir;

    void speichern(const QString &datum, const QString &eingereicht, const QStringList &belegdaten, bool euro)
    {
        Antragskopf k;
        k.Antragsdatum = datum;
        k.eingereichtam = eingereicht;
        Rechnungspositionen t;
        for (const QString &d : belegdaten) {
            Rechnungsposition r;
            r.Beleg = qint16(t.anzahl() + 1);
            r.Datum = d;
            r.Empfaenger = QStringLiteral("A");
            r.Art = QStringLiteral("1 (AB)");
            r.Rechnung = euro ? 100.0 : 195.583;
            r.Erstattung = euro ? 50.0 : 0.0;
            r.euro = euro;
            r.Arzt = QStringLiteral("Dr. Beispiel");
            t.hinzufuegen(r);
        }
        QVERIFY(Antragsdatenbank::speichern(m_dir + Antragsdatenbank::Dateiname,
                                            Antragsdatenbank::kennung(datum, {}), k, t));
    }

    // A data directory with the given database file (empty: the template).
    void einrichten(const QString &datenbank = {})
    {
        m_h.reset();
        Dialoge::zuruecksetzen();
        m_dir = TestUmgebung::programmverzeichnis(QStringLiteral("uebersicht"));
        QVERIFY(QFile::copy(datenbank.isEmpty() ? m_dir + Antragsdatenbank::Vorlage : datenbank,
                            m_dir + Antragsdatenbank::Dateiname));
        QFile::setPermissions(m_dir + Antragsdatenbank::Dateiname, QFile::ReadOwner | QFile::WriteOwner);
        Antragsdatenbank::DB_Struktur(m_dir + Antragsdatenbank::Dateiname);
        QVERIFY(TextFile::write(m_dir + QStringLiteral("beihilfe.txt"), QStringLiteral("Standardantrag\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
    }

    void starten()
    {
        m_h = TestUmgebung::hauptfenster(m_dir, {1280, 860});
        QApplication::setActiveWindow(m_h.get());
        QVERIFY(QTest::qWaitForWindowExposed(m_h.get()));
    }

    Antragsuebersicht *uebersicht() const
    {
        return qobject_cast<Antragsuebersicht *>(m_h->maske(QStringLiteral("Antragsuebersicht")));
    }
    template<typename T>
    T *w(const QString &name) const
    {
        return uebersicht()->findChild<T *>(name);
    }

private Q_SLOTS:
    void cleanup()
    {
        m_h.reset();
        Dialoge::zuruecksetzen();
    }

    void anzeigenFiltern()
    {
        einrichten();
        speichern(tage(-20), tage(-12), {tage(-40), tage(-39)}, true);
        // One receipt 30 days before its deadline.
        const QString nahe = GermanDate::format(QDate::currentDate().addDays(30).addMonths(-24));
        speichern(tage(-10), {}, {nahe, tage(-30)}, false);
        speichern({}, {}, {tage(-5)}, true);
        starten();
        // The status line names the receipt near its deadline once the window stands.
        QTRY_VERIFY(m_h->statusBar()->currentMessage().startsWith(QStringLiteral("1 Beleg erreicht")));

        m_h->findChild<QAction *>(QStringLiteral("MenüÜbersicht"))->trigger();
        QVERIFY(uebersicht());
        QCOMPARE(uebersicht()->windowTitle(), QStringLiteral("Übersicht der Anträge"));
        QTableView *liste = w<QTableView>(QStringLiteral("Antragsliste"));
        QCOMPARE(liste->model()->rowCount(), 3);
        QVERIFY(!w<QLabel>(QStringLiteral("Meldung"))->isVisibleTo(uebersicht()));
        // The expected refunds of applications not returned: 2 x 50, none for the DM ones, 50.
        QCOMPARE(w<QLabel>(QStringLiteral("Summenzeile"))->text(),
                 QStringLiteral("3 Anträge, noch offen: 150,00 € (alle Beträge in Euro)"));
        TestUmgebung::bild(m_h.get(), QStringLiteral("uebersicht-antraege"));

        auto *status = w<QComboBox>(QStringLiteral("StatusFilter"));
        status->setCurrentIndex(status->findText(QStringLiteral("eingereicht")));
        QCOMPARE(liste->model()->rowCount(), 1);
        QCOMPARE(liste->model()->index(0, 11).data().toString(), QStringLiteral("12"));
        QCOMPARE(w<QLabel>(QStringLiteral("Summenzeile"))->text(),
                 QStringLiteral("1 Antrag, noch offen: 100,00 € (alle Beträge in Euro)"));
        status->setCurrentIndex(0);
        auto *jahr = w<QComboBox>(QStringLiteral("JahrFilter"));
        jahr->setCurrentIndex(jahr->findText(QStringLiteral("ohne Datum")));
        QCOMPARE(liste->model()->rowCount(), 1);
        QCOMPARE(liste->model()->index(0, 0).data().toString(), QStringLiteral("ohne"));
        jahr->setCurrentIndex(0);

        auto *reg = w<QTabWidget>(QStringLiteral("Register"));
        reg->setCurrentIndex(1);
        QTableView *fristen = w<QTableView>(QStringLiteral("Fristenliste"));
        QCOMPARE(fristen->model()->rowCount(), 1);
        QCOMPARE(fristen->model()->index(0, 9).data().toString(), QStringLiteral("Frist endet in 30 Tagen"));
        TestUmgebung::bild(m_h.get(), QStringLiteral("uebersicht-fristen"));
        reg->setCurrentIndex(2);
        QAbstractItemModel *jahre = w<QTableView>(QStringLiteral("Jahresliste"))->model();
        QVERIFY(jahre->rowCount() >= 1);
        // The diagram shows the years of the table.
        auto *diagramm = w<Jahresdiagrammansicht>(QStringLiteral("Jahresdiagramm"));
        QVERIFY(diagramm && diagramm->isVisible());
        QCOMPARE(diagramm->diagramm().gruppen().size(), jahre->rowCount());
        for (int r = 0; r < jahre->rowCount(); ++r)
            QCOMPARE(diagramm->diagramm().gruppen().at(r).beschriftung, jahre->index(r, 0).data().toString());
        TestUmgebung::bild(m_h.get(), QStringLiteral("uebersicht-jahre"));

        // The visible table goes out as CSV.
        const QString csv = TestUmgebung::neuesVerzeichnis(QStringLiteral("export")) + QStringLiteral("jahre.csv");
        Dialoge::dateiAntwort(csv);
        w<QPushButton>(QStringLiteral("Exportieren_Knopf"))->click();
        QFile datei(csv);
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const QString kopf = QStringLiteral("\uFEFFJahr;Belege;Rechnungen;Beihilfe;Erst. Vers.;Eigenanteil;gekürzt\r\n");
        QVERIFY(datei.readAll().startsWith(kopf.toUtf8()));
    }

    void doppelklickLaedt()
    {
        einrichten();
        speichern(QStringLiteral("01.02.2024"), {}, {QStringLiteral("10.01.2024")}, true);
        speichern(QStringLiteral("01.03.2024"), {}, {QStringLiteral("10.02.2024"), QStringLiteral("11.02.2024")}, true);
        starten();
        auto *a = qobject_cast<Aufwendungen *>(m_h->oeffnen(QStringLiteral("Aufwendungen")));
        QVERIFY(a);
        a->findChild<QAction *>(QStringLiteral("MenüAntragÜbersicht"))->trigger();
        QVERIFY(uebersicht());
        QTableView *liste = w<QTableView>(QStringLiteral("Antragsliste"));
        QCOMPARE(liste->model()->index(0, 0).data().toString(), QStringLiteral("01.03.2024")); // newest first
        const QRect zelle = liste->visualRect(liste->model()->index(0, 0));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zelle.center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, zelle.center());
        QCOMPARE(a->rechnungspositionen().anzahl(), 2);
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("Antragsdatum"))->text(), QStringLiteral("01.03.2024"));
        QCOMPARE(m_h->vorn(), a);
    }

    // A double click in the overview never loses receipts not yet stored,
    // and receipts without a header load under their own key.
    void doppelklickSchuetztUngespeicherte_data()
    {
        QTest::addColumn<QString>("zeile");
        QTest::addColumn<bool>("getippt");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("belege");
        QTest::addColumn<QString>("antragsdatum");
        QTest::newRow("geöffneter Antrag") << "01.03.2024" << true << int(QMessageBox::Discard) << 0 << 3 << "01.03.2024";
        QTest::newRow("anderer, Abbrechen") << "01.02.2024" << true << int(QMessageBox::Cancel) << 1 << 3 << "01.03.2024";
        QTest::newRow("anderer, Verwerfen") << "01.02.2024" << true << int(QMessageBox::Discard) << 1 << 1 << "01.02.2024";
        QTest::newRow("ohne Kopf") << "05.05.2024" << false << int(QMessageBox::Cancel) << 0 << 1 << "05.05.2024";
    }
    void doppelklickSchuetztUngespeicherte()
    {
        QFETCH(QString, zeile);
        QFETCH(bool, getippt);
        QFETCH(int, antwort);
        QFETCH(int, fragen);
        QFETCH(int, belege);
        QFETCH(QString, antragsdatum);
        einrichten();
        speichern(QStringLiteral("01.02.2024"), {}, {QStringLiteral("10.01.2024")}, true);
        speichern(QStringLiteral("01.03.2024"), {}, {QStringLiteral("10.02.2024"), QStringLiteral("11.02.2024")}, true);
        speichern(QStringLiteral("05.05.2024"), {}, {QStringLiteral("01.05.2024")}, true);
        {
            Datenbank db;
            QVERIFY(db.oeffnen(m_dir + Antragsdatenbank::Dateiname));
            QVERIFY(db.ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = ?"), {"05.05.2024"}));
        }
        starten();
        auto *a = qobject_cast<Aufwendungen *>(m_h->oeffnen(QStringLiteral("Aufwendungen")));
        a->antragLaden(QStringLiteral("01.03.2024"), false);
        if (getippt)
            a->rechnungspositionen().hinzufuegen(a->rechnungspositionen().slot(1));
        a->findChild<QAction *>(QStringLiteral("MenüAntragÜbersicht"))->trigger();
        QTableView *liste = w<QTableView>(QStringLiteral("Antragsliste"));
        QModelIndex ziel;
        for (int r = 0; r < liste->model()->rowCount(); ++r)
            if (liste->model()->index(r, 0).data().toString() == zeile)
                ziel = liste->model()->index(r, 0);
        QVERIFY(ziel.isValid());
        Dialoge::zuruecksetzen();
        if (fragen > 0)
            Dialoge::antworte(QMessageBox::StandardButton(antwort));
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(ziel).center());
        QTest::mouseDClick(liste->viewport(), Qt::LeftButton, {}, liste->visualRect(ziel).center());
        QCOMPARE(Dialoge::protokoll().size(), fragen);
        QCOMPARE(a->rechnungspositionen().anzahl(), belege);
        QCOMPARE(a->findChild<QLineEdit *>(QStringLiteral("Antragsdatum"))->text(), antragsdatum);
    }

    void kaputteDatenbank()
    {
        einrichten(TestUmgebung::testdaten(QStringLiteral("ledger/datenbanken/textdatei.mdb")));
        starten();
        QTest::keyClick(m_h.get(), Qt::Key_U, Qt::ControlModifier);
        QVERIFY(uebersicht());
        auto *meldung = w<QLabel>(QStringLiteral("Meldung"));
        QVERIFY(meldung->isVisibleTo(uebersicht()));
        QVERIFY2(meldung->text().startsWith(QStringLiteral("Die Anträge können nicht gelesen werden.")),
                 qPrintable(meldung->text()));
        QCOMPARE(w<QTableView>(QStringLiteral("Antragsliste"))->model()->rowCount(), 0);
        QTest::qWait(500); // the start's hint has had its turn
        QVERIFY(m_h->statusBar()->currentMessage().isEmpty());
        TestUmgebung::bild(m_h.get(), QStringLiteral("uebersicht-kaputt"));
    }
};

VELMORA_TEST_MAIN(TestUebersichtFenster)
#include "TestUebersichtFenster.moc"
