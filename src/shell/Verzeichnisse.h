#pragma once

#include <QString>
#include <QStringList>

// Program directory, data directory and the command line that chooses it.
// Both directories are prefixes: empty, or ending in "/".
class Verzeichnisse
{
public:
    struct Befehlszeile
    {
        bool multiuser = false;
        QString datenverzeichnis; // already completed with "/" where not empty
    };

    // The program directory from the setting "Pfad": the setting with "/"
    // appended, or the per-user directory when the setting is empty.
    static QString programmverzeichnis(const QString &pfadEinstellung);
    // $XDG_DATA_HOME/Velmora/
    static QString benutzerverzeichnis();
    // Where the build or the installation put the shipped databases.
    static QString mitgeliefertesVerzeichnis();
    static QStringList mitgelieferteDatenbanken();
    // The program's own read-only databases among them: they carry a data
    // version, and a newer installation replaces older copies.
    static QStringList programmeigeneDatenbanken();
    // The data version stamped into a database by the build (SQLite's
    // user_version): 0 for a file without one (also for a file that is no
    // database), -1 when the file is missing or cannot be read.
    static int datenversion(const QString &datei);
    // Whether a copy of one of the program's own databases can be used: it
    // passes SQLite's quick check and has the tables the program reads.
    static bool intakt(const QString &datei);
    // Creates dir and copies in every shipped database it does not have yet.
    // Of the program's own databases, a copy with an older or no data version,
    // or one that is damaged, is replaced atomically by the installed one;
    // every other file (address book, application template, data) is never
    // touched. False, with one line per file, when a copy stays as it was.
    static bool einrichten(const QString &verzeichnis, QString *fehler = nullptr);
    // Makes sure the data directory has its application database "anträge.mdb":
    // when it is missing, it is copied from the empty template "_anträge.mdb"
    // of the program directory (or of the shipped databases). True when the
    // file is there afterwards; an existing file is never touched.
    static bool antragsdatenbankBereitstellen(const QString &datenverzeichnis, const QString &programmverzeichnis,
                                              QString *fehler = nullptr);

    // Evaluates the command line (one exact, case-sensitive string) as the
    // data directory choice; programmverzeichnis is the start value.
    static Befehlszeile befehlszeileAuswerten(const QString &befehlszeile, const QString &programmverzeichnis);
    static QString mitTrenner(const QString &verzeichnis);
    static QString disketteVerzeichnis() { return QStringLiteral("/media/floppy/"); }
};
