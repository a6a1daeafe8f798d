#pragma once

#include "ledger/Rechnungspositionen.h"

#include <QList>
#include <QPair>
#include <QStringList>
#include <array>

// The totals of the receipt table: sums per receipt currency, per person and
// per LBV range, converted into the application currency. The sums stay
// unrounded; only the texts are formatted.
class Summen
{
public:
    enum Waehrung { DM = 0, Euro = 1 };
    enum Bereich { ErsteZweiGruppen = 0, AlleGruppen = 1 };

    // Runs over the whole table. antragInEuro: the application currency.
    static Summen einlesen(const Rechnungspositionen &tabelle, bool antragInEuro);

    // One list row: Beleg, Datum, Empf., Art, Rechnung, Versicherungen,
    // currency, Arzt.
    static QStringList listenzeile(const Rechnungsposition &r);

    bool leer = true;
    int anzahl = 0;
    bool antragInEuro = false;
    // [currency] of the receipts, unconverted.
    std::array<double, 2> rechnung{};
    std::array<double, 2> versicherung{};
    // [person 1..3 -> 0..2][range][currency], unconverted.
    double personRechnung[3][2][2] = {};
    double personVersicherung[3][2][2] = {};

    // Totals in one currency from a pair of unconverted sums.
    static double gesamt(double dm, double euro, Waehrung in);
    double rechnungGesamt(Waehrung in) const { return gesamt(rechnung[DM], rechnung[Euro], in); }
    double versicherungGesamt(Waehrung in) const { return gesamt(versicherung[DM], versicherung[Euro], in); }

    // The summary line of the ledger window.
    QString infozeile() const;
    static QString leereInfozeile() { return QStringLiteral("Keine Aufwendungen erfasst !"); }

    // The shared field controls of the main window (objectName, text) that
    // the totals fill. With an empty table only the two grand totals, reset
    // to "0".
    QList<QPair<QString, QString>> felder() const;
};
