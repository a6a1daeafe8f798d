#include "TestUmgebung.h"

#include "ledger/Antragsdatenbank.h"
#include "ledger/Aufwendungen.h"
#include "shell/Datenbank.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/Registry.h"
#include "base/TextFile.h"
#include "shell/Verzeichnisse.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QPainter>
#include <QPdfWriter>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <memory>

namespace {

void bild(QWidget *w, const QString &name)
{
    TestUmgebung::bild(w, name);
}

// A one-page doctor's invoice with a text layer.
void rechnungSchreiben(const QString &datei)
{
    QPdfWriter pdf(datei);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(300);
    QPainter p(&pdf);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    const QStringList zeilen = {
        "Dr. med. Anna Beispiel, Fachärztin für Allgemeinmedizin", "Musterstraße 1, 40210 Düsseldorf", "",
        "Herrn Max Mustermann, Lindenweg 2, 40211 Düsseldorf", "", "Rechnung", "Rechnungsnummer: R-2024-017",
        "Rechnungsdatum: 15.03.2024", "Patient: Max Mustermann, geb. 01.01.1970", "",
        "Datum        GOÄ-Nr.  Leistung                         Faktor   Betrag",
        "12.03.2024   1        Beratung                          2,3      10,72 €",
        "12.03.2024   5        Symptombezogene Untersuchung      2,3      10,72 €", "",
        "Rechnungsbetrag: 21,44 €"};
    int y = 300;
    for (const QString &z : zeilen) {
        p.drawText(250, y, z);
        y += 60;
    }
}

} // namespace

