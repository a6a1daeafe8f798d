#pragma once

#include "receipts/Beleg.h"

#include <QString>

#include <optional>

namespace receipts {

// Checks the fee lines of an invoice against the fee schedules of
// tarvik.mdb and the rules of the fee laws: per line at most one finding,
// the most serious; summe-falsch for the invoice as a whole.
class Gebuehrenpruefung
{
public:
    Gebuehrenpruefung();
    ~Gebuehrenpruefung();
    Gebuehrenpruefung(const Gebuehrenpruefung &) = delete;
    Gebuehrenpruefung &operator=(const Gebuehrenpruefung &) = delete;

    // Loads points, sections, keys, point values and the healing
    // practitioners' maxima. False with a German reason when it cannot.
    bool laden(const QString &tarvikPfad, QString *fehler);

    // The findings for the lines of beleg (its befunde are not read).
    QList<Befund> pruefen(const Beleg &beleg) const;

    // Whether a number stands in a schedule (after the same matching the
    // fee browser uses: case, blanks, leading zeros).
    bool bekannt(Gebuehrenordnung ordnung, const QString &nummer) const;

private:
    std::optional<Befund> zeilePruefen(const Rechnungszeile &zeile) const;
    std::optional<Befund> summePruefen(const Beleg &beleg) const;

    struct Daten;
    Daten *m_daten;
};

} // namespace receipts
