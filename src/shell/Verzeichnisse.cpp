#include "shell/Verzeichnisse.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

QString Verzeichnisse::programmverzeichnis(const QString &pfadEinstellung)
{
    if (pfadEinstellung.isEmpty())
        return benutzerverzeichnis();
    return pfadEinstellung + u'/';
}

QString Verzeichnisse::benutzerverzeichnis()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Velmora/");
}

QString Verzeichnisse::mitgeliefertesVerzeichnis()
{
    const QByteArray env = qgetenv("VELMORA_SHIPPED_DIR");
    if (!env.isEmpty())
        return mitTrenner(QString::fromLocal8Bit(env));
    const QString app = QCoreApplication::applicationDirPath();
    for (const QString &kandidat : {app + QStringLiteral("/../share/velmora"), app}) {
        if (QFileInfo::exists(kandidat + QStringLiteral("/drucken.mdb")))
            return QDir::cleanPath(kandidat) + u'/';
    }
    return QDir::cleanPath(app + QStringLiteral("/../share/velmora")) + u'/';
}

QStringList Verzeichnisse::mitgelieferteDatenbanken()
{
    return {QStringLiteral("drucken.mdb"), QStringLiteral("tarvik.mdb"), QStringLiteral("infos.mdb"),
            QStringLiteral("adressen.mdb"), QStringLiteral("_anträge.mdb")};
}

bool Verzeichnisse::einrichten(const QString &verzeichnis, QString *fehler)
{
    if (!QDir().mkpath(verzeichnis)) {
        if (fehler)
            *fehler = QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(verzeichnis);
        return false;
    }
    const QString quelle = mitgeliefertesVerzeichnis();
    bool ok = true;
    for (const QString &name : mitgelieferteDatenbanken()) {
        const QString ziel = verzeichnis + name;
        if (QFileInfo::exists(ziel) || !QFileInfo::exists(quelle + name))
            continue;
        if (!QFile::copy(quelle + name, ziel)) {
            ok = false;
            if (fehler)
                *fehler = QStringLiteral("%1 kann nicht nach %2 kopiert werden.").arg(name, verzeichnis);
            continue;
        }
        // Copies of read-only build outputs must stay writable for the user.
        QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return ok;
}

bool Verzeichnisse::antragsdatenbankBereitstellen(const QString &datenverzeichnis,
                                                  const QString &programmverzeichnis, QString *fehler)
{
    const QString ziel = datenverzeichnis + QStringLiteral("anträge.mdb");
    if (QFileInfo::exists(ziel))
        return true;
    const QString vorlageName = QStringLiteral("_anträge.mdb");
    QString vorlage = programmverzeichnis + vorlageName;
    if (!QFileInfo::exists(vorlage))
        vorlage = mitgeliefertesVerzeichnis() + vorlageName;
    auto scheitern = [&](const QString &grund) {
        if (fehler)
            *fehler = grund;
        return false;
    };
    if (!QFileInfo::exists(vorlage))
        return scheitern(QStringLiteral("Die leere Vorlage %1 fehlt.")
                             .arg(QDir::toNativeSeparators(QFileInfo(programmverzeichnis + vorlageName)
                                                               .absoluteFilePath())));
    if (!QFileInfo(datenverzeichnis.isEmpty() ? QStringLiteral(".") : datenverzeichnis).isDir())
        return scheitern(QStringLiteral("Das Datenverzeichnis %1 gibt es nicht.")
                             .arg(QDir::toNativeSeparators(datenverzeichnis)));
    // Copied under a temporary name first, so a half-copied file never
    // passes for the application database.
    const QString zwischen = ziel + QStringLiteral(".neu");
    QFile::remove(zwischen);
    if (!QFile::copy(vorlage, zwischen) || !QFile::rename(zwischen, ziel)) {
        QFile::remove(zwischen);
        return scheitern(QStringLiteral("Die Datei %1 kann nicht angelegt werden.")
                             .arg(QDir::toNativeSeparators(QFileInfo(ziel).absoluteFilePath())));
    }
    QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    return true;
}

Verzeichnisse::Befehlszeile Verzeichnisse::befehlszeileAuswerten(const QString &befehlszeile,
                                                               const QString &programmverzeichnis)
{
    Befehlszeile b;
    b.datenverzeichnis = programmverzeichnis;
    if (!befehlszeile.isEmpty())
        b.datenverzeichnis = befehlszeile;
    if (befehlszeile == QLatin1String("/multiuser")) {
        b.datenverzeichnis.clear();
        b.multiuser = true;
        return b; // the caller completes the directory after the dialog
    }
    if (befehlszeile == QLatin1String("/diskette"))
        b.datenverzeichnis = disketteVerzeichnis();
    if (befehlszeile.left(6) == QLatin1String("/pfad:"))
        b.datenverzeichnis = befehlszeile.mid(6);
    b.datenverzeichnis = mitTrenner(b.datenverzeichnis);
    return b;
}

QString Verzeichnisse::mitTrenner(const QString &verzeichnis)
{
    if (verzeichnis.isEmpty() || verzeichnis.endsWith(u'/'))
        return verzeichnis;
    return verzeichnis + u'/';
}
