// velmora-druck on stored applications: the expense pages block by block
// and the per-person insurance lists, read back with pdftotext.
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "ledger/Antragsdatenbank.h"
#include "shell/Datenbank.h"
#include "base/TextFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace druckhilfen;

namespace {
struct Lauf
{
    int code;
    QString fehler;
};

Rechnungsposition beleg(int nr, const QString &person, double betrag, bool euro = true, const QString &nummer = {})
{
    Rechnungsposition r;
    r.Beleg = qint16(nr);
    r.Datum = QStringLiteral("%1.05.2004").arg((nr - 1) % 28 + 1, 2, 10, QLatin1Char('0'));
    r.Empfaenger = person;
    r.Art = QStringLiteral("Arzt");
    r.Rechnung = betrag;
    r.euro = euro;
    r.Rechnungsnummer = nummer;
    return r;
}

// The text holds the amount as a word of its own.
bool betrag(const QString &text, const QString &wert)
{
    return text.contains(QRegularExpression(QStringLiteral("(^|\\s)%1(\\s|$)").arg(QRegularExpression::escape(wert))));
}

int seiten(const QString &pdf)
{
    QProcess p;
    p.start(QStandardPaths::findExecutable(QStringLiteral("pdfinfo")), {pdf});
    p.waitForFinished(30000);
    const auto m = QRegularExpression(QStringLiteral("Pages:\\s*(\\d+)")).match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
} // namespace

class TestDruckAufwendungenKommando : public QObject
{
    Q_OBJECT
    QString m_prog;
    QString m_aus;

    Lauf starten(const QStringList &argumente)
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(VELMORA_DRUCK), QStringList{QStringLiteral("--programm"), m_prog} + argumente);
        if (!p.waitForFinished(60000))
            return {-1, QStringLiteral("Zeitüberschreitung")};
        return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
    }
    QString aus(const QString &name) const { return m_aus + name; }

