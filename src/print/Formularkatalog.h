#pragma once

#include "print/Katalogeintrag.h"

#include <QString>
#include <QStringList>

// The form kinds of the print-layout database (table Formulare).
class Formularkatalog
{
public:
    static inline const QString Dateiname = QStringLiteral("drucken.mdb");

    // One entry per row, "Name;Beschreibung", ordered by Name. Empty when the
    // database cannot be read.
    static QStringList formularliste(const QString &datenbankpfad);
    // Loads the row of the form kind into the entry. The entry is not cleared
    // first: a database that cannot be read, a name that matches no row or a
    // Null column keep what the entry held. Returns whether a row was found.
    static bool Formulare_laden(const QString &datenbankpfad, const QString &name, Katalogeintrag &eintrag);
};
