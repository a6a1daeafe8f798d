#pragma once

#include <QString>

// The amounts of one fee number: points x point value x factor, each rounded
// to the cent once, after the factor.
class Gebuehrenrechner
{
public:
    struct Ergebnis
    {
        QString einfachwert;   // "#,##0.00"
        QString faktor;        // threshold factor, plain German number
        QString schwellenwert; // "#,##0.00"
        QString manuellwert;   // "#,##0.00", empty when the typed factor is none (see Gebuehrenregeln::faktorLesen)
    };

    // Threshold factor of a key: b 2.3, e 1.0, l 1.8, m 1.15; anything else 0.
    static double schwellenfaktor(const QString &schluessel);
    // Dentists' amounts in DM are lowered by this before rounding.
    static constexpr double DmKorrekturGoz = 0.0049;

    static Ergebnis berechnen(const QString &code, bool dm, double punkte, double punktwert,
                              const QString &schluessel, const QString &manuellerFaktor);
};
