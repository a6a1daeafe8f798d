#pragma once

#include <QList>
#include <QString>
#include <optional>

// One of the three fee schedules the browser shows: its code in the table
// Gebühren, the heading, the point values and the area of its laws.
struct Gebuehrenparameter
{
    QString code;         // "Ä", "Z" or "Y"
    QString titel;        // heading and caption of the menu button
    QString punktwertEuro; // German decimal text
    QString punktwertDm;
    int gesetzesbereich = 0; // Bereich of the table Gesetze

    static const QList<Gebuehrenparameter> &alle();
    static std::optional<Gebuehrenparameter> zuCode(const QString &code);
    // A point value as written here ("0,0582873"), read in German notation.
    static double punktwert(const QString &text);
};
