#pragma once

#include <QSet>
#include <QString>

// The pictures of the receipts: each invoice file is kept once in the data
// directory's folder "belege", named by the SHA-256 of its content and its
// kind ("<hash>.pdf"), so the same file read twice is stored once.
class Belegablage
{
public:
    static inline const QString Ordner = QStringLiteral("belege");
    // Larger files are refused.
    static constexpr qint64 GroessteDatei = 64LL * 1024 * 1024;

    // The folder (ending in "/") below a data directory.
    static QString ordner(const QString &datenverzeichnis);
    // The full path of a stored picture.
    static QString pfad(const QString &datenverzeichnis, const QString &name);

    // Stores a copy of the file (written atomically, nothing written when it
    // is there already) and returns its name in the folder; empty with a
    // German reason in *fehler when the file cannot be read or stored.
    static QString ablegen(const QString &datenverzeichnis, const QString &datei, QString *fehler = nullptr);

    // Removes the stored pictures that no application in the database and
    // none of inBenutzung refers to. Returns how many went; nothing is
    // removed when the database cannot be read.
    static int aufraeumen(const QString &datenverzeichnis, const QString &datenbankpfad,
                          const QSet<QString> &inBenutzung);
};
