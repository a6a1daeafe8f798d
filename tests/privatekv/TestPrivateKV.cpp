// The private-insurance screen driven through its controls in a main window
// on a data directory of its own: the person switch, the change rule, copy,
// the memos and what survives a save and a restart.
#include "TestUmgebung.h"

#include "fields/FeldControls.h"
#include "privatekv/PrivateKV.h"
#include "print/Druckerwahl.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
const char *const kEingaben[] = {"Vorname", "Nachname", "Geburtsdatum", "Versicherungsnummer", "Servicenummer",
                                 "Name1", "Name2", "Strasse", "PLZ", "Ort", "Ansprechpartner", "Telefon",
                                 "Telefax", "email", "Tarif", "Tagegeld", "Beitrag"};

QByteArray inhalt(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
} // namespace

class TestPrivateKV : public QObject
{
    Q_OBJECT

    QString m_dir;
    std::unique_ptr<Hauptform> m_h;

    void starten()
    {
        m_h.reset();
        m_h = TestUmgebung::hauptfenster(m_dir, {1280, 800});
    }
    PrivateKV *maske() { return qobject_cast<PrivateKV *>(m_h->oeffnen(QStringLiteral("privateKV"))); }
    QLineEdit *box(const char *name) { return maske()->findChild<QLineEdit *>(QString::fromUtf8(name)); }
    QPlainTextEdit *memofeld() { return maske()->findChild<QPlainTextEdit *>(QStringLiteral("Memofeld")); }
    QPushButton *knopf(int n)
    {
        for (QPushButton *b : maske()->findChildren<QPushButton *>(QStringLiteral("PKnopf")))
            if (b->property("index").toInt() == n)
                return b;
        return nullptr;
    }
    // Fills every box of the shown person with the prefix and the box's name.
    void ausfuellen(const QString &vorsatz)
    {
        for (const char *n : kEingaben)
            box(n)->setText(vorsatz + QString::fromUtf8(n));
    }

private Q_SLOTS:
    void init()
    {
        Dialoge::zuruecksetzen();
        m_dir = TestUmgebung::programmverzeichnis(QStringLiteral("p"));
        for (int n = 0; n < 7; ++n)
            QFile::remove(m_dir + QStringLiteral("privateKVMemo%1.txt").arg(n));
        QFile::remove(m_dir + QStringLiteral("beihilfe.txt"));
        starten();
    }
    void cleanup() { m_h.reset(); }

    // The buttons, the 119 holders with their tags and the frame caption.
    void aufbau()
    {
        PrivateKV *m = maske();
        QVERIFY(m);
        QCOMPARE(m->windowTitle(), QStringLiteral("Private Krankenversicherung"));
        QCOMPARE(m_h->aktiv(9), QStringLiteral("1"));
        QCOMPARE(knopf(1)->text(), QStringLiteral("Ehegatte"));
        QCOMPARE(knopf(6)->toolTip(), QStringLiteral("Private Krankenversicherung für Kind-5"));
        const QList<QWidget *> halter = FeldControls::tagged(m);
        QCOMPARE(halter.size(), 119);
        const auto email = m->findChildren<QLabel *>(QStringLiteral("PEmail"));
        QCOMPARE(email.size(), 7);
        QStringList tags;
        for (QLabel *l : email)
            tags << FeldControls::tag(l);
        QVERIFY(tags.contains(QStringLiteral("1privateKV_emailK5")));
        auto *gruppe = box("Vorname")->parentWidget();
        knopf(2)->click();
        QCOMPARE(qobject_cast<QGroupBox *>(gruppe)->title(), QStringLiteral("Versicherungsdaten für Kind 1"));
        TestUmgebung::bild(m, QStringLiteral("privateKV"));
    }

    // The record always equals what is shown; the switch fills the boxes
    // from the chosen person and writes nothing else.
    void personenwechsel()
    {
        PrivateKV *m = maske();
        ausfuellen(QStringLiteral("A-"));
        memofeld()->setPlainText(QStringLiteral("Memo A"));
        knopf(3)->click();
        QCOMPARE(m->person(), 3);
        QCOMPARE(box("Nachname")->text(), QString());
        QCOMPARE(memofeld()->toPlainText(), QString());
        box("Tarif")->setText(QStringLiteral("30"));
        QCOMPARE(m->halter(Versicherungsdaten::Tarif, 3)->text(), QStringLiteral("30"));
        QCOMPARE(m->halter(Versicherungsdaten::Tarif, 0)->text(), QStringLiteral("A-Tarif"));
        knopf(0)->click();
        QCOMPARE(box("Beitrag")->text(), QStringLiteral("A-Beitrag"));
        QCOMPARE(memofeld()->toPlainText(), QStringLiteral("Memo A"));
    }

