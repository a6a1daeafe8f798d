#include "shell/Verzeichnisse.h"

#include "shell/Datenbank.h"
#include "shell/Datensatz.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>

namespace {
constexpr auto kRechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;

// Writes a copy of quelle as ziel in one step: readers see the old file (or
// none) or the new one, never half of one. A journal left behind by an old
// file would be rolled back into the new one, so it goes too. The copy stays
// writable for the user, though the installed file is read-only.
bool ersetzen(const QString &quelle, const QString &ziel)
{
    QFile ein(quelle);
    if (!ein.open(QIODevice::ReadOnly))
        return false;
    // The program's own copy, though the user may have made it read-only.
    if (QFileInfo(ziel).isFile())
        QFile::setPermissions(ziel, QFile::permissions(ziel) | QFile::WriteOwner);
    QSaveFile aus(ziel);
    if (!aus.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!(block = ein.read(1 << 16)).isEmpty()) {
        if (aus.write(block) != block.size()) {
            aus.cancelWriting();
            break;
        }
    }
    if (ein.error() != QFile::NoError)
        aus.cancelWriting();
    for (const char *rest : {"-journal", "-wal", "-shm"})
        QFile::remove(ziel + QLatin1String(rest));
    if (!aus.commit())
        return false;
    QFile::setPermissions(ziel, kRechte);
    return true;
}
} // namespace

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

QStringList Verzeichnisse::programmeigeneDatenbanken()
{
    return {QStringLiteral("drucken.mdb"), QStringLiteral("tarvik.mdb"), QStringLiteral("infos.mdb")};
}

int Verzeichnisse::datenversion(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    // The database header: the magic string, the user_version at offset 60
    // (four bytes, big-endian).
    const QByteArray kopf = f.read(64);
    if (kopf.size() < 64 || !kopf.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        return 0;
    const auto *b = reinterpret_cast<const uchar *>(kopf.constData()) + 60;
    return int((quint32(b[0]) << 24) | (quint32(b[1]) << 16) | (quint32(b[2]) << 8) | quint32(b[3]));
}

bool Verzeichnisse::intakt(const QString &datei)
{
    static const QHash<QString, QStringList> tabellen = {
        {QStringLiteral("drucken.mdb"),
         {QStringLiteral("Formulare"), QStringLiteral("Antragsdruck"), QStringLiteral("AntragsdruckEuro")}},
        {QStringLiteral("tarvik.mdb"),
         {QStringLiteral("Gebühren"), QStringLiteral("Anmerkungen"), QStringLiteral("Gesetze"),
          QStringLiteral("Heilbehandlungen")}},
        {QStringLiteral("infos.mdb"), {QStringLiteral("Informationen"), QStringLiteral("Kurorteverzeichnis")}},
    };
    Datenbank db;
    if (!db.oeffnen(datei, Datenbank::Modus::NurLesen))
        return false;
    const Datensatz pruefung = db.abfrage(QStringLiteral("pragma quick_check"));
    if (!pruefung.istGueltig() || pruefung.anzahl() != 1
        || pruefung.wert(0, pruefung.spalten().value(0)).toString() != QLatin1String("ok"))
        return false;
    for (const QString &t : tabellen.value(QFileInfo(datei).fileName()))
        if (!db.hatTabelle(t))
            return false;
    return true;
}

bool Verzeichnisse::einrichten(const QString &verzeichnis, QString *fehler)
{
    if (!QDir().mkpath(verzeichnis)) {
        if (fehler)
            *fehler = QStringLiteral("Das Verzeichnis %1 kann nicht angelegt werden.").arg(verzeichnis);
        return false;
    }
    const QString quelle = mitgeliefertesVerzeichnis();
    const QStringList eigene = programmeigeneDatenbanken();
    QStringList gescheitert;
    for (const QString &name : mitgelieferteDatenbanken()) {
        const QString ziel = verzeichnis + name;
        if (!QFileInfo::exists(quelle + name))
            continue;
        const bool vorhanden = QFileInfo::exists(ziel);
        if (vorhanden && !eigene.contains(name))
            continue;
        if (vorhanden && datenversion(ziel) >= datenversion(quelle + name) && intakt(ziel))
            continue;
        // Written in one step, so an interrupted copy never passes for a
        // complete database of the current version.
        if (!ersetzen(quelle + name, ziel))
            gescheitert << (vorhanden ? QStringLiteral("%1 in %2 ist veraltet oder beschädigt und kann nicht "
                                                       "erneuert werden.")
                                      : QStringLiteral("%1 kann nicht nach %2 kopiert werden."))
                                .arg(name, QDir::toNativeSeparators(verzeichnis));
    }
    if (fehler && !gescheitert.isEmpty())
        *fehler = gescheitert.join(u'\n');
    return gescheitert.isEmpty();
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
