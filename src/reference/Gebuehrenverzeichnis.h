#pragma once

#include "reference/Gebuehr.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The rows of one fee schedule, read from the fee database in the schedule's
// order, with the searches of the fee browser. Every search takes the typed
// text as plain data.
class Gebuehrenverzeichnis
{
public:
    // Reads the rows whose GO equals code; an empty code reads all schedules.
    // On failure the list is empty and the error text filled.
    bool laden(const QString &datenbankpfad, const QString &code, QString *fehler = nullptr);

    int anzahl() const { return int(m_zeilen.size()); }
    bool istLeer() const { return m_zeilen.isEmpty(); }
    const Gebuehr &zeile(int i) const { return m_zeilen.at(i); }

    // The row with this number, matched without regard to case, blanks and
    // leading zeros ("k 1" finds "K 1", "10" finds "0010"); a number that
    // stands several times is reached as "11.2/2" for its second row, and
    // plainly for its first. -1 when there is none.
    int nummerSuchen(const QString &nummer) const;
    // The number as shown and listed: with "/n" when it stands several times.
    QString anzeigeNummer(int i) const;
    // The next row after (vorwaerts) or before the row von whose service text
    // contains text, ignoring case; -1 when there is none.
    int textSuchen(const QString &text, int von, bool vorwaerts) const;

private:
    QVector<Gebuehr> m_zeilen;
    QStringList m_gefaltet; // service texts, case-folded, for the text search
    QStringList m_anzeige;  // numbers as shown, see anzeigeNummer()
};
