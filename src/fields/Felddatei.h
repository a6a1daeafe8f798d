#pragma once

#include "fields/Feldtabelle.h"

#include <QString>

// The field file "beihilfe.txt": first line the form kind, then one line
// name:=value per field, then "---Ende---". Read as UTF-8 when the file is
// valid UTF-8 and as Windows-1252 otherwise; written as UTF-8, CR LF, with
// every line break inside a value written as a blank.
class Felddatei
{
public:
    static inline const QString Dateiname = QStringLiteral("beihilfe.txt");

    struct Inhalt
    {
        QString formularart;
        Feldtabelle tabelle;
    };

    // Parses the text of a field file. Never fails.
    static Inhalt parse(const QString &text);
    // The first item of a line the way a comma-separated input reads it.
    static QString erstesElement(const QString &zeile, QString *rest = nullptr);
    static QString serialize(const QString &formularart, const Feldtabelle &tabelle);

    // Reads the file; false when it cannot be opened (the table stays empty).
    static bool lesen(const QString &pfad, Inhalt *inhalt);
    // Writes the whole file atomically; false and an error text on failure.
    static bool schreiben(const QString &pfad, const QString &formularart, const Feldtabelle &tabelle,
                          QString *fehler = nullptr);
};
