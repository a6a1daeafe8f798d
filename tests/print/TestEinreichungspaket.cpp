// The PDF to hand in, written by velmora-druck --paket from a stored
// application whose receipts carry pictures, read back with poppler-utils.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "base/TextFile.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Belegablage.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace druckhilfen;

namespace {
QString ausgabe(const QString &programm, const QStringList &argumente)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(programm), argumente);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A receipt picture with a line of text, as a scanner gives it.
QImage scan(const QString &text)
{
    QImage bild(1240, 1754, QImage::Format_RGB32); // A4 at 150 dpi
    bild.fill(QColor(250, 248, 240));
    QPainter p(&bild);
    p.setFont(QFont(QStringLiteral("DejaVu Sans"), 28));
    p.drawText(120, 300, text);
    return bild;
}

Rechnungsposition beleg(int nr, double betrag, const QString &bild = {})
{
    Rechnungsposition r;
    r.Beleg = qint16(nr);
    r.Datum = QStringLiteral("0%1.03.2026").arg(nr);
    r.Empfaenger = QStringLiteral("A");
    r.Art = QStringLiteral("Arzt");
    r.Arzt = QStringLiteral("Dr. Beispiel %1").arg(nr);
    r.Rechnung = betrag;
    r.euro = true;
    r.belegdatei = bild;
    return r;
}
} // namespace

class TestEinreichungspaket : public QObject
{
    Q_OBJECT

    struct Lauf
    {
        int code = -1;
        QString text;
    };
    Lauf starten(const QString &daten, const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral(VELMORA_DRUCK),
                {QStringLiteral("--programm"), TestUmgebung::mitgeliefert(), QStringLiteral("--daten"), daten,
                 QStringLiteral("--paket"), QStringLiteral("--antrag"), QStringLiteral("20.03.2026"),
                 QStringLiteral("--pdf"), pdf});
        if (!p.waitForFinished(120000))
            return {};
        return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput() + p.readAllStandardError())};
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
    }

    // Front, back and expense list, then one page per picture page stamped
    // with its receipt, then the receipts without a picture; the pictures
    // go in as grey JPEG. A picture deleted by hand is named, never fatal.
    void seitenStempelUndFehlendesBild()
    {
        const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("paket"));
        QVERIFY(TextFile::write(daten + QStringLiteral("beihilfe.txt"),
                                QStringLiteral("Standardantrag\r\n1Name:=Muster\r\n1Vorname:=Erika\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
        const QString png = daten + QStringLiteral("quittung.png");
        QVERIFY(scan(QStringLiteral("Apotheke am Markt")).save(png));
        const QString pdf = daten + QStringLiteral("rechnung.pdf");
        {
            QPdfWriter w(pdf);
            QPainter p(&w);
            p.drawText(500, 800, QStringLiteral("Rechnung Seite eins"));
            w.newPage();
            p.drawText(500, 800, QStringLiteral("Rechnung Seite zwei"));
        }
        QString grund;
        const QString bild1 = Belegablage::ablegen(daten, png, &grund);
        const QString bild2 = Belegablage::ablegen(daten, pdf, &grund);
        QVERIFY2(!bild1.isEmpty() && !bild2.isEmpty(), qPrintable(grund));

        const QString db = daten + Antragsdatenbank::Dateiname;
        QVERIFY(QFile::copy(TestUmgebung::mitgeliefert() + Antragsdatenbank::Vorlage, db));
        QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);
        Antragskopf kopf;
        kopf.Antragsdatum = QStringLiteral("20.03.2026");
        kopf.AEuro = true;
        Rechnungspositionen t;
        t.hinzufuegen(beleg(1, 12.5, bild1));
        t.hinzufuegen(beleg(2, 80, bild2));
        t.hinzufuegen(beleg(3, 45.1));
        QVERIFY(Antragsdatenbank::speichern(db, QStringLiteral("20.03.2026"), kopf, t));

        const QString paket = daten + QStringLiteral("paket.pdf");
        Lauf l = starten(daten, paket);
        QVERIFY2(l.code == 0, qPrintable(l.text));
        const QStringList blaetter = ausgabe(QStringLiteral("pdftotext"), {paket, QStringLiteral("-")}).split(u'\f');
        // Three form pages, three picture pages, the closing page (and the
        // empty rest behind the last form feed).
        QCOMPARE(blaetter.size(), 8);
        const QStringList stempel = {QStringLiteral("Beleg 1"), QStringLiteral("Beleg 2"), QStringLiteral("Beleg 2")};
        for (int i = 0; i < 3; ++i) {
            QVERIFY2(!blaetter.at(i).contains(QRegularExpression(QStringLiteral("Beleg \\d"))), qPrintable(blaetter.at(i)));
            QVERIFY2(blaetter.at(3 + i).contains(stempel.at(i)), qPrintable(blaetter.at(3 + i)));
        }
        QVERIFY(blaetter.at(4).contains(QStringLiteral("Seite 1 von 2")));
        QVERIFY(blaetter.at(6).contains(QStringLiteral("Belege ohne Bild")));
        QVERIFY(blaetter.at(6).contains(QStringLiteral("Nr. 3")));
        const QString bilder = ausgabe(QStringLiteral("pdfimages"), {QStringLiteral("-list"), paket});
        QCOMPARE(bilder.count(QRegularExpression(QStringLiteral("\\bgray\\s+1\\s+8\\s+jpeg\\b"))), 3);

        // The first picture deleted by hand: named on the closing page.
        QVERIFY(QFile::remove(Belegablage::pfad(daten, bild1)));
        l = starten(daten, paket);
        QVERIFY2(l.code == 0, qPrintable(l.text));
        QVERIFY2(l.text.contains(QStringLiteral("Beleg 1:")), qPrintable(l.text));
        const QStringList danach = ausgabe(QStringLiteral("pdftotext"), {paket, QStringLiteral("-")}).split(u'\f');
        QCOMPARE(danach.size(), 7);
        QVERIFY(danach.at(5).contains(QStringLiteral("Nr. 1")) && danach.at(5).contains(QStringLiteral("Nr. 3")));
        QVERIFY(danach.at(5).contains(QStringLiteral("Belegbilder, die fehlen")));
    }

};

VELMORA_TEST_MAIN_CORE(TestEinreichungspaket)
#include "TestEinreichungspaket.moc"
