#pragma once

#include "print/Katalogeintrag.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantHash>

// The form kinds of the print-layout database (table Formulare).
class Formularkatalog
{
public:
    static inline const QString Dateiname = QStringLiteral("drucken.mdb");

    // All rows, ordered by Name; empty when the database cannot be read.
    // The start reads them once for both the list and the chosen entry.
    static QList<QVariantHash> zeilen(const QString &datenbankpfad);

    // One entry per row, "Name;Beschreibung", ordered by Name. Empty when the
    // database cannot be read.
    static QStringList formularliste(const QString &datenbankpfad);
    static QStringList formularliste(const QList<QVariantHash> &zeilen);
    // Loads the row of the form kind into the entry. The entry is not cleared
    // first: a database that cannot be read, a name that matches no row or a
    // Null column keep what the entry held. Returns whether a row was found.
    static bool Formulare_laden(const QString &datenbankpfad, const QString &name, Katalogeintrag &eintrag);
    static bool Formulare_laden(const QList<QVariantHash> &zeilen, const QString &name, Katalogeintrag &eintrag);

    // Whether the file is a print-layout database at all: a SQLite file with
    // the tables of the form kinds and the layouts. False and the reason
    // (German) for a file that is damaged, foreign or not there.
    static bool lesbar(const QString &datenbankpfad, QString *grund = nullptr);
    // The message for a print-layout database that is missing or damaged.
    static QString unlesbarMeldung(const QString &datenbankpfad, const QString &grund);
};
