#pragma once

#include "receipts/Beleg.h"

#include <QList>
#include <QString>

#include <optional>

// The text of an invoice as the reader hands it to the parser: words with
// their boxes, grouped into lines. Positions are in thousandths of the page
// width (x and y alike), so text layers and scans of any resolution compare.
namespace receipts {

struct Textwort
{
    QString text;
    double links = 0, oben = 0, rechts = 0, unten = 0;
};

struct Textzeile
{
    int seite = 1;                 // counted from 1
    QList<Textwort> woerter;       // left to right
    double oben = 0, unten = 0;
    QString text() const;          // the words joined by blanks
};

// Groups the words of one page into lines: words whose vertical middles lie
// within each other's height belong together; lines top to bottom.
QList<Textzeile> zeilenBilden(int seite, QList<Textwort> woerter);

// The text-to-invoice step: head values, fee lines and totals from the
// lines of all pages. A pure function; quelle, girocode and befunde stay
// untouched.
void rechnungAuswerten(const QList<Textzeile> &zeilen, Beleg *beleg);

// IBAN without blanks, upper case, when its country length and its mod-97
// check digits hold; empty otherwise.
QString ibanPruefen(const QString &text);

// The content of a GiroCode (EPC QR code, "BCD" ... "SCT").
struct GiroCodeInhalt
{
    QString empfaenger;
    QString iban;                  // checked; empty when the check digits fail
    std::optional<double> betrag;
    QString verwendungszweck;
};
std::optional<GiroCodeInhalt> giroCodeAuswerten(const QString &inhalt);

} // namespace receipts
