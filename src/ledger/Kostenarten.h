#pragma once

#include <QStringList>

// The two cost-type lists of the receipt entry; each entry reads
// "code;description".
class Kostenarten
{
public:
    static const QStringList &allgemein();
    static const QStringList &lbv();
    // The list for a form kind: the LBV list when its name begins with "LBV".
    static const QStringList &fuer(const QString &formularart);
    static bool istLbv(const QString &formularart) { return formularart.startsWith(QLatin1String("LBV")); }
};
