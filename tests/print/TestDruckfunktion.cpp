// The expense print dialog from the ledger window, driven by object name:
// captions and enabling, blocks and totals, the insurance lists, the
// preview and the printer into PDF files.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "ledger/Aufwendungen.h"
#include "ledger/Belegablage.h"
#include "print/Aufwendungsseiten.h"
#include "print/Druckerwahl.h"
#include "print/Druckfunktion.h"
#include "print/Druckvorschau.h"
#include "print/Vorschaubild.h"
#include "shell/Datenbank.h"
#include "shell/Dialoge.h"
#include "base/GermanMoney.h"
#include "shell/Hauptform.h"
#include "base/TextFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QStandardPaths>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

using namespace druckhilfen;

namespace {
QPushButton *knopf(QWidget *w, int index)
{
    for (QPushButton *b : w->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")))
        if (b->property("index").toInt() == index)
            return b;
    return nullptr;
}

Rechnungsposition beleg(int nr, const QString &person, double betrag, bool euro = true, const QString &nummer = {})
{
    Rechnungsposition r;
    r.Beleg = qint16(nr);
    r.Datum = QStringLiteral("%1.03.2004").arg((nr - 1) % 28 + 1, 2, 10, QLatin1Char('0'));
    r.Empfaenger = person;
    r.Art = QStringLiteral("Arzt");
    r.Rechnung = betrag;
    r.Versicherung = 1;
    r.euro = euro;
    r.Rechnungsnummer = nummer;
    return r;
}

QString bilder(const QString &datei)
{
    return qEnvironmentVariable("VELMORA_BILDER", TestUmgebung::basis()) + u'/' + datei;
}
} // namespace

class TestDruckfunktion : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    Aufwendungen *m_a = nullptr;
    QString m_dir;
    // Texts of every page shown in the preview, one list per window.
    QList<QStringList> m_seiten;

