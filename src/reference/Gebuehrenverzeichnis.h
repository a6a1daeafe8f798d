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

    // First row with exactly this number, or -1.
    int nummerSuchen(const QString &nummer) const;
    // The next row after (vorwaerts) or before the row von whose service text
    // contains text, ignoring case; -1 when there is none.
    int textSuchen(const QString &text, int von, bool vorwaerts) const;

private:
    QVector<Gebuehr> m_zeilen;
    QStringList m_gefaltet; // service texts, case-folded, for the text search
};
