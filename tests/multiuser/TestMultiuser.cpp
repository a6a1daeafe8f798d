#include "TestUmgebung.h"

#include "multiuser/MultiuserForm.h"
#include "shell/Dialoge.h"
#include "shell/HilfeFenster.h"
#include "shell/Hauptform.h"
#include "shell/Registry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>

namespace {

QPushButton *knopf(QWidget *w, int index)
{
    for (QPushButton *b : w->findChildren<QPushButton *>(QStringLiteral("Ende_Knopf")))
        if (b->property("index").toInt() == index)
            return b;
    return nullptr;
}
} // namespace

class TestMultiuser : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void oberflaeche();
    void anlegen();
    void ungueltigeNamen_data();
    void ungueltigeNamen();
    void bleibtImBasisverzeichnis();
    void enterLegtAnUndWaehltNicht();
    void relativesBasisverzeichnis();
    void startMitAuswahl();
    void startSofortAuswaehlen();
    void ende();

private:
    QString m_prog;
};

void TestMultiuser::init()
{
    Registry::setDatei(TestUmgebung::neuesVerzeichnis(QStringLiteral("cfg")) + QStringLiteral("velmora.reg"));
    m_prog = TestUmgebung::programmverzeichnis(QStringLiteral("prog"));
    Dialoge::zuruecksetzen();
}

void TestMultiuser::oberflaeche()
{
    MultiuserForm f(m_prog);
    QCOMPARE(f.windowTitle(), QStringLiteral(" Velmora 2000 - Multiuser-Verwaltung"));
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("Verzeichnis"))->text(), m_prog);
    QCOMPARE(f.findChild<QLabel *>(QStringLiteral("Pfad"))->text(), m_prog);
    QCOMPARE(knopf(&f, 0)->text(), QStringLiteral("&Auswählen"));
    QCOMPARE(knopf(&f, 1)->text(), QStringLiteral("&Ende"));
    QCOMPARE(f.findChild<QPushButton *>(QStringLiteral("Anlegen_Knopf"))->toolTip(), QStringLiteral("neuen Benutzer anlegen"));
    QVERIFY(f.findChild<QListWidget *>(QStringLiteral("Dir")));
    // F1 opens the guide at the part on several persons.
    f.show();
    QVERIFY(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F1);
    QVERIFY(HilfeFenster::offen());
    QCOMPARE(HilfeFenster::offen()->browser()->source(), HilfeFenster::adresse(QStringLiteral("mehrere-personen")));
    HilfeFenster::offen()->close();
}

void TestMultiuser::anlegen()
{
    MultiuserForm f(m_prog);
    f.findChild<QLineEdit *>(QStringLiteral("NeuerUser"))->setText(QStringLiteral("  Nutzer1 "));
    f.findChild<QPushButton *>(QStringLiteral("Anlegen_Knopf"))->click();
    QVERIFY(QFile::exists(m_prog + QStringLiteral("Nutzer1/anträge.mdb")));
    QFile a(m_prog + QStringLiteral("_anträge.mdb"));
    QFile b(m_prog + QStringLiteral("Nutzer1/anträge.mdb"));
    QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    QCOMPARE(b.readAll(), a.readAll());
    auto *dir = f.findChild<QListWidget *>(QStringLiteral("Dir"));
    bool gefunden = false;
    for (int i = 0; i < dir->count(); ++i)
        gefunden |= dir->item(i)->data(Qt::UserRole).toString() == QLatin1String("Nutzer1");
    QVERIFY(gefunden);
    // Not chosen automatically.
    QCOMPARE(f.verzeichnis(), m_prog);
    // Creating it again keeps its application database.
    QVERIFY(QFile::resize(m_prog + QStringLiteral("Nutzer1/anträge.mdb"), 0));
    f.anlegen(QStringLiteral("Nutzer1"));
    QCOMPARE(QFileInfo(m_prog + QStringLiteral("Nutzer1/anträge.mdb")).size(), qint64(0));
}

void TestMultiuser::ungueltigeNamen_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("leer") << "";
    QTest::newRow("blanks") << "   ";
    QTest::newRow("punkt") << ".";
    QTest::newRow("punktpunkt") << " .. ";
    QTest::newRow("schraegstrich") << "a/b";
    QTest::newRow("rueckstrich") << "a\\b";
    QTest::newRow("hinaus") << "../raus";
}

void TestMultiuser::ungueltigeNamen()
{
    QFETCH(QString, name);
    const QStringList vorher = QDir(m_prog).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QStringList eltern = QDir(m_prog + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    MultiuserForm f(m_prog);
    QVERIFY(!f.anlegen(name));
    QCOMPARE(QDir(m_prog).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), vorher);
    QCOMPARE(QDir(m_prog + QStringLiteral("..")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), eltern);
}