    void starten(const QString &formularart)
    {
        Dialoge::zuruecksetzen();
        m_seiten.clear();
        m_dir = testprogramm(QStringLiteral("druckfunktion"));
        QVERIFY(!m_dir.isEmpty());
        QVERIFY(aufwendungslayouts(m_dir));
        QVERIFY(TextFile::write(m_dir + QStringLiteral("beihilfe.txt"),
                                formularart + QStringLiteral("\r\n1Vorname:=Max\r\n1Druckoffset:=0\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
        m_h = TestUmgebung::hauptfenster(m_dir);
        QCOMPARE(m_h->antragText(), formularart);
        m_a = qobject_cast<Aufwendungen *>(m_h->oeffnen(QStringLiteral("Aufwendungen")));
        QVERIFY(m_a);
        kasten(QStringLiteral("AEuro"))->setChecked(true);
    }
    QCheckBox *kasten(const QString &name) const { return m_a->findChild<QCheckBox *>(name); }
    void belege(const QVector<Rechnungsposition> &liste)
    {
        m_a->rechnungspositionen().leeren();
        for (const Rechnungsposition &r : liste)
            m_a->rechnungspositionen().hinzufuegen(r);
        m_a->einlesen();
    }
    void belege(int n)
    {
        QVector<Rechnungsposition> l;
        for (int i = 1; i <= n; ++i)
            l.append(beleg(i, QStringLiteral("A"), i));
        belege(l);
    }
    // Opens the dialog from the ledger's print button and works in it.
    void imDialog(const std::function<void(Druckfunktion *)> &arbeit)
    {
        bool gelaufen = false;
        Dialoge::dialogAntwort([&](QDialog *d) {
            auto *f = qobject_cast<Druckfunktion *>(d);
            if (f) {
                gelaufen = true;
                arbeit(f);
            }
            return int(QDialog::Rejected);
        });
        m_a->Drucken_Knopf_Click();
        QVERIFY(gelaufen);
    }
    // The next n preview windows record their pages.
    void vorschauenMitschreiben(int n)
    {
        for (int i = 0; i < n; ++i)
            Dialoge::dialogAntwort([this](QDialog *d) {
                auto *v = qobject_cast<Druckvorschau *>(d);
                for (int s = 0; v && s < v->seitenzahl(); ++s) {
                    v->zeigeSeite(s);
                    QStringList t;
                    for (const auto &x : v->Bild()->flaeche().texte())
                        t << x.text;
                    m_seiten.append(t);
                }
                if (v && m_seiten.size() == v->seitenzahl()) {
                    v->resize(900, 700);
                    v->grab().save(bilder(QStringLiteral("druckfunktion-vorschau.png")));
                }
                return int(QDialog::Rejected);
            });
    }
    QString summe() const { return m_h->feld(QStringLiteral("SummeRechnungsbetrag"))->text(); }

private Q_SLOTS:
    void cleanup()
    {
        m_a = nullptr;
        // A main window destroyed while shown reports activations to itself
        // half-destroyed; hide it first.
        if (m_h)
            m_h->hide();
        m_h.reset();
        Druckerwahl::setDruckerliste(nullptr);
    }

    void steuerelementeUndAktivierung()
    {
        starten(QStringLiteral("Testaufwendungen"));
        belege(40);
        imDialog([&](Druckfunktion *d) {
            QCOMPARE(d->windowTitle(), QStringLiteral(" Drucken"));
            QVERIFY(d->isModal() || Dialoge::testbetrieb());
            QCOMPARE(d->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")).size(), 5);
            QCOMPARE(knopf(d, 0)->text(), QStringLiteral("Aufwendungsliste"));
            QCOMPARE(knopf(d, 1)->text(), QStringLiteral("Verfügung"));
            QVERIFY(knopf(d, 2)->isEnabled());
            QVERIFY(!knopf(d, 3)->isEnabled()); // "x"
            QCOMPARE(knopf(d, 4)->text(), QStringLiteral(" Aufstellung für die Versicherung"));
            QCOMPARE(knopf(d, 4)->toolTip(), QStringLiteral("druckt für jede Person eine Auflistung für die Versicherung "
                                                            "- Achtung: bitte Felder unter private Krankenversicherung "
                                                            "ausfüllen!"));
            auto *abbrechen = d->findChild<QPushButton *>(QStringLiteral("Abbrechen_Knopf"));
            QCOMPARE(abbrechen->text(), QStringLiteral("Abbrechen"));
            QCOMPARE(abbrechen->toolTip(), QStringLiteral("diese Dialogbox verlassen"));
            auto *liste = d->findChild<QComboBox *>(QStringLiteral("Belege"));
            QVERIFY(!liste->isEditable());
            QVERIFY(liste->isEnabled());
            QCOMPARE(liste->count(), 2);
            QCOMPARE(liste->itemText(1), QStringLiteral("Aufwendungen 24. bis 40. Beleg"));
            QCOMPARE(liste->currentIndex(), 0);
            QVERIFY(liste->toolTip().startsWith(QStringLiteral("Sie haben mehr Aufwendungen erfasst")));
            for (const char *n : {"Bildschirm", "nurInhalte"})
                QVERIFY(d->findChild<QCheckBox *>(QString::fromLatin1(n))->isVisible());
            QCOMPARE(d->findChild<QCheckBox *>(QStringLiteral("nurInhalte"))->text(),
                     QStringLiteral("nur Inhalte drucken"));
            QVERIFY(d->findChild<QProgressBar *>(QStringLiteral("Progress"))->isVisible());
            for (const char *n : {"Bereich", "Querformat", "pKVP"})
                QVERIFY(!d->findChild<QWidget *>(QString::fromLatin1(n))->isVisible());
            QCOMPARE(d->Bereich()->text(), QStringLiteral("ZA"));
            // Every visible control lies inside the dialog.
            for (QWidget *w : d->findChildren<QWidget *>())
                if (w->isVisible() && w->parentWidget() == d)
                    QVERIFY2(d->rect().contains(w->geometry()), qPrintable(w->objectName()));
            QVERIFY(d->grab().save(bilder(QStringLiteral("druckfunktion.png"))));
            // Closing only hides it; its switches stay for the next time.
            d->findChild<QCheckBox *>(QStringLiteral("nurInhalte"))->setChecked(true);
            abbrechen->click();
            QVERIFY(!d->isVisible());
        });
        Druckfunktion *erster = m_h->findChild<Druckfunktion *>(QStringLiteral("Druckfunktion"));
        imDialog([&](Druckfunktion *d) {
            QCOMPARE(d, erster);
            QVERIFY(d->findChild<QCheckBox *>(QStringLiteral("nurInhalte"))->isChecked());
        });

        // Permanent care: the care titles; an empty one disables.
        kasten(QStringLiteral("Pflegeantrag"))->setChecked(true);
        belege(3);
        imDialog([&](Druckfunktion *d) {
            QCOMPARE(knopf(d, 0)->text(), QStringLiteral("Pflegeliste"));
            QVERIFY(!knopf(d, 2)->isEnabled());
            QVERIFY(knopf(d, 3)->isEnabled());
            QVERIFY(!d->Belege()->isEnabled());
            QCOMPARE(d->Belege()->count(), 1);
        });

        // No receipts: no block of the earlier application stays offered.
        belege(0);
        imDialog([&](Druckfunktion *d) { QCOMPARE(d->Belege()->count(), 0); });
    }

    void bloeckeUndSummenInDerVorschau()
    {
        starten(QStringLiteral("Testaufwendungen"));
        belege(40);
        const QString gesamt = summe();
        QCOMPARE(gesamt, QStringLiteral("820,00"));
        imDialog([&](Druckfunktion *d) {
            d->findChild<QCheckBox *>(QStringLiteral("Bildschirm"))->setChecked(true);
            vorschauenMitschreiben(2);
            knopf(d, 0)->click();
            // The totals are back in the main window after a first block.
            QCOMPARE(summe(), gesamt);
            d->Belege()->setCurrentIndex(1);
            knopf(d, 0)->click();
            // The choice stays after the preview window closed.
            QCOMPARE(d->Belege()->currentIndex(), 1);
        });
        QCOMPARE(m_seiten.size(), 2);
        QVERIFY(m_seiten[0].contains(QStringLiteral("23,00")));
        QVERIFY(!m_seiten[0].contains(QStringLiteral("24,00")));
        QVERIFY(!m_seiten[0].contains(gesamt));
        QCOMPARE(m_seiten[0].count(QStringLiteral("A ")), 23);
        QCOMPARE(m_seiten[1].count(QStringLiteral("A ")), 17);
        QVERIFY(m_seiten[1].contains(QStringLiteral("24,00")));
        QVERIFY(m_seiten[1].contains(gesamt));
        QVERIFY(m_seiten[1].contains(QStringLiteral("40,00"))); // insurance total 40 x 1,00
        QCOMPARE(Dialoge::protokoll().size(), 0);
    }

    void lbvDrucktAlleBelegeAufEinBlatt()
    {
        starten(QStringLiteral("LBV Test"));
        belege(12);
        imDialog([&](Druckfunktion *d) {
            QCOMPARE(d->Belege()->count(), 3);
            d->findChild<QCheckBox *>(QStringLiteral("Bildschirm"))->setChecked(true);
            d->Belege()->setCurrentIndex(1);
            vorschauenMitschreiben(1);
            knopf(d, 0)->click();
        });
        QCOMPARE(m_seiten.size(), 1);
        QCOMPARE(m_seiten[0].count(QStringLiteral("A ")), 12);
        QVERIFY(m_seiten[0].contains(QStringLiteral("78,00"))); // all receipts, so the total too
    }

    void versicherungslistenJePerson()
    {
        starten(QStringLiteral("Testaufwendungen"));
        belege({beleg(1, QStringLiteral("K2"), 10), beleg(2, QStringLiteral("A"), 20), beleg(3, QStringLiteral("K2"), 5.5),
                beleg(4, QStringLiteral("A"), 19.56, false)});
        imDialog([&](Druckfunktion *d) {
            d->findChild<QCheckBox *>(QStringLiteral("Bildschirm"))->setChecked(true);
            d->Querformat()->setChecked(true);
            vorschauenMitschreiben(1); // all persons in one window
            QVERIFY(d->Drucken_Knopf_Click(4));
            QVERIFY(!d->Querformat()->isChecked());
            QCOMPARE(d->pKVP()->text(), QStringLiteral("K5"));
            QCOMPARE(d->Bereich()->text(), QStringLiteral("ZAARV"));
            // A page of the buttons 0-3 lists every person again.
            vorschauenMitschreiben(1);
            QVERIFY(d->Drucken_Knopf_Click(0));
            QVERIFY(d->pKVP()->text().isEmpty());
        });
        QCOMPARE(m_seiten.size(), 3);
        const QStringList &a = m_seiten[0];
        const QStringList &k2 = m_seiten[1];
        QVERIFY(a.contains(QStringLiteral("20,00")) && a.contains(QStringLiteral("19,56")));
        QVERIFY(!a.contains(QStringLiteral("10,00")));
        QVERIFY(a.contains(QStringLiteral("DM")) && a.contains(QStringLiteral("Euro")));
        QVERIFY(a.contains(QStringLiteral("30,00"))); // 20 + 19,56 DM in Euro
        QVERIFY(k2.contains(QStringLiteral("10,00")) && k2.contains(QStringLiteral("5,50")));
        QVERIFY(k2.contains(QStringLiteral("15,50")));
        QVERIFY(!k2.contains(QStringLiteral("20,00")));
        QCOMPARE(m_seiten[2].count(QStringLiteral("K2")), 2);
    }

    // A person's list longer than a page goes on over the next page; every
    // receipt prints once, the total on the last page.
    void langeVersicherungsliste()
    {
        starten(QStringLiteral("Testaufwendungen"));
        belege(Aufwendungsseiten::VersicherungProSeite + 5);
        imDialog([&](Druckfunktion *d) {
            d->findChild<QCheckBox *>(QStringLiteral("Bildschirm"))->setChecked(true);
            vorschauenMitschreiben(1); // all persons in one window
            QVERIFY(d->Drucken_Knopf_Click(4));
        });
        QCOMPARE(m_seiten.size(), 2);
        const int n = Aufwendungsseiten::VersicherungProSeite;
        const QString letzter = GermanMoney::format(n);
        const QString erster = GermanMoney::format(n + 1);
        const QString summe = GermanMoney::format((n + 5) * (n + 6) / 2);
        QVERIFY(m_seiten[0].contains(letzter) && !m_seiten[0].contains(erster));
        QVERIFY(m_seiten[0].contains(QStringLiteral("siehe nächste Seite")) && !m_seiten[0].contains(summe));
        QVERIFY(m_seiten[1].contains(erster) && !m_seiten[1].contains(letzter));
        QVERIFY(m_seiten[1].contains(summe));
    }

    void querformatUndNurInhalte()
    {
        starten(QStringLiteral("Testaufwendungen"));
        belege(2);
        imDialog([&](Druckfunktion *d) {
            d->findChild<QCheckBox *>(QStringLiteral("Bildschirm"))->setChecked(true);
            vorschauenMitschreiben(2);
            knopf(d, 2)->click();
            QVERIFY(d->Querformat()->isChecked());
            QCOMPARE(d->Bereich()->text(), QStringLiteral("AT-AUF2"));
            d->findChild<QCheckBox *>(QStringLiteral("nurInhalte"))->setChecked(true);
            knopf(d, 0)->click();
            QVERIFY(!d->Querformat()->isChecked());
        });
        QCOMPARE(m_seiten.size(), 2);
        QVERIFY(m_seiten[0].contains(QStringLiteral("Zweite Liste quer")));
        QVERIFY(!m_seiten[1].contains(QStringLiteral("Zusammenstellung der Aufwendungen Test")));
        QVERIFY(m_seiten[1].contains(QStringLiteral("2,00")));
    }

    void druckerInPdfDateien()
    {
        Druckerwahl::setDruckerliste([] { return QStringList{}; });
        starten(QStringLiteral("Testaufwendungen"));
        belege({beleg(1, QStringLiteral("A"), 12.34), beleg(2, QStringLiteral("E"), 56.78)});
        m_h->findChild<Druckerwahl *>(QStringLiteral("Druckerwahl"))->waehlen(Druckerwahl::PdfDatei);
        const QString liste = m_dir + QStringLiteral("liste.pdf");
        const QString a = m_dir + QStringLiteral("a.pdf");
        const QString e = m_dir + QStringLiteral("e.pdf");
        imDialog([&](Druckfunktion *d) {
            Dialoge::dateiAntwort(liste);
            QVERIFY(d->Drucken_Knopf_Click(0));
            Dialoge::dateiAntwort(a);
            Dialoge::dateiAntwort(e);
            QVERIFY(d->Drucken_Knopf_Click(4));
            QCOMPARE(d->findChild<QProgressBar *>(QStringLiteral("Progress"))->value(),
                     d->findChild<QProgressBar *>(QStringLiteral("Progress"))->maximum());
        });
        for (const QString &f : {liste, a, e})
            QVERIFY2(QFile::exists(f), qPrintable(f));
        const QString t = pdfText(liste);
        if (t.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(t.contains(QStringLiteral("Zusammenstellung der Aufwendungen Test")));
        QVERIFY(t.contains(QStringLiteral("12,34")) && t.contains(QStringLiteral("56,78")));
        QVERIFY(t.contains(QStringLiteral("69,12")));
        QVERIFY(pdfText(a).contains(QStringLiteral("12,34")));
        QVERIFY(!pdfText(a).contains(QStringLiteral("56,78")));
        QVERIFY(pdfText(e).contains(QStringLiteral("56,78")));
    }

    // The PDF to hand in from the dialog: proposed in the documents folder,
    // the receipt's picture stamped behind the lists, the one without a
    // picture named, and the status line says where it went.
    void paketZumEinreichen()
    {
        starten(QStringLiteral("Testaufwendungen"));
        QImage bild(800, 1100, QImage::Format_RGB32);
        bild.fill(Qt::white);
        const QString png = m_dir + QStringLiteral("rezept.png");
        QVERIFY(bild.save(png));
        Rechnungsposition mitBild = beleg(1, QStringLiteral("A"), 12.34);
        mitBild.belegdatei = Belegablage::ablegen(m_h->datenverzeichnis(), png);
        QVERIFY(!mitBild.belegdatei.isEmpty());
        belege({mitBild, beleg(2, QStringLiteral("E"), 56.78)});
        const QString datei = m_dir + QStringLiteral("paket.pdf");
        imDialog([&](Druckfunktion *d) {
            QCOMPARE(QFileInfo(Druckfunktion::paketvorschlag()).absoluteFilePath(),
                     QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                         .absoluteFilePath(QStringLiteral("Beihilfeantrag-%1.pdf")
                                               .arg(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")))));
            d->grab().save(bilder(QStringLiteral("druckfunktion.png")));
            Dialoge::dateiAntwort(datei);
            d->findChild<QPushButton *>(QStringLiteral("Paket_Knopf"))->click();
        });
        QVERIFY(m_h->findChild<QLabel *>(QStringLiteral("Statuszeile"))->text().contains(QStringLiteral("paket.pdf")));
        const QStringList blaetter = pdfText(datei).split(u'\f');
        if (blaetter.size() < 2)
            QSKIP("pdftotext is not installed");
        // The list and the landscape second list, then the picture, then
        // the receipt without one.
        QCOMPARE(blaetter.size(), 5);
        QVERIFY(blaetter.at(0).contains(QStringLiteral("12,34")) && blaetter.at(0).contains(QStringLiteral("56,78")));
        QVERIFY(blaetter.at(2).contains(QStringLiteral("Beleg 1")));
        QVERIFY(blaetter.at(3).contains(QStringLiteral("Nr. 2")));
    }
};

VELMORA_TEST_MAIN(TestDruckfunktion)
#include "TestDruckfunktion.moc"
