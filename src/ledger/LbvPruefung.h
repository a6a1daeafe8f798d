#pragma once

#include "ledger/Rechnungspositionen.h"

// The capacity check of the printed LBV form: lines per cost-type group and
// person.
class LbvPruefung
{
public:
    static constexpr int Gruppen = 10;
    static int zeilen(int gruppe); // 1..10
    // Group 1..10 of a receipt, 0 when it belongs to none.
    static int gruppe(const Rechnungsposition &r);
    // The report lines (each ending in CR LF); empty when all fits, when the
    // table is empty or the form kind is no LBV form.
    static QString bericht(const Rechnungspositionen &tabelle, const QString &formularart);
    // The whole message for a non-empty report.
    static QString meldung(const QString &bericht);
};