class TestAufwendungen : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    Aufwendungen *m_a = nullptr;
    QString m_dir;

    // A program and data directory with an empty application database and a
    // field file of the given form kind and lines.
    void starten(const QString &formularart = QStringLiteral("Standardantrag"), const QStringList &felder = {},
                 bool mitDatenbank = true, QSize groesse = {1280, 860})
    {
        m_a = nullptr;
        m_h.reset();
        Dialoge::zuruecksetzen();
        m_dir = TestUmgebung::programmverzeichnis(QStringLiteral("ledger"));
        if (mitDatenbank)
            QVERIFY(QFile::copy(m_dir + Antragsdatenbank::Vorlage, m_dir + Antragsdatenbank::Dateiname));
        QFile::setPermissions(m_dir + Antragsdatenbank::Dateiname, QFile::ReadOwner | QFile::WriteOwner);
        QString text = formularart + QStringLiteral("\r\n");
        for (const QString &z : felder)
            text += z + QStringLiteral("\r\n");
        text += QStringLiteral("---Ende---\r\n");
        QVERIFY(TextFile::write(m_dir + QStringLiteral("beihilfe.txt"), text, TextFile::Encoding::Utf8));
        m_h = TestUmgebung::hauptfenster(m_dir, groesse);
        QApplication::setActiveWindow(m_h.get());
        QVERIFY(QTest::qWaitForWindowActive(m_h.get()));
    }

    void oeffnen()
    {
        m_a = qobject_cast<Aufwendungen *>(m_h->oeffnen(QStringLiteral("Aufwendungen")));
        QVERIFY(m_a);
        QCoreApplication::processEvents();
    }

    template<typename T = QWidget>
    T *w(const QString &name) const
    {
        T *x = m_a->findChild<T *>(name);
        if (!x)
            qWarning("no control %s", qPrintable(name));
        return x;
    }
    QLineEdit *e(const QString &name) const { return w<QLineEdit>(name); }
    QComboBox *c(const QString &name) const { return w<QComboBox>(name); }
    void klick(const QString &name) const { w<QPushButton>(name)->click(); }
    QAction *aktion(const QString &name) const { return m_a->findChild<QAction *>(name); }
    int anzahl() const { return m_a->rechnungspositionen().anzahl(); }
    QTableView *liste() const { return w<QTableView>(QStringLiteral("Liste")); }
    QString zelle(int zeile, int spalte) const
    {
        return liste()->model()->index(zeile, spalte).data().toString();
    }
    void zeileWaehlen(int p) const { liste()->setCurrentIndex(liste()->model()->index(p - 1, 0)); }

    void eingeben(const QString &datum, const QString &empfaenger, const QString &art, const QString &rechnung = {},
                  const QString &beleg = {})
    {
        e(QStringLiteral("Beleg"))->setText(beleg);
        e(QStringLiteral("Datum"))->setText(datum);
        c(QStringLiteral("Empfänger"))->setEditText(empfaenger);
        c(QStringLiteral("ArtListe"))->setEditText(art);
        e(QStringLiteral("Rechnung"))->setText(rechnung);
    }
    void hinzufuegen(const QString &datum, const QString &empfaenger, const QString &art,
                     const QString &rechnung = {}, const QString &beleg = {})
    {
        eingeben(datum, empfaenger, art, rechnung, beleg);
        klick(QStringLiteral("Hinzufügen_Knopf"));
    }
    void antragsinfo(const QString &datum)
    {
        e(QStringLiteral("Antragsdatum"))->setText(datum);
    }
    void fokus(QWidget *x)
    {
        x->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    QString shared(const QString &name) const { return m_h->feld(name)->text(); }

private Q_SLOTS:
    void cleanup()
    {
        m_a = nullptr;
        m_h.reset();
        Dialoge::zuruecksetzen();
    }

    // A dropped invoice is read off the window's thread and, taken over in
    // "Beleg prüfen", stands in the list as a receipt with its picture; a
    // damaged file is refused with a message and changes nothing.
    void belegEinlesen_data()
    {
        QTest::addColumn<bool>("kaputt");
        QTest::newRow("Rechnung") << false;
        QTest::newRow("beschädigt") << true;
    }
    void belegEinlesen()
    {
        QFETCH(bool, kaputt);
        starten(QStringLiteral("Standardantrag"), {QStringLiteral("1Vorname:=Max"),
                                                   QStringLiteral("1Nachname:=Mustermann"),
                                                   QStringLiteral("1Ehegattenvorname:=Eva")});
        oeffnen();
        const QString datei = TestUmgebung::neuesVerzeichnis(QStringLiteral("eingang")) + QStringLiteral("rechnung.pdf");
        if (kaputt) {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("%PDF-1.4\n1 0 obj << /Type /Cat") > 0);
        } else {
            rechnungSchreiben(datei);
        }
        bool geprueft = false;
        Dialoge::dialogAntwort([&geprueft](QDialog *d) {
            geprueft = d->objectName() == QLatin1String("Belegpruefung");
            bild(d, QStringLiteral("belegpruefung"));
            d->findChild<QPushButton *>(QStringLiteral("BP_Uebernehmen"))->click();
            return d->result();
        });
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(datei)});
        QDragEnterEvent hinein(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(m_a, &hinein);
        QVERIFY(hinein.isAccepted());
        QDropEvent ablegen(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, {});
        QApplication::sendEvent(m_a, &ablegen);
        QTRY_VERIFY_WITH_TIMEOUT(!m_a->liestBelege(), 20000);
        QCOMPARE(geprueft, !kaputt);
        QCOMPARE(anzahl(), kaputt ? 0 : 1);
        QCOMPARE(QDir(m_dir + QStringLiteral("belege")).exists(), !kaputt);
        if (kaputt) {
            QVERIFY(Dialoge::letzteMeldung().text.startsWith(QStringLiteral("Der Beleg kann nicht eingelesen werden.")));
            return;
        }
        QCOMPARE(zelle(0, 1).trimmed(), QStringLiteral("15.03.2024"));
        QCOMPARE(zelle(0, 2).trimmed(), QStringLiteral("A"));
        QCOMPARE(zelle(0, 3).trimmed(), QStringLiteral("AB"));
        QCOMPARE(zelle(0, 4), QStringLiteral("21,44"));
        QVERIFY(liste()->model()->index(0, 0).data(Qt::DecorationRole).isValid());
        bild(m_a, QStringLiteral("aufwendungen-beleg"));
    }

    // At 1092×560 every button of the window shows without scrolling
    // sideways, every column has a heading, and an amount box names the
    // currency its receipt is in.
    void kleinesFenster()
    {
        starten(QStringLiteral("Standardantrag"), {}, true, {1092, 560});
        oeffnen();
        QCoreApplication::processEvents();
        auto *rahmen = qobject_cast<QAbstractScrollArea *>(m_a->parentWidget()->parentWidget());
        const QRect sichtbar = rahmen->viewport()->rect();
        for (const char *panel : {"Panel2", "Panel3"})
            for (QPushButton *b : w(QString::fromUtf8(panel))->findChildren<QPushButton *>())
                if (b->isVisible())
                    QVERIFY2(sichtbar.contains(QRect(b->mapTo(rahmen->viewport(), QPoint()), b->size())),
                             qPrintable(b->objectName()));
        QVERIFY(liste()->height() > 8 * liste()->verticalHeader()->defaultSectionSize());
        for (int i = 0; i < liste()->model()->columnCount(); ++i)
            QVERIFY(!liste()->model()->headerData(i, Qt::Horizontal).toString().isEmpty());
        bild(m_h.get(), QStringLiteral("aufwendungen-klein"));
        for (const char *waehrung : {" in Euro (", " in DM ("}) {
            for (const char *feld : {"Rechnung", "Versicherung", "Erstattung", "ErstattungV", "AbschlagHöhe"})
                QVERIFY(e(QString::fromUtf8(feld))->toolTip().contains(QString::fromUtf8(waehrung)));
            w<QCheckBox>(QStringLiteral("Euro"))->setChecked(false);
            w<QCheckBox>(QStringLiteral("AEuro"))->setChecked(false);
        }
    }

    void ladenUndAktivieren()
    {
        starten();
        m_h->SpeichernKnopf()->setEnabled(true);
        oeffnen();
        QCOMPARE(m_h->aktiv(7), QStringLiteral("1"));
        QCOMPARE(m_a->objectName(), QStringLiteral("Aufwendungen"));
        QCOMPARE(m_a->windowTitle(), QStringLiteral("Zusammenstellung der Aufwendungen (ohne dauernde Pflege)"));
        QVERIFY(!m_h->SpeichernKnopf()->isEnabled());
        QVERIFY(w<QCheckBox>(QStringLiteral("Euro"))->isChecked());
        QVERIFY(w<QCheckBox>(QStringLiteral("AEuro"))->isChecked());
        // Ticking AEuro at load already ran the totals once.
        QCOMPARE(w<QLabel>(QStringLiteral("Infozeile"))->text(), QStringLiteral("Keine Aufwendungen erfasst !"));
        QVERIFY(!w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        QVERIFY(!aktion(QStringLiteral("MenüAntragSpeichern"))->isEnabled());
        QCOMPARE(QApplication::focusWidget(), e(QStringLiteral("Beleg")));
        QCOMPARE(c(QStringLiteral("ArtListe"))->count(), 17);
        // "fälligam" was appended by the upgrade.
        {
            Datenbank db;
            QVERIFY(db.oeffnen(m_dir + Antragsdatenbank::Dateiname));
            QVERIFY(db.spaltenVon(QStringLiteral("Rechnungen")).contains(QStringLiteral("fälligam")));
        }
        // The export entry follows Tarvik.
        QVERIFY(!aktion(QStringLiteral("MenüExportTarvik"))->isVisible());
        m_h->kasten(QStringLiteral("Tarvik"))->setChecked(true);
        m_a->aktivieren();
        QVERIFY(aktion(QStringLiteral("MenüExportTarvik"))->isVisible());
        // Antragsinfo switches entry area and header, twice returns.
        QWidget *p1 = w(QStringLiteral("Panel1"));
        QWidget *p4 = w(QStringLiteral("Panel4"));
        QVERIFY(p1->isVisible() && !p4->isVisible());
        klick(QStringLiteral("Antragsinfo_Knopf"));
        QVERIFY(!p1->isVisible() && p4->isVisible());
        bild(m_h.get(), QStringLiteral("aufwendungen-kopf"));
        aktion(QStringLiteral("MenüAntragsinfo"))->trigger();
        QVERIFY(p1->isVisible() && !p4->isVisible());
        // With receipts the focus goes to the list.
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("10"));
        m_h->oeffnen(QStringLiteral("Infoform"));
        m_h->oeffnen(QStringLiteral("Aufwendungen"));
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), liste());
    }

    void pruefungUndHinzufuegen()
    {
        starten();
        oeffnen();
        // Validation order, first failure only, nothing changed.
        eingeben(QStringLiteral("31.02.2001"), QString(), QString());
        klick(QStringLiteral("Hinzufügen_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Datum ist ungültig!"));
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Eingabefehler!"));
        QCOMPARE(Dialoge::letzteMeldung().icon, QMessageBox::Critical);
        e(QStringLiteral("Datum"))->setText(QStringLiteral("1.2.01"));
        klick(QStringLiteral("Einfügen_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Empfänger muss angegeben werden!"));
        c(QStringLiteral("Empfänger"))->setEditText(QStringLiteral("K1"));
        klick(QStringLiteral("Ändern_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Art der Leistung muss angegeben werden!"));
        QCOMPARE(anzahl(), 0);
        QCOMPARE(Dialoge::protokoll().size(), 3);

        // Add without an application date: the receipt goes in, then the hint.
        c(QStringLiteral("Empfänger"))->setEditText(QStringLiteral("K12"));
        c(QStringLiteral("ArtListe"))->setEditText(QStringLiteral("ZB"));
        e(QStringLiteral("Rechnung"))->setText(QStringLiteral("1.234,5"));
        e(QStringLiteral("Erstattung"))->setText(QStringLiteral("nix"));
        e(QStringLiteral("Beleg"))->setText(QStringLiteral("7"));
        c(QStringLiteral("Arzt"))->setEditText(QStringLiteral("Dr. Zahn"));
        klick(QStringLiteral("Hinzufügen_Knopf"));
        QCOMPARE(anzahl(), 1);
        const Rechnungsposition &r = m_a->rechnungspositionen().slot(1);
        QCOMPARE(r.Empfaenger.text(), QStringLiteral("K1"));
        QCOMPARE(r.Rechnung, 1234.5);
        QCOMPARE(r.Erstattung, 0.0);
        QCOMPARE(r.Beleg, qint16(7));
        QVERIFY(r.euro);
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Wichtiger Hinweis!"));
        QCOMPARE(Dialoge::letzteMeldung().text,
                 QStringLiteral("Sie haben noch kein Antragsdatum eingegeben!\rBitte 'Antragsinfo' drücken und Datum "
                                "eingeben.\r\rAnsonsten ist das Speichern des Antrages nicht möglich!"));
        // Entry fields cleared except recipient and currency.
        QVERIFY(e(QStringLiteral("Datum"))->text().isEmpty());
        QVERIFY(e(QStringLiteral("Rechnung"))->text().isEmpty());
        QVERIFY(c(QStringLiteral("ArtListe"))->currentText().isEmpty());
        QVERIFY(c(QStringLiteral("Arzt"))->currentText().isEmpty());
        QCOMPARE(c(QStringLiteral("Empfänger"))->currentText(), QStringLiteral("K12"));
        QCOMPARE(zelle(0, 2), QStringLiteral("K1"));
        QCOMPARE(zelle(0, 4), QStringLiteral("1.234,50"));
        QCOMPARE(zelle(0, 6), QStringLiteral("EUR"));
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("1.234,50"));
        QVERIFY(!w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());

        // An older receipt in the slot does not leak into a new one's empty field.
        zeileWaehlen(1);
        klick(QStringLiteral("Bearbeiten_Knopf"));
        QCOMPARE(e(QStringLiteral("Rechnung"))->text(), QStringLiteral("1.234,50"));
        QCOMPARE(e(QStringLiteral("Erstattung"))->text(), QStringLiteral("0,00"));
        QCOMPARE(c(QStringLiteral("Arzt"))->currentText(), QStringLiteral("Dr. Zahn"));
        e(QStringLiteral("Erstattung"))->setText(QStringLiteral("99"));
        klick(QStringLiteral("Ändern_Knopf"));
        QCOMPARE(m_a->rechnungspositionen().slot(1).Erstattung, 99.0);
        klick(QStringLiteral("Löschen_Knopf")); // unanswered: No
        QCOMPARE(anzahl(), 1);
        hinzufuegen(QStringLiteral("2.2.2001"), QStringLiteral("A"), QStringLiteral("AB"));
        QCOMPARE(m_a->rechnungspositionen().slot(2).Erstattung, 0.0);

        // The date makes saving possible and is mirrored into the main window.
        antragsinfo(QStringLiteral("15.03.2001"));
        QVERIFY(w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        QVERIFY(aktion(QStringLiteral("MenüAntragSpeichern"))->isEnabled());
        QCOMPARE(shared(QStringLiteral("Datum")), QStringLiteral("15.03.2001"));
        antragsinfo(QStringLiteral("15.03."));
        QVERIFY(!w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        e(QStringLiteral("AbschlagHöhe"))->setText(QStringLiteral("50,00"));
        e(QStringLiteral("AbschlagDatum"))->setText(QStringLiteral("01.03.2001"));
        QCOMPARE(shared(QStringLiteral("BescheidHöhe")), QStringLiteral("50,00"));
        QCOMPARE(shared(QStringLiteral("Bescheidvom")), QStringLiteral("01.03.2001"));
        QVERIFY(!m_h->kasten(QStringLiteral("keinAbschlag"))->isChecked());
    }

    void einfuegenAendernLoeschen()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        for (int i = 1; i <= 3; ++i)
            hinzufuegen(QStringLiteral("0%1.01.2001").arg(i), QStringLiteral("A"), QStringLiteral("AB"),
                        QString::number(i * 10), QString::number(i));
        QCOMPARE(Dialoge::protokoll().size(), 0);
        // Insert on row 1 puts the new receipt first.
        zeileWaehlen(1);
        hinzufuegen(QString(), QString(), QString()); // refused, nothing changed
        QCOMPARE(anzahl(), 3);
        eingeben(QStringLiteral("09.09.2001"), QStringLiteral("E"), QStringLiteral("ZB"), QStringLiteral("5"),
                 QStringLiteral("99"));
        klick(QStringLiteral("Einfügen_Knopf"));
        QCOMPARE(anzahl(), 4);
        QCOMPARE(m_a->rechnungspositionen().slot(1).Beleg, qint16(99));
        QCOMPARE(m_a->rechnungspositionen().slot(2).Beleg, qint16(1));
        QCOMPARE(liste()->currentIndex().row(), 0);
        // Change writes to the row under the cursor now, not the edited one.
        zeileWaehlen(2);
        klick(QStringLiteral("Bearbeiten_Knopf"));
        e(QStringLiteral("Beleg"))->setText(QStringLiteral("42"));
        zeileWaehlen(4);
        klick(QStringLiteral("Ändern_Knopf"));
        QCOMPARE(m_a->rechnungspositionen().slot(4).Beleg, qint16(42));
        QCOMPARE(m_a->rechnungspositionen().slot(2).Beleg, qint16(1));
        QCOMPARE(liste()->currentIndex().row(), 3);
        // Delete with Yes, down to an empty table.
        while (anzahl() > 0) {
            zeileWaehlen(1);
            Dialoge::antworte(QMessageBox::Yes);
            aktion(QStringLiteral("MenüLöschen"))->trigger();
        }
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Rechnungsposition wirklich löschen?"));
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Bitte bestätigen..."));
        QCOMPARE(w<QLabel>(QStringLiteral("Infozeile"))->text(), QStringLiteral("Keine Aufwendungen erfasst !"));
        QCOMPARE(liste()->model()->rowCount(), 0);
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("0"));
        QVERIFY(!w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        // No cursor row: edit, change and delete address nothing.
        klick(QStringLiteral("Bearbeiten_Knopf"));
        QCOMPARE(anzahl(), 0);

        // No slot limit: well over 100 receipts, inserts among them.
        for (int i = 0; i < 130; ++i)
            hinzufuegen(QStringLiteral("01.01.2001"), QStringLiteral("A"), QStringLiteral("AB"),
                        QStringLiteral("1"));
        zeileWaehlen(120);
        eingeben(QStringLiteral("02.02.2002"), QStringLiteral("E"), QStringLiteral("ZB"));
        klick(QStringLiteral("Einfügen_Knopf"));
        QCOMPARE(anzahl(), 131);
        QCOMPARE(m_a->rechnungspositionen().slot(120).Empfaenger.text(), QStringLiteral("E "));
        QVERIFY(w<QLabel>(QStringLiteral("Infozeile"))->text().startsWith(QStringLiteral("131 Rechnungen erfasst")));
    }

    // Entf in the list asks as "Löschen" does; only Yes deletes.
    void entfLoescht_data()
    {
        QTest::addColumn<QMessageBox::StandardButton>("antwort");
        QTest::addColumn<int>("erster");
        QTest::newRow("ja") << QMessageBox::Yes << 2;
        QTest::newRow("nein") << QMessageBox::No << 1;
    }
    void entfLoescht()
    {
        QFETCH(QMessageBox::StandardButton, antwort);
        QFETCH(int, erster);
        starten();
        oeffnen();
        for (const char *beleg : {"1", "2"})
            hinzufuegen(QStringLiteral("01.01.2001"), QStringLiteral("A"), QStringLiteral("AB"), {}, beleg);
        zeileWaehlen(1);
        Dialoge::antworte(antwort);
        QTest::keyClick(liste(), Qt::Key_Delete);
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Rechnungsposition wirklich löschen?"));
        QCOMPARE(m_a->rechnungspositionen().slot(1).Beleg, qint16(erster));
    }

    // Strg+Z takes back a delete, then a change: rows, numbers, totals and
    // cursor row of before; a new application has nothing to take back.
    void rueckgaengig()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        for (int i = 1; i <= 3; ++i)
            hinzufuegen(QStringLiteral("01.01.2001"), QStringLiteral("A"), QStringLiteral("AB"),
                        QString::number(i * 10), QString::number(i));
        const QVector<Rechnungsposition> drei = m_a->rechnungspositionen().alle();
        zeileWaehlen(2);
        klick(QStringLiteral("Bearbeiten_Knopf"));
        e(QStringLiteral("Rechnung"))->setText(QStringLiteral("99"));
        klick(QStringLiteral("Ändern_Knopf"));
        const QVector<Rechnungsposition> geaendert = m_a->rechnungspositionen().alle();
        zeileWaehlen(2);
        Dialoge::antworte(QMessageBox::Yes);
        QTest::keyClick(liste(), Qt::Key_Delete);
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("40,00"));
        QTest::keyClick(liste(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_a->rechnungspositionen().alle(), geaendert);
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("139,00"));
        QCOMPARE(liste()->currentIndex().row(), 1);
        // In an entry field without typing of its own the key is the window's.
        fokus(e(QStringLiteral("Beleg")));
        QTest::keyClick(e(QStringLiteral("Beleg")), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(m_a->rechnungspositionen().alle(), drei);
        QVERIFY(aktion(QStringLiteral("MenüRückgängig"))->isEnabled());
        Dialoge::antworte(QMessageBox::Yes);
        klick(QStringLiteral("Neu_Knopf"));
        QVERIFY(!aktion(QStringLiteral("MenüRückgängig"))->isEnabled());
    }

    // The missing application date is pointed out once per application.
    void antragsdatumHinweisEinmal()
    {
        starten();
        oeffnen();
        for (int antrag = 1; antrag <= 2; ++antrag) {
            Dialoge::zuruecksetzen();
            for (int i = 0; i < 3; ++i)
                hinzufuegen(QStringLiteral("01.01.2001"), QStringLiteral("A"), QStringLiteral("AB"));
            QCOMPARE(Dialoge::protokoll().size(), 1);
            Dialoge::antworte(QMessageBox::Yes);
            klick(QStringLiteral("Neu_Knopf"));
        }
    }

    void formatierungUndVorschlag()
    {
        starten(QStringLiteral("Standardantrag"),
                {QStringLiteral("1BemessungssatzA:=70"), QStringLiteral("1KrankenkassenanteilA:=20"),
                 QStringLiteral("1BemessungssatzE:=abc")});
        oeffnen();
        QCOMPARE(m_h->feld(QStringLiteral("Bemessungssatz"), 0)->text(), QStringLiteral("70"));
        fokus(e(QStringLiteral("Datum")));
        e(QStringLiteral("Datum"))->setText(QStringLiteral("1.2.01"));
        fokus(e(QStringLiteral("bezahltam")));
        QCOMPARE(e(QStringLiteral("Datum"))->text(), QStringLiteral("01.02.2001"));
        e(QStringLiteral("bezahltam"))->setText(QStringLiteral("gestern"));
        fokus(e(QStringLiteral("fälligam")));
        QCOMPARE(e(QStringLiteral("bezahltam"))->text(), QStringLiteral("gestern"));
        e(QStringLiteral("fälligam"))->setText(QStringLiteral("1.3.01"));
        fokus(e(QStringLiteral("Erstattung")));
        QCOMPARE(e(QStringLiteral("fälligam"))->text(), QStringLiteral("1.3.01"));
        e(QStringLiteral("Erstattung"))->setText(QStringLiteral("1234,5"));
        fokus(e(QStringLiteral("Rechnung")));
        QCOMPARE(e(QStringLiteral("Erstattung"))->text(), QStringLiteral("1.234,50"));

        // Leaving Rechnung with Versicherung empty suggests both amounts.
        c(QStringLiteral("Empfänger"))->setEditText(QStringLiteral("A"));
        e(QStringLiteral("Rechnung"))->setText(QStringLiteral("100"));
        fokus(e(QStringLiteral("Beleg")));
        QCOMPARE(e(QStringLiteral("Rechnung"))->text(), QStringLiteral("100,00"));
        QCOMPARE(e(QStringLiteral("Erstattung"))->text(), QStringLiteral("70,00"));
        QCOMPARE(e(QStringLiteral("Versicherung"))->text(), QStringLiteral("20,00"));
        QCOMPARE(QApplication::focusWidget(), e(QStringLiteral("Versicherung")));
        // With Versicherung filled nothing is suggested.
        e(QStringLiteral("Erstattung"))->setText(QStringLiteral("1"));
        fokus(e(QStringLiteral("Rechnung")));
        fokus(e(QStringLiteral("Beleg")));
        QCOMPARE(e(QStringLiteral("Erstattung"))->text(), QStringLiteral("1"));
        // Unreadable rate and unknown person give 0,00.
        c(QStringLiteral("Empfänger"))->setEditText(QStringLiteral("E"));
        aktion(QStringLiteral("MenüVersicherungBerechnen"))->trigger();
        QCOMPARE(e(QStringLiteral("Erstattung"))->text(), QStringLiteral("0,00"));
        c(QStringLiteral("Empfänger"))->setEditText(QStringLiteral("X"));
        klick(QStringLiteral("Rechnen_Knopf"));
        QCOMPARE(e(QStringLiteral("Versicherung"))->text(), QStringLiteral("0,00"));
        c(QStringLiteral("Empfänger"))->setEditText(QString());
        e(QStringLiteral("Versicherung"))->setText(QStringLiteral("5"));
        klick(QStringLiteral("Rechnen_Knopf"));
        QCOMPARE(e(QStringLiteral("Versicherung"))->text(), QStringLiteral("5"));

        // Entering a field selects its first 15 characters.
        e(QStringLiteral("Rechnungsnummer"))->setText(QStringLiteral("12345678901234567890"));
        fokus(e(QStringLiteral("Rechnungsnummer")));
        QCOMPARE(e(QStringLiteral("Rechnungsnummer"))->selectedText(), QStringLiteral("123456789012345"));
    }

    void tastaturpfad()
    {
        starten();
        oeffnen();
        const QStringList pfad = {QStringLiteral("Beleg"),        QStringLiteral("Datum"),
                                  QStringLiteral("Empfänger"),    QStringLiteral("ArtListe")};
        fokus(w(pfad.first()));
        for (int i = 1; i < pfad.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), pfad.at(i));
        }
        const QStringList zweiter = {QStringLiteral("Rechnungsnummer"), QStringLiteral("Rechnung"),
                                     QStringLiteral("Versicherung"),    QStringLiteral("Erstattung"),
                                     QStringLiteral("ErstattungV"),     QStringLiteral("Arzt"),
                                     QStringLiteral("fälligam"),        QStringLiteral("bezahltam"),
                                     QStringLiteral("Beleg")};
        e(QStringLiteral("Versicherung"))->setText(QStringLiteral("1"));
        fokus(w(zweiter.first()));
        for (int i = 1; i < zweiter.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCoreApplication::processEvents();
            QCOMPARE(QApplication::focusWidget()->objectName(), zweiter.at(i));
        }
        // Enter in the list edits the row and goes to Beleg.
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QString(),
                    QStringLiteral("5"));
        fokus(liste());
        zeileWaehlen(1);
        QTest::keyClick(liste(), Qt::Key_Return);
        QCOMPARE(e(QStringLiteral("Beleg"))->text(), QStringLiteral("5"));
        QCOMPARE(QApplication::focusWidget(), e(QStringLiteral("Beleg")));
    }

    void pflegeUndKostenarten()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"));
        w<QCheckBox>(QStringLiteral("Pflegeantrag"))->setChecked(true);
        QCOMPARE(m_a->windowTitle(), QStringLiteral("Zusammenstellung der Aufwendungen für dauernde Pflege"));
        QCOMPARE(w<QLabel>(QStringLiteral("ArtLabel"))->text(), QStringLiteral("Pflege"));
        QVERIFY(!c(QStringLiteral("ArtListe"))->isVisible());
        QVERIFY(liste()->isColumnHidden(3));
        eingeben(QStringLiteral("02.02.2001"), QStringLiteral("E"), c(QStringLiteral("ArtListe"))->currentText());
        klick(QStringLiteral("Hinzufügen_Knopf"));
        QCOMPARE(m_a->rechnungspositionen().slot(2).Art.getrimmt(), QStringLiteral("Pflege"));
        QCOMPARE(m_a->rechnungspositionen().slot(1).Art.getrimmt(), QStringLiteral("AB"));
        QCOMPARE(c(QStringLiteral("ArtListe"))->currentText(), QStringLiteral("Pflege"));
        QVERIFY(liste()->isColumnHidden(3)); // stays hidden across the rebuild
        klick(QStringLiteral("Felder_Löschen_Knopf"));
        QVERIFY(c(QStringLiteral("Empfänger"))->currentText().isEmpty());
        QCOMPARE(c(QStringLiteral("ArtListe"))->currentText(), QStringLiteral("Pflege"));
        bild(m_h.get(), QStringLiteral("aufwendungen-pflege"));
        w<QCheckBox>(QStringLiteral("Pflegeantrag"))->setChecked(false);
        QCOMPARE(m_a->windowTitle(), QStringLiteral("Zusammenstellung der Aufwendungen (ohne dauernde Pflege)"));
        QCOMPARE(w<QLabel>(QStringLiteral("ArtLabel"))->text(), QStringLiteral("Art"));
        QVERIFY(c(QStringLiteral("ArtListe"))->currentText().isEmpty());
        QVERIFY(c(QStringLiteral("ArtListe"))->isVisible());
        QVERIFY(!liste()->isColumnHidden(3));

        // Choosing an LBV form kind refills the cost types at once and
        // keeps what was typed.
        c(QStringLiteral("ArtListe"))->setEditText(QStringLiteral("ZB"));
        m_h->setAntragText(QStringLiteral("LBV NRW"));
        auto *art = c(QStringLiteral("ArtListe"));
        QCOMPARE(art->count(), 13);
        QCOMPARE(art->itemText(0), QStringLiteral("1 (AB)"));
        QCOMPARE(art->currentText(), QStringLiteral("ZB"));
        m_h->setAntragText(QStringLiteral("Standardantrag"));
        QCOMPARE(art->count(), 17);
    }

    void lbvWarnungUndSummen()
    {
        starten(QStringLiteral("LBV NRW"));
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        w<QCheckBox>(QStringLiteral("Euro"))->setChecked(false);
        for (int i = 0; i < 3; ++i)
            hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("E"), QStringLiteral("3 (HM)"),
                        QStringLiteral("195,583"));
        for (int i = 0; i < 3; ++i)
            hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("3 (HM)"),
                        QStringLiteral("195,583"));
        QCOMPARE(Dialoge::protokoll().size(), 0);
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("3 (HM)"),
                    QStringLiteral("195,583"));
        QCOMPARE(Dialoge::protokoll().size(), 1);
        const Dialoge::Meldung m = Dialoge::letzteMeldung();
        QCOMPARE(m.icon, QMessageBox::Warning);
        QCOMPARE(m.text, QStringLiteral("Zuviele Aufwendungen im Antrag !\r\nKostenart 3 für Antragsteller (3 maximal, "
                                        "aber 4 wurden erfasst)\r\n\r\nLöschen Sie einen Beleg der entsprechenden "
                                        "Kostenart!\r\nErfassen Sie den Beleg in einer neuen Zusammenstellung!"));
        // The application currency switches the totals at once.
        QCOMPARE(shared(QStringLiteral("EndsummeWährung")), QStringLiteral("EUR"));
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("700,00"));
        w<QCheckBox>(QStringLiteral("AEuro"))->setChecked(false);
        QCOMPARE(shared(QStringLiteral("EndsummeWährung")), QStringLiteral("DM"));
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("1.369,08"));
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetragDM")), QStringLiteral("1.369,08"));
        QCOMPARE(shared(QStringLiteral("LBVEndsummeER")), QStringLiteral("586,75"));
        QCOMPARE(Dialoge::protokoll().size(), 2); // the excess is reported again
        // Form kind without LBV: no warning.
        m_h->setAntragText(QStringLiteral("Standardantrag"));
        w<QCheckBox>(QStringLiteral("AEuro"))->setChecked(true);
        QCOMPARE(Dialoge::protokoll().size(), 2);
    }

    void speichernUndLaden()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        e(QStringLiteral("Bemerkungen"))->setText(QStringLiteral("Zahnarzt O'Brien"));
        e(QStringLiteral("AbschlagHöhe"))->setText(QStringLiteral("0"));
        e(QStringLiteral("eingereichtam"))->setText(QStringLiteral("16.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("10"));
        hinzufuegen(QStringLiteral("02.02.2001"), QStringLiteral("E"), QStringLiteral("ZB"), QStringLiteral("20"));
        klick(QStringLiteral("Speichern_Knopf"));
        // A second application without date.
        klick(QStringLiteral("Neu_Knopf")); // unanswered: No
        QCOMPARE(anzahl(), 2);
        Dialoge::antworte(QMessageBox::Yes);
        klick(QStringLiteral("Neu_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().text,
                 QStringLiteral("Neuen Antrag beginnen und vorhandene Positionen löschen ?"));
        QCOMPARE(anzahl(), 0);
        QVERIFY(e(QStringLiteral("Antragsdatum"))->text().isEmpty());
        QVERIFY(e(QStringLiteral("Bemerkungen"))->text().isEmpty());
        QVERIFY(w<QCheckBox>(QStringLiteral("AEuro"))->isChecked());
        e(QStringLiteral("Unternummer"))->setText(QStringLiteral("1"));
        hinzufuegen(QStringLiteral("03.02.2001"), QStringLiteral("K1"), QStringLiteral("RP"), QStringLiteral("5"));
        QVERIFY(!w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        aktion(QStringLiteral("MenüAntragSpeichern"))->trigger(); // disabled: nothing
        m_a->Speichern_Knopf_Click();                             // as the exit prompt does
        QCOMPARE(e(QStringLiteral("Bemerkungen"))->text(), QStringLiteral("ohne Antragsdatum"));
        // "Neuer Antrag" on an empty table keeps the header.
        Dialoge::antworte(QMessageBox::Yes);
        klick(QStringLiteral("Neu_Knopf"));
        e(QStringLiteral("Bemerkungen"))->setText(QStringLiteral("bleibt"));
        klick(QStringLiteral("Neu_Knopf"));
        QCOMPARE(e(QStringLiteral("Bemerkungen"))->text(), QStringLiteral("bleibt"));
        const int meldungen = int(Dialoge::protokoll().size());

        // The load list: newest first, undated last; load the first.
        QStringList gesehen;
        Dialoge::dialogAntwort([&gesehen](QDialog *d) {
            auto *l = d->findChild<QTableView *>(QStringLiteral("Liste"));
            for (int i = 0; i < l->model()->rowCount(); ++i)
                gesehen.append(l->model()->index(i, 0).data().toString() + u'|'
                               + l->model()->index(i, 1).data().toString());
            // Only for the picture; the checks below do not need the window shown.
            static_cast<void>(QTest::qWaitForWindowExposed(d));
            bild(d, QStringLiteral("ladenform"));
            l->setCurrentIndex(l->model()->index(0, 0));
            Q_EMIT l->doubleClicked(l->currentIndex());
            return d->result();
        });
        klick(QStringLiteral("Laden_Knopf"));
        QCOMPARE(gesehen, (QStringList{QStringLiteral("15.03.2001|Zahnarzt O'Brien"),
                                       QStringLiteral("|ohne Antragsdatum")}));
        QCOMPARE(anzahl(), 2);
        QCOMPARE(e(QStringLiteral("Antragsdatum"))->text(), QStringLiteral("15.03.2001"));
        QCOMPARE(e(QStringLiteral("eingereichtam"))->text(), QStringLiteral("16.03.2001"));
        QVERIFY(e(QStringLiteral("AbschlagHöhe"))->text().isEmpty()); // 0 reads as empty
        QVERIFY(e(QStringLiteral("Unternummer"))->text().isEmpty());
        QCOMPARE(shared(QStringLiteral("Datum")), QStringLiteral("15.03.2001"));
        QVERIFY(w<QPushButton>(QStringLiteral("Speichern_Knopf"))->isEnabled());
        QCOMPARE(shared(QStringLiteral("SummeRechnungsbetrag")), QStringLiteral("30,00"));
        QCOMPARE(Dialoge::protokoll().size(), meldungen);

        // Cancel by Esc changes nothing.
        Dialoge::dialogAntwort([](QDialog *d) {
            auto *l = d->findChild<QTableView *>(QStringLiteral("Liste"));
            l->setCurrentIndex(l->model()->index(1, 0));
            QTest::keyClick(l, Qt::Key_Escape);
            return d->result();
        });
        klick(QStringLiteral("Laden_Knopf"));
        QCOMPARE(anzahl(), 2);
        QCOMPARE(e(QStringLiteral("Antragsdatum"))->text(), QStringLiteral("15.03.2001"));

        // Search (a quote is data), then add the undated one to the open receipts.
        Dialoge::dialogAntwort([](QDialog *d) {
            auto *such = d->findChild<QLineEdit *>(QStringLiteral("Suchbegriff"));
            auto *l = d->findChild<QTableView *>(QStringLiteral("Liste"));
            such->setText(QStringLiteral("o'b"));
            such->setFocus();
            QCoreApplication::processEvents();
            l->setFocus();
            QCoreApplication::processEvents();
            const int gefunden = l->model()->rowCount();
            such->setText(QStringLiteral("OHNE"));
            such->setFocus();
            QCoreApplication::processEvents();
            l->setFocus();
            QCoreApplication::processEvents();
            if (gefunden != 1 || l->model()->rowCount() != 1)
                return -1;
            d->findChild<QCheckBox *>(QStringLiteral("Hinzuladen"))->setChecked(true);
            for (auto *b : d->findChildren<QPushButton *>(QStringLiteral("Ende_Knopf")))
                if (b->property("index").toInt() == 0)
                    b->click();
            return d->result();
        });
        aktion(QStringLiteral("MenüAntragLaden"))->trigger();
        QCOMPARE(anzahl(), 3);
        QCOMPARE(m_a->rechnungspositionen().slot(3).Empfaenger.text(), QStringLiteral("K1"));
        QVERIFY(e(QStringLiteral("Antragsdatum"))->text().isEmpty()); // header replaced as well
        QCOMPARE(e(QStringLiteral("Unternummer"))->text(), QStringLiteral("1"));

        // Delete in the dialog, then cancel with the button.
        int vorher = -1, nachher = -1;
        Dialoge::dialogAntwort([&](QDialog *d) {
            auto *l = d->findChild<QTableView *>(QStringLiteral("Liste"));
            d->findChild<QPushButton *>(QStringLiteral("Alle_Knopf"))->click();
            vorher = l->model()->rowCount();
            l->setCurrentIndex(l->model()->index(0, 0));
            Dialoge::antworte(QMessageBox::Yes);
            d->findChild<QPushButton *>(QStringLiteral("Löschen_Knopf"))->click();
            nachher = l->model()->rowCount();
            for (auto *b : d->findChildren<QPushButton *>(QStringLiteral("Ende_Knopf")))
                if (b->property("index").toInt() == 1)
                    b->click();
            return d->result();
        });
        klick(QStringLiteral("Laden_Knopf"));
        QCOMPARE(vorher, 2);
        QCOMPARE(nachher, 1);
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Antrag komplett löschen ?"));
        QCOMPARE(anzahl(), 3);
        Datenbank db;
        QVERIFY(db.oeffnen(m_dir + Antragsdatenbank::Dateiname));
        QCOMPARE(db.abfrage(QStringLiteral("select * from Rechnungen where Kennung = '15.03.2001'")).anzahl(), 0);
        QCOMPARE(db.abfrage(QStringLiteral("select * from Rechnungen where Kennung = 'ohne/1'")).anzahl(), 1);
    }

    void frischeInstallationSpeichert()
    {
        // A new user: no "Pfad", nothing in the per-user directory yet.
        m_a = nullptr;
        m_h.reset();
        Dialoge::zuruecksetzen();
        TestUmgebung::setzeProgrammpfad(QString());
        const QString benutzer = Verzeichnisse::benutzerverzeichnis();
        QDir(benutzer).removeRecursively();
        m_h = TestUmgebung::hauptform();
        m_h->starten(QString());
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("9"));
        klick(QStringLiteral("Speichern_Knopf"));
        Dialoge::antworte(QMessageBox::Yes);
        QVERIFY(m_h->Ende_Knopf_Click());
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Programm beenden..."));

        m_a = nullptr;
        m_h = TestUmgebung::hauptform();
        m_h->starten(QString());
        oeffnen();
        QCOMPARE(anzahl(), 0);
        QString gefunden;
        Dialoge::dialogAntwort([&gefunden](QDialog *d) {
            auto *liste = d->findChild<QTableView *>(QStringLiteral("Liste"));
            gefunden = liste->model()->index(0, 0).data().toString();
            liste->setCurrentIndex(liste->model()->index(0, 0));
            Q_EMIT liste->doubleClicked(liste->currentIndex());
            return 0;
        });
        klick(QStringLiteral("Laden_Knopf"));
        QCOMPARE(gefunden, QStringLiteral("15.03.2001"));
        QCOMPARE(anzahl(), 1);
    }

    void ohneDatenbank()
    {
        // Neither the file nor a template: saving says so and the exit
        // prompt keeps the program open with the receipts.
        starten(QStringLiteral("Standardantrag"), {}, false);
        QFile::remove(m_dir + Antragsdatenbank::Dateiname);
        QFile::remove(m_dir + Antragsdatenbank::Vorlage);
        const QByteArray mitgeliefert = qgetenv("VELMORA_SHIPPED_DIR");
        qputenv("VELMORA_SHIPPED_DIR", TestUmgebung::neuesVerzeichnis(QStringLiteral("leer")).toUtf8());
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"));
        Dialoge::antworte(QMessageBox::Yes);
        const bool beendet = m_h->Ende_Knopf_Click();
        qputenv("VELMORA_SHIPPED_DIR", mitgeliefert);
        QVERIFY(!beendet);
        QCOMPARE(Dialoge::letzteMeldung().icon, QMessageBox::Critical);
        QVERIFY2(Dialoge::letzteMeldung().text.contains(QStringLiteral("anträge.mdb")),
                 qPrintable(Dialoge::letzteMeldung().text));
        QCOMPARE(anzahl(), 1);

        // A damaged file is reported and left alone.
        QVERIFY(QFile::copy(TestUmgebung::testdaten(QStringLiteral("ledger/datenbanken/fremdformat.mdb")),
                            m_dir + Antragsdatenbank::Dateiname));
        klick(QStringLiteral("Speichern_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().icon, QMessageBox::Critical);
        QVERIFY(Dialoge::letzteMeldung().text.startsWith(QStringLiteral("Der Antrag konnte nicht gespeichert")));
        QCOMPARE(anzahl(), 1);
    }

    void sortierenUndNumerieren()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("K1"), QStringLiteral("AB"));
        hinzufuegen(QStringLiteral("03.03.2001"), QStringLiteral("A"), QStringLiteral("AB"));
        hinzufuegen(QStringLiteral("01.01.2001"), QStringLiteral("A"), QStringLiteral("AB"));
        klick(QStringLiteral("Sortieren_Knopf"));
        QCOMPARE(zelle(0, 1), QStringLiteral("01.01.2001"));
        QCOMPARE(zelle(1, 1), QStringLiteral("03.03.2001"));
        QCOMPARE(zelle(2, 2), QStringLiteral("K1"));

        auto nummer = [](const QString &text, int knopfIndex) {
            Dialoge::dialogAntwort([text, knopfIndex](QDialog *d) {
                d->findChild<QLineEdit *>(QStringLiteral("Nummer"))->setText(text);
                bild(d, QStringLiteral("numerierenform"));
                for (auto *b : d->findChildren<QPushButton *>(QStringLiteral("Ende_Knopf")))
                    if (b->property("index").toInt() == knopfIndex)
                        b->click();
                return d->result();
            });
        };
        QString zuletzt;
        nummer(QStringLiteral("10"), 0);
        klick(QStringLiteral("Numerieren_Knopf"));
        QCOMPARE((QStringList{zelle(0, 0), zelle(1, 0), zelle(2, 0)}),
                 (QStringList{QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")}));
        // The last start number is offered again.
        Dialoge::dialogAntwort([&zuletzt](QDialog *d) {
            zuletzt = d->findChild<QLineEdit *>(QStringLiteral("Nummer"))->text();
            d->close(); // closed without a button: cancel
            return d->result();
        });
        klick(QStringLiteral("Numerieren_Knopf"));
        QCOMPARE(zuletzt, QStringLiteral("10"));
        QCOMPARE(zelle(0, 0), QStringLiteral("10"));
        nummer(QStringLiteral("5"), 1);
        aktion(QStringLiteral("MenüAntragNumerieren"))->trigger();
        QCOMPARE(zelle(0, 0), QStringLiteral("10"));
        nummer(QStringLiteral("abc"), 0);
        klick(QStringLiteral("Numerieren_Knopf"));
        QCOMPARE(zelle(2, 0), QStringLiteral("2"));
        // Past 32767: refused with a message, nothing changed.
        nummer(QStringLiteral("32766"), 0);
        klick(QStringLiteral("Numerieren_Knopf"));
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Eingabefehler!"));
        QVERIFY(Dialoge::letzteMeldung().text.contains(QStringLiteral("32767")));
        QCOMPARE(zelle(0, 0), QStringLiteral("0"));
        QCOMPARE(m_a->rechnungspositionen().slot(3).Beleg, qint16(2));
    }

    void aerzteliste()
    {
        starten();
        oeffnen();
        QCOMPARE(c(QStringLiteral("Arzt"))->count(), 0);
        klick(QStringLiteral("Arztedit_Knopf"));
        QWidget *editor = m_h->maske(QStringLiteral("Aerzteform"));
        QVERIFY(editor);
        QCOMPARE(editor->windowTitle(), QStringLiteral("Ärzteliste bearbeiten"));
        auto *inhalt = editor->findChild<QPlainTextEdit *>(QStringLiteral("Inhalt"));
        QVERIFY(inhalt->toPlainText().isEmpty());
        inhalt->setPlainText(QStringLiteral("Dr. Älter\nDr. Bauer\nPraxis Chen"));
        editor->findChild<QPushButton *>(QStringLiteral("Speichern_Knopf"))->click();
        QFile f(m_dir + QStringLiteral("arzt.txt"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QStringLiteral("Dr. Älter\r\nDr. Bauer\r\nPraxis Chen\r\n").toUtf8());
        f.close();
        QCOMPARE(c(QStringLiteral("Arzt"))->count(), 0); // not before the editor closes
        bild(editor, QStringLiteral("aerzteform"));
        editor->findChild<QPushButton *>(QStringLiteral("Ende_Knopf"))->click();
        QVERIFY(!editor->parentWidget()->isVisible());
        QCOMPARE(c(QStringLiteral("Arzt"))->count(), 3);
        QCOMPARE(c(QStringLiteral("Arzt"))->itemText(0), QStringLiteral("Dr. Älter"));
        // Reopened, the editor shows the file again.
        inhalt->setPlainText(QStringLiteral("verworfen"));
        klick(QStringLiteral("Arztedit_Knopf"));
        QCOMPARE(inhalt->toPlainText(), QStringLiteral("Dr. Älter\nDr. Bauer\nPraxis Chen"));

        // A long list of the predecessor in Windows-1252.
        QByteArray viele;
        for (int i = 0; i < 10000; ++i)
            viele += "Dr. M\xfcller " + QByteArray::number(i) + "\r\n";
        QFile g(m_dir + QStringLiteral("arzt.txt"));
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write(viele);
        g.close();
        QMetaObject::invokeMethod(m_a, "Aerzte_einlesen");
        QCOMPARE(c(QStringLiteral("Arzt"))->count(), 10000);
        QCOMPARE(c(QStringLiteral("Arzt"))->itemText(9999), QStringLiteral("Dr. Müller 9999"));
    }

    void tarvikExport()
    {
        starten(QStringLiteral("Standardantrag"),
                {QStringLiteral("1Nachname:=Müller"), QStringLiteral("1Vorname:=Jörg"),
                 QStringLiteral("1Geburtsdatum:=01.02.1960"), QStringLiteral("1Personalnummer2:=4711"),
                 QStringLiteral("2Tarvik:=1")});
        oeffnen();
        QVERIFY(aktion(QStringLiteral("MenüExportTarvik"))->isVisible());
        const QString pfad = m_dir + QStringLiteral("export.txt");
        Dialoge::dateiAntwort(pfad);
        aktion(QStringLiteral("MenüExportTarvik"))->trigger(); // empty table: nothing written
        QVERIFY(!QFile::exists(pfad));
        Dialoge::zuruecksetzen();
        antragsinfo(QStringLiteral("15.03.2001"));
        e(QStringLiteral("AbschlagDatum"))->setText(QStringLiteral("01.03.2001"));
        e(QStringLiteral("AbschlagHöhe"))->setText(QStringLiteral("500,00"));
        for (int i = 0; i < 3; ++i)
            hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"),
                        QStringLiteral("12,5"));
        aktion(QStringLiteral("MenüExportTarvik"))->trigger(); // cancelled: nothing
        QVERIFY(!QFile::exists(pfad));
        Dialoge::dateiAntwort(pfad);
        aktion(QStringLiteral("MenüExportTarvik"))->trigger();
        QFile f(pfad);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList zeilen = TextFile::decodeWindows1252(f.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(zeilen.size(), 13);
        QCOMPARE(zeilen.mid(0, 8), (QStringList{QStringLiteral("Personalnummer=4711"), QStringLiteral("Name=Müller"),
                                                QStringLiteral("Vorname=Jörg"),
                                                QStringLiteral("Geburtsdatum=01.02.1960"),
                                                QStringLiteral("Antragsdatum=15.03.2001"),
                                                QStringLiteral("Abschlaghöhe=01.03.2001"),
                                                QStringLiteral("Abschlagdatum=500,00"),
                                                QStringLiteral("AUFWENDUNGEN")}));
        QCOMPARE(zeilen.at(10), QStringLiteral("3\t0\t01.02.2001\tAB    \tA \t12,5\t0\tWahr\t"));
        QCOMPARE(zeilen.at(11), QStringLiteral("ENDE"));
    }

    void version2Import()
    {
        starten();
        oeffnen();
        Dialoge::dateiAntwort(TestUmgebung::testdaten(QStringLiteral("ledger/v2/normal.txt")));
        aktion(QStringLiteral("MenüImport"))->trigger();
        QCOMPARE(anzahl(), 2);
        QCOMPARE(e(QStringLiteral("Antragsdatum"))->text(), QStringLiteral("15.03.2001"));
        const Rechnungsposition &r = m_a->rechnungspositionen().slot(1);
        QCOMPARE(r.Empfaenger.text(), QStringLiteral("K3"));
        QCOMPARE(r.Beleg, qint16(17));
        QCOMPARE(r.Rechnung, 100.5);
        QCOMPARE(r.Versicherung, 20.0);
        QCOMPARE(r.Arzt.getrimmt(), QStringLiteral("Dr. Müller"));
        QVERIFY(!r.euro);
        QCOMPARE(m_a->rechnungspositionen().slot(2).Empfaenger.text(), QStringLiteral("A "));
        QCOMPARE(Dialoge::protokoll().size(), 0);

        // No date: each added receipt warns; an incomplete group stays in the fields.
        Dialoge::antworte(QMessageBox::Yes);
        klick(QStringLiteral("Neu_Knopf"));
        Dialoge::zuruecksetzen();
        Dialoge::dateiAntwort(TestUmgebung::testdaten(QStringLiteral("ledger/v2/ohne_datum.txt")));
        aktion(QStringLiteral("MenüImport"))->trigger();
        QCOMPARE(anzahl(), 1);
        QCOMPARE(Dialoge::protokoll().size(), 1);
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Wichtiger Hinweis!"));
        Dialoge::dateiAntwort(TestUmgebung::testdaten(QStringLiteral("ledger/v2/unvollstaendig.txt")));
        aktion(QStringLiteral("MenüImport"))->trigger();
        QCOMPARE(anzahl(), 2);
        QCOMPARE(e(QStringLiteral("Datum"))->text(), QStringLiteral("03.02.2001"));
        QCOMPARE(c(QStringLiteral("Empfänger"))->currentText(), QStringLiteral("E"));
        QCOMPARE(c(QStringLiteral("ArtListe"))->currentText(), QStringLiteral("ZB"));
        QCOMPARE(e(QStringLiteral("Beleg"))->text(), QStringLiteral("2"));

        // Garbage and empty files: no crash; cancelled dialog: nothing.
        for (const char *datei : {"muell.txt", "leer.txt", "nur_kopf.txt", "fehlt.txt"}) {
            Dialoge::dateiAntwort(TestUmgebung::testdaten(QStringLiteral("ledger/v2/") + QLatin1String(datei)));
            aktion(QStringLiteral("MenüImport"))->trigger();
        }
        QVERIFY(Dialoge::letzteMeldung().text.startsWith(QStringLiteral("Die Datei konnte nicht gelesen werden.")));
        aktion(QStringLiteral("MenüImport"))->trigger();
        QVERIFY(anzahl() >= 2);
    }

    void beendenSpeichertDenAntrag()
    {
        starten();
        oeffnen();
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("9"));
        Dialoge::antworte(QMessageBox::Yes);
        QVERIFY(m_h->Ende_Knopf_Click());
        Antragsdatenbank::Geladen g;
        QVERIFY(Antragsdatenbank::laden(m_dir + Antragsdatenbank::Dateiname, QStringLiteral("15.03.2001"), &g));
        QCOMPARE(g.positionen.size(), 1);
        QCOMPARE(g.positionen.first().Rechnung, 9.0);
    }

    void druckenSammeltDieFelder()
    {
        starten();
        oeffnen();
        bool gerufen = false;
        QString summe;
        m_h->aktionAnmelden(QStringLiteral("Druckfunktion"), [&] {
            gerufen = true;
            const auto w = m_h->feldtabelle().Feldwert(QStringLiteral("EndsummeRechnungsbetrag"));
            summe = w.value_or(QString());
        });
        antragsinfo(QStringLiteral("15.03.2001"));
        hinzufuegen(QStringLiteral("01.02.2001"), QStringLiteral("A"), QStringLiteral("AB"), QStringLiteral("9"));
        klick(QStringLiteral("Drucken_Knopf"));
        QVERIFY(gerufen);
        QCOMPARE(summe, QStringLiteral("9,00"));
        bild(m_h.get(), QStringLiteral("aufwendungen"));
    }
};

VELMORA_TEST_MAIN(TestAufwendungen)
#include "TestAufwendungen.moc"
