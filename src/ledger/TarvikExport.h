#pragma once

#include "ledger/Rechnungspositionen.h"

// The export file for Tarvik: Windows-1252 text, every line ended by CR LF.
class TarvikExport
{
public:
    struct Kopf
    {
        QString Personalnummer;
        QString Name;
        QString Vorname;
        QString Geburtsdatum;
        QString Antragsdatum;
        QString AbschlagDatum;
        QString AbschlagHoehe;
    };
    // The whole file as text (CR LF line ends).
    static QString text(const Kopf &kopf, const Rechnungspositionen &tabelle);
    // Writes the file; nothing for an empty table (returns false).
    static bool schreiben(const QString &pfad, const Kopf &kopf, const Rechnungspositionen &tabelle,
                          QString *fehler = nullptr);
};
