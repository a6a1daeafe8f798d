#pragma once

#include <QString>

// The header of one application as the ledger window's header fields hold it.
struct Antragskopf
{
    QString Antragsdatum;
    QString Unternummer;
    QString Bemerkungen;
    QString eingereichtam;
    QString zurueckerhalten;
    QString AbschlagDatum;
    QString AbschlagHoehe;
    bool AEuro = false;
    bool Pflegeantrag = false;

    bool operator==(const Antragskopf &o) const = default;
};
