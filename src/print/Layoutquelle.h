#pragma once

#include "print/Layoutzeile.h"

#include <QString>
#include <optional>

// Reads the rows of one layout from the print-layout database, ordered by
// kind and top edge.
class Layoutquelle
{
public:
    static inline const QString Tabelle = QStringLiteral("Antragsdruck");
    static inline const QString TabelleEuro = QStringLiteral("AntragsdruckEuro");

    // Nothing (and the reason in fehler) when the database cannot be opened
    // or read; an empty layout when no row has the name.
    static std::optional<Layout> lesen(const QString &datenbankpfad, const QString &name, bool euro,
                                       QString *fehler = nullptr);
};