    // Copy takes the applicant's insurer data but keeps first name, birth
    // date and memo; it is disabled for the applicant.
    void kopieren()
    {
        PrivateKV *m = maske();
        auto *kopieren = m->findChild<QPushButton *>(QStringLiteral("Kopieren_Knopf"));
        QVERIFY(!kopieren->isEnabled());
        ausfuellen(QStringLiteral("A-"));
        knopf(1)->click();
        QVERIFY(kopieren->isEnabled());
        ausfuellen(QStringLiteral("E-"));
        memofeld()->setPlainText(QStringLiteral("Memo E"));
        kopieren->click();
        for (const char *n : kEingaben) {
            const bool bleibt = qstrcmp(n, "Vorname") == 0 || qstrcmp(n, "Geburtsdatum") == 0;
            QCOMPARE(box(n)->text(), (bleibt ? QStringLiteral("E-") : QStringLiteral("A-")) + QString::fromUtf8(n));
        }
        QCOMPARE(m->halter(Versicherungsdaten::Nachname, 1)->text(), QStringLiteral("A-Nachname"));
        QCOMPARE(memofeld()->toPlainText(), QStringLiteral("Memo E"));
        QCOMPARE(m->memo(0), QString());
    }

    // "Kind 4" data and memos survive saving and a restart; every memo file
    // exists, an empty memo as CR LF only.
    void speichernUndNeustart()
    {
        knopf(5)->click();
        ausfuellen(QStringLiteral("K4-"));
        memofeld()->setPlainText(QStringLiteral("eins\nzwei\ndrei"));
        knopf(0)->click();
        memofeld()->setPlainText(QStringLiteral("mit Umbruch\n"));
        QVERIFY(m_h->SpeichernKnopf_Click());
        QCOMPARE(inhalt(m_dir + QStringLiteral("privateKVMemo5.txt")), QByteArray("eins\r\nzwei\r\ndrei\r\n"));
        QCOMPARE(inhalt(m_dir + QStringLiteral("privateKVMemo3.txt")), QByteArray("\r\n"));
        QVERIFY(inhalt(m_dir + QStringLiteral("beihilfe.txt")).contains("1privateKV_NachnameK4:=K4-Nachname\r\n"));
        starten();
        QCOMPARE(maske()->person(), 0);
        QCOMPARE(memofeld()->toPlainText(), QStringLiteral("mit Umbruch\n"));
        knopf(5)->click();
        for (const char *n : kEingaben)
            QCOMPARE(box(n)->text(), QStringLiteral("K4-") + QString::fromUtf8(n));
        QCOMPARE(memofeld()->toPlainText(), QStringLiteral("eins\nzwei\ndrei"));
    }

    // Without the screen the memo files stay as they are.
    void memosUnberuehrt()
    {
        QFile f(m_dir + QStringLiteral("privateKVMemo0.txt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("alt\n");
        f.close();
        QVERIFY(m_h->SpeichernKnopf_Click());
        QCOMPARE(inhalt(f.fileName()), QByteArray("alt\n"));
        QVERIFY(!QFile::exists(m_dir + QStringLiteral("privateKVMemo1.txt")));
    }

    // A memo file that cannot be written is named, and the exit prompt's
    // "Ja" keeps the program open.
    void memoNichtGeschrieben()
    {
        maske();
        QVERIFY(QDir(m_dir).mkdir(QStringLiteral("privateKVMemo2.txt")));
        Dialoge::antworte(QMessageBox::Yes);
        const bool beendet = m_h->Ende_Knopf_Click();
        QDir(m_dir).rmdir(QStringLiteral("privateKVMemo2.txt"));
        QVERIFY(!beendet);
        QVERIFY(Dialoge::letzteMeldung().text.contains(QStringLiteral("privateKVMemo2.txt")));
        QVERIFY(QFile::exists(m_dir + QStringLiteral("privateKVMemo6.txt")));
    }

    // "Drucken" prints the shown person's sheet, here into a PDF file.
    void drucken()
    {
        Druckerwahl::setDruckerliste([] { return QStringList{}; });
        m_h->findChild<Druckerwahl *>(QStringLiteral("Druckerwahl"))->waehlen(Druckerwahl::PdfDatei);
        knopf(1)->click();
        ausfuellen(QStringLiteral("E-"));
        const QString pdf = m_dir + QStringLiteral("blatt.pdf");
        Dialoge::zuruecksetzen(); // the start's question for the form kind
        Dialoge::dateiAntwort(pdf);
        maske()->findChild<QPushButton *>(QStringLiteral("Drucken_Knopf"))->click();
        Druckerwahl::setDruckerliste(nullptr);
        QVERIFY(inhalt(pdf).startsWith("%PDF"));
        QVERIFY(Dialoge::protokoll().isEmpty());
    }
};

VELMORA_TEST_MAIN(TestPrivateKV)
#include "TestPrivateKV.moc"
