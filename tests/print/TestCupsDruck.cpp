// The real printer path: a page printed through CUPS to a cups-pdf printer
// arrives as a PDF with the expected text. Skips where no such printer is
// set up (see the CI notes: cups, printer-driver-cups-pdf, lpadmin).
#include "Druckhilfen.h"
#include "TestUmgebung.h"

#include "print/Druckerwahl.h"
#include "print/Layoutinterpreter.h"
#include "print/Seitenflaeche.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <pwd.h>
#include <unistd.h>

using namespace druckhilfen;

namespace {
QString pdfDrucker()
{
    // Runs only where a cups-pdf queue was set up for it (CI does so), so a
    // desk with some PDF printer of its own is not waited on for nothing.
    const QString gewuenscht = qEnvironmentVariable("VELMORA_CUPS_PDF_DRUCKER");
    if (gewuenscht.isEmpty())
        return {};
    for (const QPrinterInfo &p : QPrinterInfo::availablePrinters())
        if (p.printerName() == gewuenscht)
            return p.printerName();
    return {};
}

// Where cups-pdf puts its files: the configured place, the real home's PDF
// folder, or the spool of anonymous jobs.
QStringList ausgabeorte()
{
    QStringList orte;
    if (!qEnvironmentVariableIsEmpty("VELMORA_CUPS_PDF_AUSGABE"))
        orte << qEnvironmentVariable("VELMORA_CUPS_PDF_AUSGABE");
    if (const passwd *pw = getpwuid(getuid()))
        orte << QString::fromLocal8Bit(pw->pw_dir) + QStringLiteral("/PDF");
    orte << QStringLiteral("/var/spool/cups-pdf/ANONYMOUS") << QStringLiteral("/var/spool/cups-pdf/") +
                                                                QString::fromLocal8Bit(qgetenv("USER"));
    return orte;
}

// cups-pdf writes its file in place, so a file seen early may still be
// growing: it counts only once it ends in the PDF trailer and its size has
// stayed the same since the last look.
bool fertigGeschrieben(const QFileInfo &datei, QHash<QString, qint64> &letzteGroesse)
{
    const QString pfad = datei.absoluteFilePath();
    const qint64 groesse = datei.size();
    const qint64 vorher = letzteGroesse.value(pfad, -1);
    letzteGroesse.insert(pfad, groesse);
    if (groesse <= 0 || groesse != vorher)
        return false;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly) || !f.seek(qMax<qint64>(0, groesse - 1024)))
        return false;
    return f.readAll().contains("%%EOF");
}
} // namespace

class TestCupsDruck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void seiteKommtAlsPdfAn()
    {
        const QString drucker = pdfDrucker();
        if (drucker.isEmpty())
            QSKIP("no cups-pdf printer is set up");
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("poppler-utils are not installed");
        const QString prog = testprogramm(QStringLiteral("cups"));
        QVERIFY(!prog.isEmpty());
        const QDateTime start = QDateTime::currentDateTime().addSecs(-2);

        Druckerwahl wahl;
        wahl.waehlen(drucker);
        QCOMPARE(wahl.DeviceName(), drucker);
        const QString kennung = QStringLiteral("Velmora%1").arg(QDateTime::currentMSecsSinceEpoch());
        Feldtabelle felder = druckhilfen::felder({QStringLiteral("1Vorname=") + kennung, "1Name=Muster"});
        Druckauftrag a;
        a.variante = Druckvariante::fuer(Druckvariante::Aufrufer::Antrag);
        a.datenbank = prog + QStringLiteral("drucken.mdb");
        a.layout = QStringLiteral("T-V");
        a.felder = &felder;
        std::unique_ptr<Seitenflaeche> f = wahl.auftrag(nullptr, kennung, {});
        QVERIFY(f);
        const Druckergebnis e = Layoutinterpreter::drucken(a, *f);
        QVERIFY2(e.ok, qPrintable(e.fehler));

        // Wait for cups-pdf to write the job.
        QElapsedTimer uhr;
        uhr.start();
        QHash<QString, qint64> groessen;
        while (uhr.elapsed() < 90000) {
            for (const QString &ort : ausgabeorte()) {
                for (const QFileInfo &datei : QDir(ort).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files)) {
                    if (datei.lastModified() < start || !fertigGeschrieben(datei, groessen))
                        continue;
                    const QString text = pdfText(datei.absoluteFilePath());
                    if (text.contains(kennung + QStringLiteral(" Muster"))) {
                        QVERIFY(text.contains(QStringLiteral("Vorderseite Test")));
                        return;
                    }
                    // cups-pdf names the file after the job title. Its
                    // Ghostscript pass may drop the text's character mapping,
                    // so then the page itself is checked: one A4 sheet.
                    if (datei.fileName().contains(kennung)) {
                        QVERIFY2(pdfSeitengroesse(datei.absoluteFilePath()).contains(QStringLiteral("595")),
                                 qPrintable(pdfSeitengroesse(datei.absoluteFilePath())));
                        QVERIFY(datei.size() > 2000);
                        return;
                    }
                }
            }
            QTest::qWait(500);
        }
        QFAIL(qPrintable(QStringLiteral("no PDF with the page arrived in %1").arg(ausgabeorte().join(u' '))));
    }
};

VELMORA_TEST_MAIN(TestCupsDruck)
#include "TestCupsDruck.moc"
