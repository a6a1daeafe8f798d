// The print system sits in a module loaded on first need: starting the main
// window does not load Qt PrintSupport, asking for printers does, and the
// printer object keeps its orientation from one job to the next.
#include "TestUmgebung.h"

#include "print/DruckerFlaeche.h"
#include "print/Druckeranschluss.h"
#include "print/Druckerwahl.h"
#include "shell/Hauptform.h"

#include <QFile>
#include <QPageLayout>
#include <QPagedPaintDevice>

namespace {
bool printSupportGeladen()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6PrintSupport");
}
} // namespace

class TestDruckeranschluss : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void erstBeimDrucken();
    void ausrichtungBleibtBeimDrucker();
    void ohneModul();
};

void TestDruckeranschluss::erstBeimDrucken()
{
    const auto h = TestUmgebung::hauptfenster(TestUmgebung::programmverzeichnis(QStringLiteral("prog")));
    QVERIFY(h->findChild<Druckerwahl *>(QStringLiteral("Druckerwahl")));
    QVERIFY(!printSupportGeladen());
    const QStringList drucker = Druckerwahl::Printers();
    QCOMPARE(drucker.last(), Druckerwahl::PdfDatei);
    QVERIFY(printSupportGeladen());
}

void TestDruckeranschluss::ausrichtungBleibtBeimDrucker()
{
    QString fehler;
    const std::unique_ptr<Druckeranschluss> a = Druckeranschluss::neu(&fehler);
    QVERIFY2(a, qPrintable(fehler + u' ' + Druckeranschluss::modulpfad()));
    a->setDruckername(QStringLiteral("Büro"));
    QCOMPARE(a->druckername(), QStringLiteral("Büro"));
    QPagedPaintDevice *geraet = a->drucker();
    QCOMPARE(a->drucker(), geraet);
    {
        DruckerFlaeche erster(a.get(), QStringLiteral("Büro"), QStringLiteral("Antrag"));
        QCOMPARE(erster.orientation(), 1);
        erster.setOrientation(2);
    }
    QCOMPARE(geraet->pageLayout().orientation(), QPageLayout::Landscape);
    DruckerFlaeche zweiter(a.get(), QStringLiteral("Büro"), QStringLiteral("Antrag"));
    QCOMPARE(zweiter.orientation(), 2);
}

void TestDruckeranschluss::ohneModul()
{
    // Without the module a printer job fails with a message, it does not crash.
    DruckerFlaeche flaeche(nullptr, QStringLiteral("Büro"), QStringLiteral("Antrag"));
    flaeche.Print(QStringLiteral("Text"));
    QVERIFY(!flaeche.EndDoc());
    QCOMPARE(flaeche.fehler(), QStringLiteral("Der Drucker \"Büro\" lässt sich nicht ansprechen."));
}

VELMORA_TEST_MAIN(TestDruckeranschluss)
#include "TestDruckeranschluss.moc"
