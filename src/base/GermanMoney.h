#pragma once

#include <QString>
#include <optional>

// Amounts in German notation. Formatting follows "#,##0.00" (1.234,56),
// halves of a cent rounded away from zero on the decimal value the user sees;
// reading accepts "1.234,56", "1234,56", "12", "-3,5".
class GermanMoney
{
public:
    static QString format(double value);
    static std::optional<double> parse(const QString &text);
    // The number in a text field; empty or unreadable text gives 0.
    static double value(const QString &text) { return parse(text).value_or(0.0); }
    static bool isNumber(const QString &text) { return parse(text).has_value(); }
    // Decimal text in German notation with as many decimals as needed ("12,5").
    static QString plain(double value);

    static constexpr double DmPerEuro = 1.95583;
};