void TestMultiuser::bleibtImBasisverzeichnis()
{
    QDir().mkpath(m_prog + QStringLiteral("Anna/Archiv"));
    MultiuserForm f(m_prog);
    f.verzeichnisOeffnen(QStringLiteral("Anna"));
    QCOMPARE(f.verzeichnis(), m_prog + QStringLiteral("Anna"));
    f.verzeichnisOeffnen(QStringLiteral("Archiv"));
    QCOMPARE(f.verzeichnis(), m_prog + QStringLiteral("Anna/Archiv"));
    f.verzeichnisOeffnen(QStringLiteral(".."));
    f.verzeichnisOeffnen(QStringLiteral(".."));
    // Back at the base: shown without its final separator.
    QString basis = m_prog;
    basis.chop(1);
    QCOMPARE(f.verzeichnis(), basis);
    // Its parent snaps back to the base.
    f.verzeichnisOeffnen(QStringLiteral(".."));
    QCOMPARE(f.verzeichnis(), basis);
    f.verzeichnisOeffnen(QStringLiteral("/"));
    QCOMPARE(f.verzeichnis(), basis);
}

void TestMultiuser::enterLegtAnUndWaehltNicht()
{
    MultiuserForm f(m_prog);
    f.show();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    auto *neu = f.findChild<QLineEdit *>(QStringLiteral("NeuerUser"));
    neu->setFocus();
    QTest::keyClicks(neu, QStringLiteral("Nutzer2"));
    QTest::keyClick(neu, Qt::Key_Return);
    QVERIFY(QFile::exists(m_prog + QStringLiteral("Nutzer2/anträge.mdb")));
    QVERIFY(f.isVisible());
    QCOMPARE(f.result(), 0);
    QCOMPARE(f.verzeichnis(), m_prog);
}

void TestMultiuser::relativesBasisverzeichnis()
{
    QDir().mkpath(m_prog + QStringLiteral("Anna"));
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(m_prog + QStringLiteral(".."));
    MultiuserForm f(QDir(m_prog).dirName());
    f.verzeichnisOeffnen(QStringLiteral("Anna"));
    const QString gewaehlt = f.verzeichnis();
    QDir::setCurrent(vorher);
    QCOMPARE(QFileInfo(gewaehlt).canonicalFilePath(), QFileInfo(m_prog + QStringLiteral("Anna")).canonicalFilePath());
}

void TestMultiuser::startMitAuswahl()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    Dialoge::dialogAntwort([](QDialog *d) {
        auto *f = static_cast<MultiuserForm *>(d);
        f->anlegen(QStringLiteral("Nutzer1"));
        f->verzeichnisOeffnen(QStringLiteral("Nutzer1"));
        knopf(f, 0)->click();
        return f->result();
    });
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QStringLiteral("/multiuser"));
    QVERIFY(!h.istBeendet());
    QCOMPARE(h.datenverzeichnis(), m_prog + QStringLiteral("Nutzer1/"));
    QCOMPARE(h.programmverzeichnis(), m_prog);
    Dialoge::antworte(QMessageBox::Yes);
    QVERIFY(h.Ende_Knopf_Click());
    QVERIFY(QFile::exists(m_prog + QStringLiteral("Nutzer1/beihilfe.txt")));
    QVERIFY(!QFile::exists(m_prog + QStringLiteral("beihilfe.txt")));
}

void TestMultiuser::startSofortAuswaehlen()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    Dialoge::dialogAntwort([](QDialog *d) {
        knopf(d, 0)->click();
        return d->result();
    });
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    h.starten(QStringLiteral("/multiuser"));
    QCOMPARE(h.datenverzeichnis(), m_prog);
}

void TestMultiuser::ende()
{
    TestUmgebung::setzeProgrammpfad(m_prog);
    Dialoge::dialogAntwort([](QDialog *d) {
        knopf(d, 1)->click();
        return d->result();
    });
    const auto hZeiger = TestUmgebung::hauptform();
    Hauptform &h = *hZeiger;
    QSignalSpy spy(&h, &Hauptform::programmEnde);
    h.starten(QStringLiteral("/multiuser"));
    QVERIFY(h.istBeendet());
    QCOMPARE(spy.count(), 1);
    QVERIFY(Dialoge::protokoll().isEmpty());
}

VELMORA_TEST_MAIN(TestMultiuser)
#include "TestMultiuser.moc"
