#pragma once

#include <QStringList>
#include <QVariant>

// The ten areas of the remedies catalogue and how its amounts are shown.
class Heilbehandlungsbereiche
{
public:
    static const QStringList &alle(); // list position = area number - 1
    // The list position of an area number, -1 when it is not 1 to 10.
    static int position(const QVariant &bereich);
    // An amount of the catalogue as shown ("#,##0.00"); empty for an item
    // without an amount.
    static QString betrag(const QVariant &wert);
};
