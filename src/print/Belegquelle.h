#pragma once

#include <QString>

// What the list rows (kinds 41-43) of the expense pages need of the receipts:
// how many there are, which block the page holds, and one value per receipt.
// The expense print dialog implements it.
class Belegquelle
{
public:
    static inline const QString Auslassung = QStringLiteral("~");

    virtual ~Belegquelle() = default;
    // Receipts of the application.
    virtual int Belegeanzahl() const = 0;
    // The receipt numbers the page prints, first and last (1-based).
    virtual int ersterBeleg() const = 0;
    virtual int letzterBeleg() const = 0;
    // The value of the attribute for the receipt, or "~" to pass it over.
    virtual QString Aufwendungswert(const QString &name, int nummer) const = 0;
};
