#include "FormsTestHilfe.h"
#include "TestUmgebung.h"
#include "forms/Antraegeform.h"
#include "forms/MaskenBauer.h"
#include "forms/Vorschussform.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "base/TextFile.h"

#include <QApplication>
#include <QFile>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QtTest>

using masken::finde;

class TestNebenantraege : public QObject
{
    Q_OBJECT

    std::unique_ptr<Hauptform> m_h;
    QString m_dir;

    QWidget *waehlen(int index)
    {
        auto *a = qobject_cast<Antraegeform *>(m_h->oeffnen(QStringLiteral("Anträgeform")));
        a->Wahl_Knopf_Click(index);
        return m_h->mdiArea()->activeSubWindow() ? m_h->vorn() : nullptr;
    }
    void panel(const char *knopf)
    {
        m_h->Zusatzpanel()->findChild<QPushButton *>(QString::fromUtf8(knopf))->click();
    }
    QLineEdit *feld(QWidget *m, const char *name) { return finde<QLineEdit>(m, QString::fromUtf8(name)); }

private Q_SLOTS:
    void init()
    {
        Dialoge::zuruecksetzen();
        m_dir = testhilfe::verzeichnis(QStringLiteral("Standardantrag"), {});
        m_h = testhilfe::starten(m_dir);
    }
    void cleanup() { m_h.reset(); }

    void dateiRundlaufUndNeu()
    {
        QWidget *unfall = waehlen(0);
        feld(unfall, "UBPerson")->setText(QStringLiteral("Anna Weber"));
        QWidget *ab = waehlen(1);
        QCOMPARE(ab->objectName(), QStringLiteral("AbschlagszahlungsForm"));
        // Amounts are asked for in euro, as the page prints them.
        for (const QWidget *w : ab->findChildren<QWidget *>())
            QVERIFY2(!w->toolTip().contains(QStringLiteral("DM")), qPrintable(w->toolTip()));
        QVERIFY(m_h->Zusatzpanel()->isVisible());
        QCOMPARE(m_h->FNr()->text(), QStringLiteral("A"));
        QCOMPARE(m_h->feld(QStringLiteral("Bereich2"))->text(), QStringLiteral("AB"));
        finde<QRadioButton>(ab, QStringLiteral("Person"), 1)->setChecked(true);
        const QString anschrift = QStringLiteral("  St.-Josef-Hospital, Gudrunstraße 56, 44791 Bochum := Süd");
        const QString lang = QString(250, u'x');
        feld(ab, "AAAnschrift")->setText(anschrift);
        feld(ab, "AAZahlungInstitut")->setText(lang);
        finde<QCheckBox>(ab, QStringLiteral("AAZahlunganmich"))->setChecked(true);

        const QString pfad = m_dir + QStringLiteral("abschlag.txt");
        Dialoge::dateiAntwort(pfad);
        panel("FSpeichern_Knopf");
        QString text;
        QVERIFY(TextFile::read(pfad, &text));
        for (const QString &zeile : {QStringLiteral("2AAPerson1:=Falsch\r\n"), QStringLiteral("2AAPerson2:=Wahr\r\n"),
                                     QStringLiteral("2AAPerson3:=Falsch\r\n"), QStringLiteral("2AAZahlunganmich:=1\r\n"),
                                     QStringLiteral("1AAAnschrift:=") + anschrift + QStringLiteral("\r\n")})
            QVERIFY2(text.contains(zeile), qPrintable(zeile));

        // "Neu": No keeps everything, Yes empties only the form in front.
        Dialoge::antworte(QMessageBox::No);
        panel("FNeu_Knopf");
        QCOMPARE(feld(ab, "AAAnschrift")->text(), anschrift);
        Dialoge::antworte(QMessageBox::Yes);
        panel("FNeu_Knopf");
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Eingabefelder im Formular wirklich löschen?"));
        QVERIFY(feld(ab, "AAAnschrift")->text().isEmpty());
        QVERIFY(!finde<QRadioButton>(ab, QStringLiteral("Person"), 1)->isChecked());
        QVERIFY(!finde<QCheckBox>(ab, QStringLiteral("AAZahlunganmich"))->isChecked());
        QCOMPARE(feld(unfall, "UBPerson")->text(), QStringLiteral("Anna Weber"));

        Dialoge::dateiAntwort(pfad);
        panel("FLaden_Knopf");
        QCOMPARE(feld(ab, "AAAnschrift")->text(), anschrift);
        QCOMPARE(feld(ab, "AAZahlungInstitut")->text(), lang); // no cut on loading
        QVERIFY(finde<QRadioButton>(ab, QStringLiteral("Person"), 1)->isChecked());
        QVERIFY(!finde<QRadioButton>(ab, QStringLiteral("Person"), 0)->isChecked());
        QVERIFY(finde<QCheckBox>(ab, QStringLiteral("AAZahlunganmich"))->isChecked());

        // A file that cannot be read says so and changes nothing.
        Dialoge::dateiAntwort(m_dir + QStringLiteral("fehlt.txt"));
        panel("FLaden_Knopf");
        QVERIFY(Dialoge::letzteMeldung().text.contains(QStringLiteral("fehlt.txt")));
        QCOMPARE(feld(ab, "AAAnschrift")->text(), anschrift);
        testhilfe::bild(ab, QStringLiteral("abschlagszahlung"));
        testhilfe::bild(m_h.get(), QStringLiteral("hauptfenster-zusatzpanel"));
        testhilfe::bild(m_h->maske(QStringLiteral("Anträgeform")), QStringLiteral("antraegeform"));
        testhilfe::bild(unfall, QStringLiteral("unfallbericht"));
    }

