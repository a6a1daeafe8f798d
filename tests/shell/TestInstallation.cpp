// What an installed program needs beyond its windows: Qt's German standard
// dialogs and the upgrade of the shipped read-only databases.
#include "TestUmgebung.h"

#include "app/QtUebersetzung.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"
#include "shell/Verzeichnisse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>
#include <QTranslator>

class TestInstallation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void endeFrageKnoepfe_data();
    void endeFrageKnoepfe();
    void alteKopienErneuert();
    void kaputteKopieErsetzt();
    void pfadBleibtUnberuehrt();
    void paketAusgepackt();
};

void TestInstallation::endeFrageKnoepfe_data()
{
    QTest::addColumn<QString>("verzeichnis");
    QTest::addColumn<QStringList>("knoepfe");
    QTest::newRow("deutsch") << QString() << QStringList{QStringLiteral("Ja"), QStringLiteral("Nein"),
                                                          QStringLiteral("Abbrechen")};
    // A machine without Qt's translations: the program still asks, in Qt's English.
    QTest::newRow("ohne Übersetzungen") << TestUmgebung::neuesVerzeichnis(QStringLiteral("leer"))
                                        << QStringList{QStringLiteral("Yes"), QStringLiteral("No"),
                                                       QStringLiteral("Cancel")};
}

// The exit prompt is shown for real and its buttons are read while it is up.
void TestInstallation::endeFrageKnoepfe()
{
    QFETCH(QString, verzeichnis);
    QFETCH(QStringList, knoepfe);
    QTranslator *uebersetzer = QtUebersetzung::laden(qApp, verzeichnis);
    QCOMPARE(uebersetzer != nullptr, verzeichnis.isEmpty());

    const auto hZeiger = TestUmgebung::hauptform();

    Hauptform &h = *hZeiger;
    h.show();
    QStringList gelesen;
    bool gesehen = false;
    QTimer suche;
    suche.setInterval(20);
    connect(&suche, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        suche.stop();
        gesehen = true;
        for (QMessageBox::StandardButton b : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel}) {
            QAbstractButton *knopf = box->button(b);
            gelesen << (knopf ? knopf->text().remove(u'&') : QString());
        }
        box->button(QMessageBox::Cancel)->click();
    });
    suche.start();
    QTimer::singleShot(5000, qApp, [&] {
        // Never hang the suite: close whatever is still open.
        if (QWidget *w = QApplication::activeModalWidget())
            w->close();
    });
    Dialoge::setTestbetrieb(false);
    const bool beendet = h.Ende_Knopf_Click();
    Dialoge::setTestbetrieb(true);
    if (uebersetzer)
        QCoreApplication::removeTranslator(uebersetzer);
    delete uebersetzer;

    QVERIFY(gesehen);
    QCOMPARE(gelesen, knoepfe);
    QVERIFY(!beendet);
}

