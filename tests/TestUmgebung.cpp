#include "TestUmgebung.h"

#include "shell/Registry.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QTemporaryDir *g_home = nullptr;
}

// Dialoge lives in the GUI library; core tests link without it.
void velmoraTestDialogeEinrichten() __attribute__((weak));

void TestUmgebung::einrichten()
{
    g_home = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/velmora-test-XXXXXX"));
    const QString h = g_home->path();
    for (const char *sub : {"/config", "/data", "/cache", "/runtime"})
        QDir().mkpath(h + QString::fromLatin1(sub));
    QFile::setPermissions(h + QStringLiteral("/runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", h.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (h + QStringLiteral("/config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (h + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_CACHE_HOME", (h + QStringLiteral("/cache")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (h + QStringLiteral("/runtime")).toLocal8Bit());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Registry::setDatei(h + QStringLiteral("/config/Velmora/velmora.reg"));
    if (velmoraTestDialogeEinrichten)
        velmoraTestDialogeEinrichten();
}

QString TestUmgebung::basis()
{
    return g_home ? g_home->path() : QDir::tempPath();
}

QString TestUmgebung::neuesVerzeichnis(const QString &name)
{
    static int n = 0;
    const QString p = basis() + QStringLiteral("/%1-%2").arg(name).arg(++n);
    QDir().mkpath(p);
    return p + u'/';
}

QString TestUmgebung::testdaten(const QString &relativ)
{
    return qEnvironmentVariable("VELMORA_TESTDATA") + u'/' + relativ;
}

QString TestUmgebung::mitgeliefert()
{
    QString d = qEnvironmentVariable("VELMORA_SHIPPED_DIR");
    if (!d.endsWith(u'/'))
        d += u'/';
    return d;
}

QString TestUmgebung::programmverzeichnis(const QString &name)
{
    const QString dir = neuesVerzeichnis(name);
    for (const QString &db : QDir(mitgeliefert()).entryList(QDir::Files)) {
        QFile::copy(mitgeliefert() + db, dir + db);
        QFile::setPermissions(dir + db, QFile::ReadOwner | QFile::WriteOwner);
    }
    return dir;
}

void TestUmgebung::setzeProgrammpfad(const QString &verzeichnis)
{
    const QString schluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
    Registry::Schluessel_anlegen(Registry::HKEY_LOCAL_MACHINE, schluessel);
    QString ohneTrenner = verzeichnis;
    if (ohneTrenner.endsWith(u'/'))
        ohneTrenner.chop(1);
    const QByteArray bytes = ohneTrenner.toUtf8();
    Registry::Wert_setzen(Registry::HKEY_LOCAL_MACHINE, schluessel, QStringLiteral("Pfad"), Registry::Text, bytes,
                          int(bytes.size()));
}