    void ungespeichertesGehtNichtStillVerloren()
    {
        QLineEdit *person = feld(waehlen(0), "UBPerson");
        person->setText(QStringLiteral("Anna Weber"));
        // "Laden" asks before it replaces typed values.
        Dialoge::antworte(QMessageBox::No);
        panel("FLaden_Knopf");
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Bitte bestätigen..."));
        QCOMPARE(person->text(), QStringLiteral("Anna Weber"));
        // "Nein" names what would be lost; answering No keeps the program open.
        Dialoge::antworte(QMessageBox::No);
        Dialoge::antworte(QMessageBox::No);
        QVERIFY(!m_h->Ende_Knopf_Click());
        QVERIFY(Dialoge::letzteMeldung().text.contains(QStringLiteral("- Unfallbericht")));
        // "Ja" stores it as "Speichern" does, asking for the file name.
        const QString pfad = m_dir + QStringLiteral("unfall.txt");
        Dialoge::antworte(QMessageBox::Yes);
        Dialoge::dateiAntwort(pfad);
        QVERIFY(m_h->Ende_Knopf_Click());
        QString text;
        QVERIFY(TextFile::read(pfad, &text));
        QVERIFY(text.contains(QStringLiteral("1UBPerson:=Anna Weber\r\n")));
    }

    void eingefuegterZeilenumbruchWirdLeerzeichen()
    {
        QLineEdit *anschrift = feld(waehlen(1), "AAAnschrift");
        QApplication::clipboard()->setText(QStringLiteral("Herr Prof. Dr.\r\nAnna Weber\n1Nachname:=X\u2029Ende"));
        testhilfe::fokus(anschrift);
        anschrift->paste();
        QCOMPARE(anschrift->text(), QStringLiteral("Herr Prof. Dr. Anna Weber 1Nachname:=X Ende"));
    }

