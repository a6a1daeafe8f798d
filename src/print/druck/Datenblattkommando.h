#pragma once

#include <QString>

// velmora-druck --seite datenblatt --person N: the private-insurance data
// sheet of person N (0 applicant, 1 spouse, 2-6 the children) from the field
// file and that person's memo file in the data directory.
class Datenblattkommando
{
public:
    // All pages into one PDF file, or pictures: the first page into png, a
    // further one into png's name with "-2", "-3" ... Returns the exit code;
    // messages (German, ending in a line break) go into meldung.
    static int ausfuehren(const QString &datenverzeichnis, const QString &person, const QString &pdf,
                          const QString &png, int dpi, QString *meldung);
};
