// What an installed program needs beyond its windows: Qt's German standard
// dialogs and the upgrade of the shipped read-only databases.
#include "TestUmgebung.h"

#include "app/QtUebersetzung.h"
#include "shell/Dialoge.h"
#include "shell/Hauptform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
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

    Hauptform h;
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
    for (const char *noetig : {"libqt6widgets6", "libqt6printsupport6", "libqt6sql6-sqlite", "libsqlite3-0"})
        QVERIFY2(ausgabe.contains(QLatin1String(noetig)), qPrintable(ausgabe));

    const QString wurzel = TestUmgebung::neuesVerzeichnis(QStringLiteral("wurzel"));
    QVERIFY2(laufen(QStringLiteral("dpkg-deb"), {QStringLiteral("-x"), deb, wurzel}, &ausgabe), qPrintable(ausgabe));
    for (const char *datei : {"usr/bin/velmora", "usr/share/applications/de.velmora.Velmora.desktop",
                              "usr/share/icons/hicolor/scalable/apps/de.velmora.Velmora.svg",
                              "usr/share/metainfo/de.velmora.Velmora.metainfo.xml"})
        QVERIFY2(QFile::exists(wurzel + QLatin1String(datei)), datei);

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
