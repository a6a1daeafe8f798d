#pragma once

#include <QDate>
#include <QString>
#include <QVector>

// What the Beihilfe is expected to refund for one receipt: the person's
// rate of the amount that counts (the invoice less what the fee check took
// off), but never so much that Beihilfe and insurance together exceed the
// invoice. Amounts in the receipt's own currency, rounded to cents.
class Erstattungserwartung
{
public:
    // The rates of the personal data in percent: applicant, spouse, children.
    // A negative value: not entered.
    struct Saetze
    {
        double prozent[3] = {-1, -1, -1};
        double fuer(int person) const { return person >= 1 && person <= 3 ? prozent[person - 1] : -1; }
    };

    struct Eingabe
    {
        int person = 0; // 1 applicant, 2 spouse, 3 child (Rechnungsposition::person()); 0 other
        double rechnung = 0;
        double versicherung = 0; // the insurance's share of this invoice
        QDate datum;             // invoice date
        // What the fee check of a read invoice found not refundable: a line
        // above the threshold without reason counts at the threshold, above
        // the maximum at the maximum, a practitioner above the Beihilfe
        // maximum at that maximum. The difference is this amount.
        double kuerzung = 0;
        QString kuerzungsgrund;
    };

    enum Regel : unsigned {
        OhneSatz = 1,      // no rate for the person: nothing expected
        Gebuehren = 2,     // the fee check reduced the amount that counts
        Hoechstgrenze = 4, // capped: Beihilfe and insurance at most the invoice
    };

    struct Ergebnis
    {
        double erwartet = 0;
        double anerkannt = 0; // the amount that counts (invoice less the fee check's reduction)
        double prozent = 0;
        unsigned regeln = 0;
    };

    static Ergebnis berechnen(const Eingabe &e, const Saetze &s);
    // Many receipts at once, in their order.
    static QVector<Ergebnis> berechnen(const QVector<Eingabe> &eingaben, const Saetze &s);

    // How the amount came about, in a few German lines naming the rules
    // (for the ledger cell's tool tip and the decision table).
    static QString erklaerung(const Eingabe &e, const Ergebnis &r);
    // The note about the Kostendämpfungspauschale for a receipt of that
    // date: none is levied for invoices from 2022 on; before, the office may
    // have withheld one, which the expectation does not include.
    static QString kdpHinweis(const QDate &rechnungsdatum);
    static bool kdpMoeglich(const QDate &rechnungsdatum) { return rechnungsdatum.isValid() && rechnungsdatum.year() < 2022; }

    static double cent(double betrag);
    static QString personName(int person);
};