private Q_SLOTS:
    // VELMORA_BILDER keeps the pages for looking at them.
    void cleanupTestCase()
    {
        const QString ziel = qEnvironmentVariable("VELMORA_BILDER");
        if (ziel.isEmpty() || m_aus.isEmpty())
            return;
        for (const QString &f : QDir(m_aus).entryList({QStringLiteral("*.pdf"), QStringLiteral("*.png")}))
            QFile::copy(m_aus + f, ziel + u'/' + f);
    }

    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        m_prog = testprogramm(QStringLiteral("aufwendungsprogramm"));
        QVERIFY(!m_prog.isEmpty());
        QVERIFY(aufwendungslayouts(m_prog));
        QVERIFY(TextFile::write(m_prog + QStringLiteral("beihilfe.txt"),
                                QStringLiteral("Testaufwendungen\r\n1Vorname:=Max\r\n---Ende---\r\n"),
                                TextFile::Encoding::Utf8));
        const QString db = m_prog + Antragsdatenbank::Dateiname;
        QFile::remove(db);
        QVERIFY(QFile::copy(TestUmgebung::mitgeliefert() + Antragsdatenbank::Vorlage, db));
        QFile::setPermissions(db, QFile::ReadOwner | QFile::WriteOwner);

        // 30 receipts in Euro: two blocks at 23 per page.
        Antragskopf kopf;
        kopf.Antragsdatum = QStringLiteral("01.06.2004");
        kopf.AEuro = true;
        Rechnungspositionen t;
        for (int i = 1; i <= 30; ++i)
            t.hinzufuegen(beleg(i, i % 3 ? QStringLiteral("A") : QStringLiteral("K2"), i + 0.25));
        QVERIFY(Antragsdatenbank::speichern(db, QStringLiteral("01.06.2004"), kopf, t));

        // Permanent care: flat-rate and itemised receipts.
        Antragskopf pflege;
        pflege.Antragsdatum = QStringLiteral("02.06.2004");
        pflege.AEuro = true;
        pflege.Pflegeantrag = true;
        Rechnungspositionen p;
        p.hinzufuegen(beleg(1, QStringLiteral("A"), 300, true, QStringLiteral("Pauschale")));
        p.hinzufuegen(beleg(2, QStringLiteral("A"), 45, true));
        QVERIFY(Antragsdatenbank::speichern(db, QStringLiteral("02.06.2004"), pflege, p));
        m_aus = TestUmgebung::neuesVerzeichnis(QStringLiteral("aufwendungsausgabe"));
    }

    void bloeckeDerListe()
    {
        const QStringList basis = {QStringLiteral("--antrag"), QStringLiteral("01.06.2004"), QStringLiteral("--seite"),
                                   QStringLiteral("aufwendungen-1")};
        Lauf l = starten(basis + QStringList{QStringLiteral("--pdf"), aus(QStringLiteral("b0.pdf"))});
        QCOMPARE(l.code, 0);
        l = starten(basis + QStringList{QStringLiteral("--block"), QStringLiteral("1"), QStringLiteral("--pdf"),
                                        aus(QStringLiteral("b1.pdf"))});
        QVERIFY2(l.code == 0, qPrintable(l.fehler));
        const QString b0 = pdfText(aus(QStringLiteral("b0.pdf")));
        const QString b1 = pdfText(aus(QStringLiteral("b1.pdf")));
        QVERIFY(b0.contains(QStringLiteral("Zusammenstellung der Aufwendungen Test")));
        QVERIFY(b0.contains(QStringLiteral("23,25")));
        QVERIFY(!b0.contains(QStringLiteral("24,25")));
        QVERIFY(betrag(b0, QStringLiteral("1,25")));
        QVERIFY(b1.contains(QStringLiteral("24,25")) && b1.contains(QStringLiteral("30,25")));
        QVERIFY(!b1.contains(QStringLiteral("23,25")) && !betrag(b1, QStringLiteral("1,25")));
        // 1 + ... + 30 and 30 quarters: 472,50, only on the last block.
        QVERIFY(b1.contains(QStringLiteral("472,50")));
        QVERIFY(!b0.contains(QStringLiteral("472,50")));

        l = starten(basis + QStringList{QStringLiteral("--block"), QStringLiteral("2"), QStringLiteral("--pdf"),
                                        aus(QStringLiteral("b2.pdf"))});
        QCOMPARE(l.code, 2);
        QVERIFY(l.fehler.contains(QStringLiteral("Block 2")));
        l = starten({QStringLiteral("--antrag"), QStringLiteral("gibtsnicht"), QStringLiteral("--seite"),
                     QStringLiteral("aufwendungen-1"), QStringLiteral("--pdf"), aus(QStringLiteral("x.pdf"))});
        QCOMPARE(l.code, 1);
        QVERIFY(!QFile::exists(aus(QStringLiteral("x.pdf"))));
        l = starten({QStringLiteral("--seite"), QStringLiteral("aufwendungen-5"), QStringLiteral("--pdf"),
                     aus(QStringLiteral("x.pdf"))});
        QCOMPARE(l.code, 2);
    }

    void pflegeausgabe()
    {
        const Lauf l = starten({QStringLiteral("--antrag"), QStringLiteral("02.06.2004"), QStringLiteral("--seite"),
                                QStringLiteral("aufwendungen-1"), QStringLiteral("--pdf"), aus(QStringLiteral("p.pdf"))});
        QVERIFY2(l.code == 0, qPrintable(l.fehler));
        const QString t = pdfText(aus(QStringLiteral("p.pdf")));
        QVERIFY(t.contains(QStringLiteral("Pflegeliste Test")));
        QVERIFY(t.contains(QStringLiteral("02.05.2004"))); // itemised: PflegeDatum
        QVERIFY(!t.contains(QStringLiteral("01.05.2004"))); // flat rate: only its month
    }

    void versicherungslisten()
    {
        Lauf l = starten({QStringLiteral("--antrag"), QStringLiteral("01.06.2004"), QStringLiteral("--seite"),
                          QStringLiteral("versicherung"), QStringLiteral("--pdf"), aus(QStringLiteral("v.pdf"))});
        QVERIFY2(l.code == 0, qPrintable(l.fehler));
        QCOMPARE(seiten(aus(QStringLiteral("v.pdf"))), 2);
        const QStringList blaetter = pdfText(aus(QStringLiteral("v.pdf"))).split(u'\f');
        QVERIFY(blaetter.size() >= 2);
        // A first: receipts 1, 2, 4, ...; K2 second: 3, 6, ..., 30.
        QVERIFY(betrag(blaetter[0], QStringLiteral("1,25")) && !betrag(blaetter[0], QStringLiteral("3,25")));
        QVERIFY(betrag(blaetter[1], QStringLiteral("3,25")) && betrag(blaetter[1], QStringLiteral("30,25")));
        QVERIFY(!betrag(blaetter[1], QStringLiteral("1,25")));
        // K2: 3 + 6 + ... + 30 = 165, plus ten quarters.
        QVERIFY(blaetter[1].contains(QStringLiteral("167,50")));
        QVERIFY(blaetter[0].contains(QStringLiteral("305,00")));

        l = starten({QStringLiteral("--antrag"), QStringLiteral("01.06.2004"), QStringLiteral("--seite"),
                     QStringLiteral("versicherung"), QStringLiteral("--png"), aus(QStringLiteral("v.png")),
                     QStringLiteral("--dpi"), QStringLiteral("30")});
        QVERIFY2(l.code == 0, qPrintable(l.fehler));
        QVERIFY(QFile::exists(aus(QStringLiteral("v-1.png"))));
        QVERIFY(QFile::exists(aus(QStringLiteral("v-2.png"))));
        QVERIFY(!QFile::exists(aus(QStringLiteral("v-3.png"))));
    }
};

VELMORA_TEST_MAIN_CORE(TestDruckAufwendungenKommando)
#include "TestDruckAufwendungenKommando.moc"