namespace {
QByteArray lesen(const QString &pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void schreiben(const QString &pfad, const QByteArray &inhalt)
{
    QFile f(pfad);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(inhalt), inhalt.size());
}

// A shipped database as an earlier version left it: the same file with
// another data version in its header.
QByteArray mitVersion(const QString &name, quint32 version)
{
    QByteArray db = lesen(TestUmgebung::mitgeliefert() + name);
    for (int i = 0; i < 4; ++i)
        db[60 + i] = char(version >> (24 - 8 * i));
    return db;
}

// What a user of an earlier version has in a program directory: old copies
// of the program's databases, an address book, the application template,
// data files and a person's subdirectory. Returns the user's files with
// their contents.
QHash<QString, QByteArray> alterStand(const QString &dir)
{
    const int aktuell = Verzeichnisse::datenversion(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb"));
    schreiben(dir + QStringLiteral("drucken.mdb"), mitVersion(QStringLiteral("drucken.mdb"), 0));
    schreiben(dir + QStringLiteral("tarvik.mdb"), mitVersion(QStringLiteral("tarvik.mdb"), aktuell - 1));
    schreiben(dir + QStringLiteral("tarvik.mdb-journal"), QByteArrayLiteral("Journal der alten Kopie"));
    // A copy from a newer installation is not taken back.
    schreiben(dir + QStringLiteral("infos.mdb"), mitVersion(QStringLiteral("infos.mdb"), aktuell + 1));
    QDir().mkpath(dir + QStringLiteral("anna"));
    const QHash<QString, QByteArray> benutzer{
        {QStringLiteral("adressen.mdb"), mitVersion(QStringLiteral("adressen.mdb"), 0) + "Anna Muster"},
        {QStringLiteral("_anträge.mdb"), mitVersion(QStringLiteral("_anträge.mdb"), 0) + "eigene Vorlage"},
        {QStringLiteral("anträge.mdb"), mitVersion(QStringLiteral("_anträge.mdb"), 1) + "Belege"},
        {QStringLiteral("beihilfe.txt"), lesen(QStringLiteral(VELMORA_QUELLE "/docs/beispielantrag.txt"))},
        {QStringLiteral("arzt.txt"), QByteArrayLiteral("Dr. Muster\r\n")},
        {QStringLiteral("anna/anträge.mdb"), mitVersion(QStringLiteral("_anträge.mdb"), 1) + "Annas Belege"},
        {QStringLiteral("anna/drucken.mdb"), mitVersion(QStringLiteral("drucken.mdb"), 0)},
    };
    for (auto it = benutzer.cbegin(); it != benutzer.cend(); ++it)
        schreiben(dir + it.key(), it.value());
    return benutzer;
}
} // namespace

// A user who started an earlier version gets the installed databases at the
// next start; everything of the user's stays byte for byte.
void TestInstallation::alteKopienErneuert()
{
    const QString shipped = TestUmgebung::mitgeliefert();
    const int aktuell = Verzeichnisse::datenversion(shipped + QStringLiteral("drucken.mdb"));
    QVERIFY(aktuell > 0);
    for (const QString &name : Verzeichnisse::programmeigeneDatenbanken())
        QCOMPARE(Verzeichnisse::datenversion(shipped + name), aktuell);

    const QString dir = Verzeichnisse::benutzerverzeichnis();
    QDir().mkpath(dir);
    const QHash<QString, QByteArray> benutzer = alterStand(dir);
    QVERIFY(!QTest::currentTestFailed());
    const QByteArray neuere = lesen(dir + QStringLiteral("infos.mdb"));

    const auto hZeiger = TestUmgebung::hauptform();

    Hauptform &h = *hZeiger;
    h.starten(QString());
    QCOMPARE(h.programmverzeichnis(), dir);

    QVERIFY(lesen(dir + QStringLiteral("drucken.mdb")) == lesen(shipped + QStringLiteral("drucken.mdb")));
    QVERIFY(lesen(dir + QStringLiteral("tarvik.mdb")) == lesen(shipped + QStringLiteral("tarvik.mdb")));
    QVERIFY(!QFile::exists(dir + QStringLiteral("tarvik.mdb-journal")));
    QVERIFY(lesen(dir + QStringLiteral("infos.mdb")) == neuere);
    QVERIFY(QFileInfo(dir + QStringLiteral("drucken.mdb")).permissions().testFlag(QFile::WriteOwner));
    for (auto it = benutzer.cbegin(); it != benutzer.cend(); ++it)
        QVERIFY2(lesen(dir + it.key()) == it.value(), qPrintable(it.key()));
    QVERIFY(QDir(dir).entryList(QDir::Files).filter(QStringLiteral(".mdb.")).isEmpty());
}

// A damaged copy of the current version is replaced at the start; one that
// cannot be replaced (a folder in its place) is named in a message.
void TestInstallation::kaputteKopieErsetzt()
{
    const QString dir = Verzeichnisse::benutzerverzeichnis(), drucken = dir + QStringLiteral("drucken.mdb");
    schreiben(drucken, lesen(drucken).left(50000));
    QVERIFY(QFile::remove(dir + QStringLiteral("tarvik.mdb")) && QDir().mkpath(dir + QStringLiteral("tarvik.mdb")));
    Hauptform().starten(QString());
    QVERIFY(lesen(drucken) == lesen(TestUmgebung::mitgeliefert() + QStringLiteral("drucken.mdb")));
    QVERIFY(Dialoge::letzteMeldung().text.startsWith(QStringLiteral("tarvik.mdb")));
    QVERIFY(QDir(dir + QStringLiteral("tarvik.mdb")).removeRecursively());
}

// A program directory chosen with "Pfad" is the user's own: nothing in it
// is replaced.
void TestInstallation::pfadBleibtUnberuehrt()
{
    const QString dir = TestUmgebung::neuesVerzeichnis(QStringLiteral("pfad"));
    QHash<QString, QByteArray> vorher = alterStand(dir);
    QVERIFY(!QTest::currentTestFailed());
    for (const QString &name : Verzeichnisse::programmeigeneDatenbanken())
        vorher.insert(name, lesen(dir + name));
    vorher.insert(QStringLiteral("tarvik.mdb-journal"), lesen(dir + QStringLiteral("tarvik.mdb-journal")));
    TestUmgebung::setzeProgrammpfad(dir);

    const auto hZeiger = TestUmgebung::hauptform();

    Hauptform &h = *hZeiger;
    h.starten(QString());
    TestUmgebung::setzeProgrammpfad(QString());
    QCOMPARE(h.programmverzeichnis(), dir);
    for (auto it = vorher.cbegin(); it != vorher.cend(); ++it)
        QVERIFY2(lesen(dir + it.key()) == it.value(), qPrintable(it.key()));
}

namespace {
// Runs a program to its end; the output goes into the failure message.
bool laufen(const QString &programm, const QStringList &argumente, QString *ausgabe,
            const QProcessEnvironment &umgebung = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(umgebung);
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(programm, argumente);
    const bool fertig = p.waitForFinished(240000);
    *ausgabe = programm + u' ' + argumente.join(u' ') + u'\n' + QString::fromLocal8Bit(p.readAll());
    return fertig && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

// The Debian package as a user gets it: built from this build, unpacked, and
// its velmora-druck prints the example application from the unpacked tree
// alone (databases found relative to the program, no build folder).
void TestInstallation::paketAusgepackt()
{
    const QString quelle = QStringLiteral(VELMORA_QUELLE);
    const QString paketDir = TestUmgebung::neuesVerzeichnis(QStringLiteral("paket"));
    QString ausgabe;
    QVERIFY2(laufen(quelle + QStringLiteral("/tools/paket.sh"),
                    {QStringLiteral("--ohne-bauen"), QStringLiteral(VELMORA_BAU), paketDir}, &ausgabe),
             qPrintable(ausgabe));
    const QStringList pakete = QDir(paketDir).entryList({QStringLiteral("velmora_*_amd64.deb")}, QDir::Files);
    QCOMPARE(pakete.size(), 1);
    const QString deb = paketDir + pakete.first();

    QVERIFY2(laufen(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}, &ausgabe),
             qPrintable(ausgabe));
    for (const char *noetig : {"libqt6widgets6", "libqt6printsupport6", "libqt6sql6-sqlite", "libsqlite3-0",
                               "libpoppler-qt6-3", "libtesseract5", "tesseract-ocr-deu"})
        QVERIFY2(ausgabe.contains(QLatin1String(noetig)), qPrintable(ausgabe));

    const QString wurzel = TestUmgebung::neuesVerzeichnis(QStringLiteral("wurzel"));
    QVERIFY2(laufen(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, wurzel}, &ausgabe), qPrintable(ausgabe));
    for (const char *datei : {"usr/bin/velmora", "usr/lib/velmora/libvelmora_drucker.so",
                              "usr/lib/velmora/libvelmora_leser.so",
                              "usr/share/applications/de.velmora.Velmora.desktop",
                              "usr/share/icons/hicolor/scalable/apps/de.velmora.Velmora.svg",
                              "usr/share/metainfo/de.velmora.Velmora.metainfo.xml",
                              "usr/share/doc/velmora/copyright"})
        QVERIFY2(QFile::exists(wurzel + QLatin1String(datei)), datei);
    const QString eintrag = wurzel + QStringLiteral("usr/share/applications/de.velmora.Velmora.desktop");
    QVERIFY2(laufen(QStringLiteral("desktop-file-validate"), {eintrag}, &ausgabe), qPrintable(ausgabe));

