// The print dialog and the preview window, in the main window.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "print/Druckenform.h"
#include "print/Druckerwahl.h"
#include "print/Druckvorschau.h"
#include "print/Hauptformdruck.h"
#include "print/Vorschaubild.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "base/TextFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStandardPaths>
#include <QWheelEvent>

using namespace druckhilfen;

namespace {
const char *const kFelddatei = "Testformular\r\n"
                               "1Vorname:=Max\r\n"
                               "1Name:=Muster\r\n"
                               "1Ort:=Köln\r\n"
                               "1Bank:=Sparkasse Köln\r\n"
                               "1Druckername:=Tinte\r\n"
                               "1Druckoffset:=0\r\n"
                               "2Euroformularbenutzen:=0\r\n"
                               "1AntragstellerDatum:=01.02.2003\r\n"
                               "---Ende---\r\n";

// Where the pictures of the windows go (VELMORA_BILDER keeps them).
QString bilder(const QString &datei)
{
    return qEnvironmentVariable("VELMORA_BILDER", TestUmgebung::basis()) + u'/' + datei;
}

QPushButton *knopf(QWidget *w, int index)
{
    for (QPushButton *b : w->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")))
        if (b->property("index").toInt() == index)
            return b;
    return nullptr;
}
} // namespace

class TestDruckenform : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    Druckenform *m_d = nullptr;
    QString m_dir;

    template<class T> T *finde(const QString &name) const { return m_d->findChild<T *>(name); }
    QString pdf(const QString &name) const { return m_dir + name + QStringLiteral(".pdf"); }
    Druckerwahl *wahl() const { return m_h->findChild<Druckerwahl *>(QStringLiteral("Druckerwahl")); }

private Q_SLOTS:
    void initTestCase()
    {
        Druckerwahl::setDruckerliste([] { return QStringList{"Laser", "Tinte", "Laser"}; });
    }

    void init()
    {
        Dialoge::zuruecksetzen();
        m_dir = testprogramm(QStringLiteral("druckenform"));
        QVERIFY(!m_dir.isEmpty());
        QVERIFY(TextFile::write(m_dir + QStringLiteral("beihilfe.txt"), QString::fromUtf8(kFelddatei),
                                TextFile::Encoding::Utf8));
        m_h = TestUmgebung::hauptfenster(m_dir);
        QCOMPARE(m_h->antragText(), QStringLiteral("Testformular"));
        m_h->Drucken_Knopf_Click();
        m_d = qobject_cast<Druckenform *>(m_h->maske(QStringLiteral("Druckenform")));
        QVERIFY(m_d);
        QVERIFY(m_d->isVisible());
    }

    void cleanup()
    {
        m_h.reset();
        m_d = nullptr;
    }