    void druckenFragtNachDerZweitenSeite()
    {
        QWidget *unfall = waehlen(0);
        feld(unfall, "UBPerson")->setText(QStringLiteral("Anna Weber"));
        m_h->feld(QStringLiteral("Druckername"))->setText(QStringLiteral("PDF-Datei"));
        const QString seite1 = m_dir + QStringLiteral("ub1.pdf");
        const QString seite2 = m_dir + QStringLiteral("ub2.pdf");
        // "No" prints nothing.
        Dialoge::antworte(QMessageBox::No);
        panel("FDrucken_Knopf");
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Formular wirklich drucken?"));
        QVERIFY(!QFile::exists(seite1));
        // Cancel at "Zweite Seite einlegen!" leaves page two unprinted.
        Dialoge::antworte(QMessageBox::Yes);
        Dialoge::antworte(QMessageBox::Cancel);
        Dialoge::dateiAntwort(seite1);
        Dialoge::dateiAntwort(seite2);
        panel("FDrucken_Knopf");
        QCOMPARE(Dialoge::letzteMeldung().text, QStringLiteral("Zweite Seite einlegen!"));
        QCOMPARE(Dialoge::letzteMeldung().titel, QStringLiteral("Antrag drucken..."));
        QCOMPARE(m_h->feld(QStringLiteral("Bereich"))->text(), QStringLiteral("UB1"));
        QVERIFY(QFile::exists(seite1));
        QVERIFY(!QFile::exists(seite2));
        // The partial payment is one page and never asks for a second.
        Dialoge::zuruecksetzen();
        waehlen(1);
        Dialoge::antworte(QMessageBox::Yes);
        Dialoge::dateiAntwort(m_dir + QStringLiteral("ab.pdf"));
        panel("FDrucken_Knopf");
        QVERIFY(QFile::exists(m_dir + QStringLiteral("ab.pdf")));
        for (const Dialoge::Meldung &m : Dialoge::protokoll())
            QVERIFY(m.text != QLatin1String("Zweite Seite einlegen!"));
    }

    void exklusivePaare_data()
    {
        QTest::addColumn<QString>("ja");
        QTest::addColumn<QString>("nein");
        QTest::newRow("Protokoll") << "ProtokollJa" << "ProtokollNein";
        QTest::newRow("Verfahren") << "VJa" << "VNein";
    }
    void exklusivePaare()
    {
        QFETCH(QString, ja);
        QFETCH(QString, nein);
        QWidget *m = waehlen(0);
        auto *a = finde<QCheckBox>(m, ja);
        auto *b = finde<QCheckBox>(m, nein);
        a->setChecked(true);
        b->setChecked(true);
        QVERIFY(!a->isChecked());
        a->setChecked(true);
        QVERIFY(!b->isChecked());
        a->setChecked(false);
        QVERIFY(!a->isChecked() && !b->isChecked());
    }

    void vorschussBildFolgtDemRollbalken()
    {
        auto *v = qobject_cast<Vorschussform *>(waehlen(2));
        QVERIFY(v);
        QCOMPARE(m_h->FNr()->text(), QStringLiteral("V"));
        // The screen takes the size of its window.
        m_h->setUeberlappend(true);
        Hauptform::fensterVon(v)->resize(700, 400);
        QCoreApplication::processEvents();
        QVERIFY(v->VScroll()->maximum() > 0);
        v->VScroll()->setValue(v->VScroll()->maximum());
        QCOMPARE(v->Bild()->y(), -Hauptform::twipsZuPixel(v->VScroll()->maximum(), false));
        // The canvas's end is in view, not beyond it.
        QVERIFY(qAbs(v->Bild()->geometry().bottom() - v->height()) <= 2);
        testhilfe::bild(v, QStringLiteral("vorschuss"));
    }

    void pflegeUeberDieFelddatei()
    {
        QWidget *p = m_h->oeffnen(QStringLiteral("DauerndePflegeForm"));
        QVERIFY(p);
        QCOMPARE(m_h->aktiv(6), QStringLiteral("1"));
        QVERIFY(m_h->SpeichernKnopf()->isEnabled());
        QVERIFY(testhilfe::ausfuellen(p) > 20);
        const QMap<QString, QString> vorher = testhilfe::werte(p);
        QVERIFY(m_h->SpeichernKnopf_Click());
        testhilfe::bild(p, QStringLiteral("dauerndepflege"));
        m_h.reset();
        m_h = testhilfe::starten(m_dir);
        QCOMPARE(testhilfe::werte(m_h->oeffnen(QStringLiteral("DauerndePflegeForm"))), vorher);
    }
};

VELMORA_TEST_MAIN(TestNebenantraege)
#include "TestNebenantraege.moc"
