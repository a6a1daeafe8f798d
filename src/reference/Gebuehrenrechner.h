#pragma once

#include <QString>

// The amounts of one fee number. The threshold and manual amounts start from
// the simple amount as shown (rounded to the cent), not from the exact product.
class Gebuehrenrechner
{
public:
    struct Ergebnis
    {
        QString einfachwert;   // "#,##0.00"
        QString faktor;        // threshold factor, plain German number
        QString schwellenwert; // "#,##0.00"
        QString manuellwert;   // "#,##0.00", empty when the factor is no number
    };

    // Threshold factor of a key: b 2.3, e 1.0, l 1.8, m 1.15; anything else 0.
    static double schwellenfaktor(const QString &schluessel);
    // Dentists' amounts in DM are lowered by this before rounding.
    static constexpr double DmKorrekturGoz = 0.0049;

    static Ergebnis berechnen(const QString &code, bool dm, double punkte, double punktwert,
                              const QString &schluessel, const QString &manuellerFaktor);
};
