#include "ledger/Belegablage.h"

#include "ledger/Antragsdatenbank.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {
bool scheitern(QString *fehler, const QString &text)
{
    if (fehler)
        *fehler = text;
    return false;
}

// Stored names are "<64 hex digits>.<suffix>"; anything else in the folder
// is left alone.
bool istAblagename(const QString &name)
{
    const int punkt = name.indexOf(u'.');
    if (punkt != 64)
        return false;
    for (int i = 0; i < 64; ++i)
        if (!QChar(name.at(i)).isDigit() && !(name.at(i) >= u'a' && name.at(i) <= u'f'))
            return false;
    return true;
}
} // namespace

QString Belegablage::ordner(const QString &datenverzeichnis)
{
    QString d = datenverzeichnis;
    if (!d.isEmpty() && !d.endsWith(u'/') && !d.endsWith(u'\\'))
        d += u'/';
    return d + Ordner + u'/';
}

QString Belegablage::pfad(const QString &datenverzeichnis, const QString &name)
{
    return ordner(datenverzeichnis) + name;
}

QString Belegablage::ablegen(const QString &datenverzeichnis, const QString &datei, QString *fehler)
{
    const QFileInfo info(datei);
    QFile quelle(datei);
    if (!info.isFile() || !quelle.open(QIODevice::ReadOnly)) {
        scheitern(fehler, QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(info.fileName()));
        return {};
    }
    if (quelle.size() > GroessteDatei) {
        scheitern(fehler, QStringLiteral("Die Datei %1 ist zu groß (mehr als %2 MB).")
                              .arg(info.fileName())
                              .arg(GroessteDatei / (1024 * 1024)));
        return {};
    }
    const QByteArray inhalt = quelle.readAll();
    const QString endung = info.suffix().toLower();
    const QString name = QString::fromLatin1(QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256).toHex())
                         + u'.' + (endung.isEmpty() ? QStringLiteral("bin") : endung);
    const QString ziel = pfad(datenverzeichnis, name);
    if (QFileInfo(ziel).size() == inhalt.size())
        return name; // stored before
    if (!QDir().mkpath(ordner(datenverzeichnis))) {
        scheitern(fehler, QStringLiteral("Der Ordner %1 kann nicht angelegt werden.")
                              .arg(QDir::toNativeSeparators(ordner(datenverzeichnis))));
        return {};
    }
    QSaveFile aus(ziel);
    if (!aus.open(QIODevice::WriteOnly) || aus.write(inhalt) != inhalt.size() || !aus.commit()) {
        scheitern(fehler, QStringLiteral("Das Bild des Belegs kann nicht gespeichert werden: %1").arg(aus.errorString()));
        return {};
    }
    return name;
}

int Belegablage::aufraeumen(const QString &datenverzeichnis, const QString &datenbankpfad,
                            const QSet<QString> &inBenutzung)
{
    bool gelesen = false;
    const auto verweise = Antragsdatenbank::belegverweise(datenbankpfad, {}, &gelesen);
    if (!gelesen)
        return 0;
    QSet<QString> benutzt = inBenutzung;
    for (const auto &v : verweise)
        benutzt.insert(v.datei);
    int entfernt = 0;
    const QDir d(ordner(datenverzeichnis));
    for (const QString &name : d.entryList(QDir::Files)) {
        if (istAblagename(name) && !benutzt.contains(name) && QFile::remove(d.filePath(name)))
            ++entfernt;
    }
    return entfernt;
}