    void steuerelemente()
    {
        QCOMPARE(m_d->windowTitle(), QStringLiteral("Drucken"));
        QCOMPARE(m_d->findChildren<QPushButton *>(QStringLiteral("Drucken_Knopf")).size(), 8);
        QCOMPARE(knopf(m_d, 0)->text(), QStringLiteral("Vorderseite drucken"));
        QCOMPARE(knopf(m_d, 6)->text(), QStringLiteral("Vorderseite komplett drucken (Erstantrag)"));
        QCOMPARE(knopf(m_d, 7)->toolTip(), QStringLiteral("Aufwendungen für dauernde Pflege / Drucken der Rückseite "
                                                          "(bei Änderungen oder bei Erstantrag"));
        // Left column 0-3 above each other, right column 4-7.
        QVERIFY(knopf(m_d, 1)->y() > knopf(m_d, 0)->y());
        QCOMPARE(knopf(m_d, 4)->y(), knopf(m_d, 0)->y());
        QVERIFY(knopf(m_d, 4)->x() > knopf(m_d, 0)->x());
        QCOMPARE(finde<QLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("Aufwendungen für dauernde Pflege"));
        QCOMPARE(finde<QPushButton>(QStringLiteral("Heute_Knopf"))->text(), QStringLiteral("&Heute"));
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Gültigkeit"))->toolTip(),
                 QStringLiteral("Datum (TT.MM.JJJJ), ab dem Änderungen (z.B. Wohnort, Str., Bank, Konto, usw.) gültig "
                                "sein sollen  "));
        QCOMPARE(finde<QCheckBox>(QStringLiteral("Vorschau"))->text(), QStringLiteral("auf den Bildschirm drucken"));
        QVERIFY(finde<QComboBox>(QStringLiteral("Druckerliste"))->isEditable());
        for (const char *n : {"Bereich", "Querformat", "komplett"})
            QVERIFY(!finde<QWidget>(QString::fromLatin1(n))->isVisible());
        QVERIFY(!finde<QProgressBar>(QStringLiteral("Progress"))->isVisible());
        m_d->window()->resize(900, 700);
        QVERIFY(m_d->grab().save(bilder(QStringLiteral("druckenform.png"))));
    }

    void aktivierungUebernimmtHauptfenster()
    {
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Datum"))->text(), QStringLiteral("01.02.2003"));
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Offset"))->text(), QStringLiteral("0"));
        auto *liste = finde<QComboBox>(QStringLiteral("Druckerliste"));
        QStringList eintraege;
        for (int i = 0; i < liste->count(); ++i)
            eintraege << liste->itemText(i);
        QCOMPARE(eintraege, QStringList({"Laser", "Tinte", "Laser", "PDF-Datei"}));
        QCOMPARE(liste->currentText(), QStringLiteral("Tinte"));
        // The field file's printer name chose the printer at start-up.
        QCOMPARE(wahl()->aktuellerIndex(), 1);

        // Values changed in the main window arrive at the next activation;
        // a stored name that no printer has stays in the box.
        m_h->feld(QStringLiteral("Offset"))->setText(QStringLiteral("4"));
        m_h->feld(QStringLiteral("Datum"))->setText(QStringLiteral("05.06.2007"));
        m_h->kasten(QStringLiteral("Euroformular"))->setChecked(true);
        m_h->feld(QStringLiteral("Druckername"))->setText(QStringLiteral("Alter Drucker"));
        m_d->aktivieren();
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Offset"))->text(), QStringLiteral("4"));
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Datum"))->text(), QStringLiteral("05.06.2007"));
        QVERIFY(finde<QCheckBox>(QStringLiteral("Euroformular"))->isChecked());
        QCOMPARE(liste->currentText(), QStringLiteral("Alter Drucker"));
        QCOMPARE(liste->count(), 4);
        QCOMPARE(wahl()->aktuellerIndex(), 1);
        QCOMPARE(m_h->feld(QStringLiteral("Druckername"))->text(), QStringLiteral("Alter Drucker"));
    }

    void eingabenGehenInsHauptfenster()
    {
        finde<QLineEdit>(QStringLiteral("Datum"))->setText(QStringLiteral("03.04.2005"));
        QCOMPARE(m_h->feld(QStringLiteral("Datum"))->text(), QStringLiteral("03.04.2005"));
        QTest::mouseClick(finde<QPushButton>(QStringLiteral("Heute_Knopf")), Qt::LeftButton);
        const QString heute = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        QCOMPARE(finde<QLineEdit>(QStringLiteral("Datum"))->text(), heute);
        QCOMPARE(m_h->feld(QStringLiteral("Datum"))->text(), heute);

        auto *gueltig = finde<QLineEdit>(QStringLiteral("Gültigkeit"));
        QCheckBox *datenaenderung = m_h->kasten(QStringLiteral("Datenänderung"));
        QTest::keyClicks(gueltig, QStringLiteral("01.07.2004"));
        QCOMPARE(m_h->feld(QStringLiteral("Gültigkeit"))->text(), QStringLiteral("01.07.2004"));
        QVERIFY(datenaenderung->isChecked());
        gueltig->setText(QStringLiteral("   "));
        QVERIFY(!datenaenderung->isChecked());
        gueltig->setText(QStringLiteral(" 1.1.05"));
        QVERIFY(datenaenderung->isChecked());
        gueltig->clear();
        QVERIFY(!datenaenderung->isChecked());

        finde<QCheckBox>(QStringLiteral("Änderungen"))->setChecked(true);
        QVERIFY(m_h->kasten(QStringLiteral("Datenänderung2"))->isChecked());
        finde<QLineEdit>(QStringLiteral("Offset"))->setText(QStringLiteral("-3"));
        QCOMPARE(m_h->feld(QStringLiteral("Offset"))->text(), QStringLiteral("-3"));
        finde<QCheckBox>(QStringLiteral("Euroformular"))->setChecked(true);
        QVERIFY(m_h->kasten(QStringLiteral("Euroformular"))->isChecked());
    }

    void erstantragSperrtDieAenderungsseiten()
    {
        auto *erst = finde<QCheckBox>(QStringLiteral("Erstantrag"));
        QVERIFY(!erst->isChecked());
        erst->setChecked(true);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(knopf(m_d, i)->isEnabled(), i == 2 || i == 3 || i == 6 || i == 7);
        QVERIFY(m_h->kasten(QStringLiteral("Erstantrag"))->isChecked());
        erst->setChecked(false);
        for (int i = 0; i < 8; ++i)
            QVERIFY(knopf(m_d, i)->isEnabled());
        QVERIFY(!m_h->kasten(QStringLiteral("Erstantrag"))->isChecked());
    }

    void druckerwahlLetzterTrefferGewinnt()
    {
        auto *liste = finde<QComboBox>(QStringLiteral("Druckerliste"));
        liste->setCurrentIndex(0); // "Laser"
        QCOMPARE(m_h->feld(QStringLiteral("Druckername"))->text(), QStringLiteral("Laser"));
        QCOMPARE(wahl()->aktuellerIndex(), 2);
        liste->setEditText(QStringLiteral("Gibt es nicht"));
        QCOMPARE(m_h->feld(QStringLiteral("Druckername"))->text(), QStringLiteral("Gibt es nicht"));
        QCOMPARE(wahl()->aktuellerIndex(), 2);
        liste->setCurrentIndex(3);
        QCOMPARE(wahl()->DeviceName(), QStringLiteral("PDF-Datei"));
    }

    void druckInPdfDatei()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        finde<QComboBox>(QStringLiteral("Druckerliste"))->setEditText(QStringLiteral("PDF-Datei"));
        // Only the changes: the unchanged bank is left out.
        Dialoge::dateiAntwort(pdf(QStringLiteral("vorne")));
        QVERIFY(m_d->Drucken_Knopf_Click(0));
        QCOMPARE(m_d->Bereich()->text(), QStringLiteral("T-V"));
        QCOMPARE(m_d->komplett()->text(), QString());
        QString text = pdfText(pdf(QStringLiteral("vorne")));
        QVERIFY2(text.contains(QStringLiteral("Antrag auf Beihilfe - Vorderseite Test")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Max Muster")));
        QVERIFY(text.contains(QStringLiteral("Köln, 01.02.2003")));
        QVERIFY(!text.contains(QStringLiteral("Sparkasse")));
        QVERIFY(text.contains(QStringLiteral("Änderungen gültig ab")));
        QCOMPARE(pdfSeitengroesse(pdf(QStringLiteral("vorne"))), QStringLiteral("595 x 842 pts (A4)"));
        QVERIFY(!finde<QProgressBar>(QStringLiteral("Progress"))->isVisible());

        // The complete form prints every changes-only row; a validity date
        // ticks the changes box, whose "$" row then prints.
        finde<QLineEdit>(QStringLiteral("Gültigkeit"))->setText(QStringLiteral("01.07.2004"));
        Dialoge::dateiAntwort(pdf(QStringLiteral("komplett")));
        QVERIFY(m_d->Drucken_Knopf_Click(2));
        QCOMPARE(m_d->komplett()->text(), QStringLiteral("1"));
        text = pdfText(pdf(QStringLiteral("komplett")));
        QVERIFY2(text.contains(QStringLiteral("Sparkasse Köln")), qPrintable(text));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("Änderungen gültig ab +01.07.2004"))));

        // Cancelling the file dialog prints nothing and reports nothing.
        const int meldungen = int(Dialoge::protokoll().size());
        QVERIFY(!m_d->Drucken_Knopf_Click(1));
        QCOMPARE(int(Dialoge::protokoll().size()), meldungen);

        // The Euro edition comes from its own table.
        finde<QCheckBox>(QStringLiteral("Euroformular"))->setChecked(true);
        Dialoge::dateiAntwort(pdf(QStringLiteral("euro")));
        QVERIFY(m_d->Drucken_Knopf_Click(0));
        text = pdfText(pdf(QStringLiteral("euro")));
        QVERIFY(text.contains(QStringLiteral("Euro Vorderseite")));
        QVERIFY(!text.contains(QStringLiteral("Vorderseite Test")));
    }

    void erstantragImFeldUndQuerformat()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils are not installed");
        finde<QComboBox>(QStringLiteral("Druckerliste"))->setEditText(QStringLiteral("PDF-Datei"));
        finde<QCheckBox>(QStringLiteral("Erstantrag"))->setChecked(true);
        // The main window's box is ticked apart from the dialog; every print
        // copies the dialog's state back.
        m_h->kasten(QStringLiteral("Erstantrag"))->setChecked(false);
        Dialoge::dateiAntwort(pdf(QStringLiteral("pflege")));
        QVERIFY(m_d->Drucken_Knopf_Click(6));
        QVERIFY(m_h->kasten(QStringLiteral("Erstantrag"))->isChecked());
        QCOMPARE(m_h->feldtabelle().Feldwert(QStringLiteral("Erstantragstellung")), std::optional<QString>("1"));
        QVERIFY(m_d->Querformat()->isChecked());
        QCOMPARE(pdfSeitengroesse(pdf(QStringLiteral("pflege"))), QStringLiteral("842 x 595 pts (A4)"));
        QVERIFY(pdfText(pdf(QStringLiteral("pflege"))).contains(QStringLiteral("Pflege quer")));
        // The next portrait page is portrait again.
        Dialoge::dateiAntwort(pdf(QStringLiteral("hoch")));
        QVERIFY(m_d->Drucken_Knopf_Click(3));
        QVERIFY(!m_d->Querformat()->isChecked());
        QCOMPARE(pdfSeitengroesse(pdf(QStringLiteral("hoch"))), QStringLiteral("595 x 842 pts (A4)"));
    }

    void fehlendeVorlageMeldetUndDrucktNichts()
    {
        finde<QComboBox>(QStringLiteral("Druckerliste"))->setEditText(QStringLiteral("PDF-Datei"));
        Dialoge::dateiAntwort(pdf(QStringLiteral("leer")));
        QVERIFY(!m_d->Drucken_Knopf_Click(5));
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Antrag drucken..."));
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Druckvorlage \"T-PR\" nicht gefunden."));
        QVERIFY(!QFile::exists(pdf(QStringLiteral("leer"))));
        // The file answer was not used up: no file dialog was shown.
        QCOMPARE(Dialoge::dateiSpeichern(nullptr, {}), pdf(QStringLiteral("leer")));

        // The same in the preview: a message and no preview window.
        finde<QCheckBox>(QStringLiteral("Vorschau"))->setChecked(true);
        bool gezeigt = false;
        Dialoge::dialogAntwort([&](QDialog *) {
            gezeigt = true;
            return 0;
        });
        QVERIFY(!m_d->Drucken_Knopf_Click(5));
        QVERIFY(!gezeigt);
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Druckvorlage \"T-PR\" nicht gefunden."));
        Dialoge::zuruecksetzen();
    }

    void vorschauStattDrucker()
    {
        finde<QComboBox>(QStringLiteral("Druckerliste"))->setEditText(QStringLiteral("PDF-Datei"));
        finde<QCheckBox>(QStringLiteral("Vorschau"))->setChecked(true);
        finde<QLineEdit>(QStringLiteral("Offset"))->setText(QStringLiteral("5"));
        Dialoge::dateiAntwort(pdf(QStringLiteral("nie")));
        QStringList texte;
        double x = -1, y = -1;
        QString titel, bereich;
        bool modal = false;
        Dialoge::dialogAntwort([&](QDialog *d) {
            titel = d->windowTitle();
            modal = d->isModal() || d->objectName() == QLatin1String("Druckvorschau");
            auto *v = qobject_cast<Druckvorschau *>(d);
            if (!v)
                return 1;
            bereich = v->Bereich()->text();
            for (const auto &t : v->Bild()->flaeche().texte()) {
                texte << t.text;
                if (t.text == QLatin1String("Max Muster"))
                    x = t.blattX, y = t.blattY;
            }
            v->resize(1000, 760);
            v->Zoom()->setCurrentIndex(Druckvorschau::GanzeSeite);
            v->grab().save(bilder(QStringLiteral("vorschau.png")));
            return 0;
        });
        QVERIFY(m_d->Drucken_Knopf_Click(0));
        QCOMPARE(titel, QStringLiteral("Druckvorschau"));
        QVERIFY(modal);
        QCOMPARE(bereich, QStringLiteral("T-V"));
        QVERIFY(texte.contains(QStringLiteral("Max Muster")));
        // Origin at the picture's corner, no offset.
        QCOMPARE(x, 2.0);
        QCOMPARE(y, 35.0);
        // No printer job: the file dialog was never asked.
        QVERIFY(!QFile::exists(pdf(QStringLiteral("nie"))));
        // "Drucken" in the preview prints the same page on the chosen printer.
        Dialoge::zuruecksetzen();
        Dialoge::dateiAntwort(pdf(QStringLiteral("aus-vorschau")));
        Dialoge::dialogAntwort([](QDialog *) { return int(Druckvorschau::Drucken); });
        QVERIFY(m_d->Drucken_Knopf_Click(0));
        QVERIFY(QFile::exists(pdf(QStringLiteral("aus-vorschau"))));
        Dialoge::zuruecksetzen();
    }

    void vorschauBlaetternRadUndKnoepfe()
    {
        Druckvorschau v;
        v.setWindowState(Qt::WindowNoState);
        v.resize(1092, 560);
        v.bildflaeche().Print(QStringLiteral("eins"));
        v.neueSeite().Print(QStringLiteral("zwei"));
        v.zeigeSeite(0);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        auto *zurueck = v.findChild<QPushButton *>(QStringLiteral("VorigeSeite_Knopf"));
        auto *weiter = v.findChild<QPushButton *>(QStringLiteral("NächsteSeite_Knopf"));
        QVERIFY(!zurueck->isEnabled() && weiter->isEnabled());
        weiter->click();
        QCOMPARE(v.Bild()->flaeche().texte().value(0).text, QStringLiteral("zwei"));
        QVERIFY(zurueck->isEnabled() && !weiter->isEnabled());
        // The zoom box lies beside the page, not on it.
        const QRect zoom(v.Zoom()->mapTo(&v, QPoint(0, 0)), v.Zoom()->size());
        QVERIFY(!zoom.intersects(v.findChild<QWidget *>(QStringLiteral("Bildflaeche"))->geometry()));
        // The wheel scrolls, Ctrl+wheel zooms, at any point of the page.
        auto rad = [&](int delta, Qt::KeyboardModifiers mod) {
            QWheelEvent e({50, 50}, v.Bild()->mapToGlobal(QPointF(50, 50)), {}, {0, delta}, Qt::NoButton, mod,
                          Qt::NoScrollPhase, false);
            QApplication::sendEvent(v.Bild(), &e);
        };
        rad(-120, Qt::NoModifier);
        QVERIFY(v.VScroll()->value() > 0 && v.Bild()->y() < 0);
        rad(120, Qt::NoModifier);
        QCOMPARE(v.VScroll()->value(), 0);
        const double vorher = v.Bild()->zoom();
        rad(120, Qt::ControlModifier);
        QVERIFY(v.Bild()->zoom() > vorher * 1.1);
        QCOMPARE(v.Zoom()->currentText(), QStringLiteral("%1 %").arg(qRound(v.Bild()->zoom() * 100)));
        rad(-120, Qt::ControlModifier);
        QVERIFY(qAbs(v.Bild()->zoom() - vorher) < 0.01);
        v.findChild<QPushButton *>(QStringLiteral("Drucken_Knopf"))->click();
        QCOMPARE(v.result(), int(Druckvorschau::Drucken));
        v.show();
        v.findChild<QPushButton *>(QStringLiteral("Schließen_Knopf"))->click();
        QCOMPARE(v.result(), int(QDialog::Rejected));
    }

    void hauptfensterDrucktSeitenantraege()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        m_h->feld(QStringLiteral("Druckername"))->setText(QStringLiteral("PDF-Datei"));
        Dialoge::dateiAntwort(pdf(QStringLiteral("seitenantrag")));
        QVERIFY(Hauptformdruck::drucken(*m_h, QStringLiteral("T-V")));
        QCOMPARE(m_h->feld(QStringLiteral("Bereich"))->text(), QStringLiteral("T-V"));
        const QString text = pdfText(pdf(QStringLiteral("seitenantrag")));
        // The main window's run prints the changes-only rows always.
        QVERIFY2(text.contains(QStringLiteral("Sparkasse Köln")), qPrintable(text));
        QCOMPARE(pdfSeitengroesse(pdf(QStringLiteral("seitenantrag"))), QStringLiteral("595 x 842 pts (A4)"));
        QVERIFY(!m_h->Progress()->isVisible());
        // A missing layout is reported, nothing is asked or printed.
        Dialoge::dateiAntwort(pdf(QStringLiteral("ub1")));
        QVERIFY(!Hauptformdruck::drucken(*m_h, QStringLiteral("UB1")));
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Druckvorlage \"UB1\" nicht gefunden."));
        QVERIFY(!QFile::exists(pdf(QStringLiteral("ub1"))));
        Dialoge::zuruecksetzen();
    }

    void vorschauRollenUndZoomen()
    {
        Druckvorschau v;
        v.bildflaeche().Line(0, 0, 300, 300);
        v.bildAktualisieren();
        v.setWindowState(Qt::WindowNoState);
        v.resize(1000, 700);
        v.show();
        QVERIFY(QTest::qWaitForWindowExposed(&v));
        QCOMPARE(v.HScroll()->maximum(), 32767);
        QCOMPARE(v.VScroll()->singleStep(), 100);
        QCOMPARE(v.HScroll()->pageStep(), 1000);
        v.Zoom()->setCurrentIndex(Druckvorschau::Originalgroesse);
        const QSize grund = Vorschaubild::grundgroesse();
        QCOMPARE(v.Bild()->size(), grund);
        // 17000 twips at 96 dpi.
        QCOMPARE(grund.width(), qRound(17000 * 96 / 1440.0));
        v.HScroll()->setValue(1440);
        QCOMPARE(v.Bild()->x(), -96);
        // Scrolling to the end moves the picture beyond its own size.
        v.VScroll()->setValue(32767);
        QVERIFY(v.Bild()->y() + v.Bild()->height() < 0);
        v.VScroll()->setValue(0);
        v.Zoom()->setCurrentIndex(Druckvorschau::GanzeSeite);
        // The whole A4 sheet fits the window.
        const QWidget *flaeche = v.findChild<QWidget *>(QStringLiteral("Bildflaeche"));
        QVERIFY(v.Bild()->height() * 297 / 300 <= flaeche->height());
        QVERIFY(v.Bild()->width() < grund.width());
        // Scroll bars along the right and the bottom edge, inside the window.
        QVERIFY(v.VScroll()->geometry().right() < v.width());
        QVERIFY(v.VScroll()->geometry().right() > v.width() - 40);
        QVERIFY(v.HScroll()->geometry().bottom() < v.height());
        QVERIFY(v.HScroll()->geometry().bottom() > v.height() - 60);
        QVERIFY(v.HScroll()->geometry().right() < v.VScroll()->geometry().left());
        // The drawing is kept: the picture shows the diagonal at any zoom.
        const QImage bild = v.Bild()->grab().toImage();
        auto dunkelste = [&](int x, int y) {
            int g = 255;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    g = std::min(g, qGray(bild.pixel(x + dx, y + dy)));
            return g;
        };
        QVERIFY(dunkelste(bild.width() / 2, bild.height() / 2) < 160);
        QVERIFY(dunkelste(bild.width() / 2, bild.height() / 4) > 240);
        bild.save(bilder(QStringLiteral("bild.png")));
    }
};

VELMORA_TEST_MAIN(TestDruckenform)
#include "TestDruckenform.moc"