    // A fresh user: own home, no setting "Pfad", nothing pointing at the build.
    const QString home = TestUmgebung::neuesVerzeichnis(QStringLiteral("benutzer"));
    const QString daten = TestUmgebung::neuesVerzeichnis(QStringLiteral("antrag"));
    QVERIFY(QFile::copy(quelle + QStringLiteral("/docs/beispielantrag.txt"), daten + QStringLiteral("beihilfe.txt")));
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.remove(QStringLiteral("VELMORA_SHIPPED_DIR"));
    umgebung.insert(QStringLiteral("HOME"), home);
    umgebung.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("data"));
    umgebung.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("config"));
    const QString pdf = daten + QStringLiteral("antrag.pdf");
    QVERIFY2(laufen(wurzel + QStringLiteral("usr/bin/velmora-druck"),
                    {QStringLiteral("--daten"), daten, QStringLiteral("--euro"), QStringLiteral("--erstantrag"),
                     QStringLiteral("--seite"), QStringLiteral("vorderseite-komplett"), QStringLiteral("--pdf"), pdf},
                    &ausgabe, umgebung),
             qPrintable(ausgabe));
    QFile ergebnis(pdf);
    QVERIFY(ergebnis.open(QIODevice::ReadOnly));
    QVERIFY(ergebnis.read(5) == "%PDF-");
    QVERIFY(ergebnis.size() > 10000);
}

VELMORA_TEST_MAIN(TestInstallation)
#include "TestInstallation.moc"
