#pragma once

#include <QString>

#include <optional>

// The arithmetic and number rules shared by the fee browser and the fee
// check of read invoices: one place, so both give the same cent.
class Gebuehrenregeln
{
public:
    // Euro rounded to the cent, halves away from zero.
    static double aufCentRunden(double euro);
    // The fee of one service: points x point value x factor, rounded once,
    // after the factor (GOÄ and GOZ § 5 Abs. 1).
    static double gebuehr(double punkte, double punktwertEuro, double faktor);

    // The form of a fee number used for finding it: without blanks, case
    // folded, without leading zeros ("K 1" -> "k1", "0010" -> "10",
    // "3562.H1" -> "3562.h1").
    static QString nummerSchluessel(const QString &nummer);

    // A factor as typed or printed: comma or dot as the decimal mark, no
    // grouping, above zero ("2,3", "2.3", "3"); anything else gives nothing.
    static std::optional<double> faktorLesen(const QString &text);
    // A factor in German notation with at least one decimal ("2,3", "1,0").
    static QString faktorText(double faktor);
};
