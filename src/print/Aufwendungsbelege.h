#pragma once

#include "print/Belegquelle.h"

class Rechnungspositionen;
struct Rechnungsposition;

// The receipts of the open application as the list rows of the expense
// pages read them: one value per attribute name and receipt, the range of
// the page, and the person of an insurance list.
class Aufwendungsbelege : public Belegquelle
{
public:
    Aufwendungsbelege(const Rechnungspositionen &tabelle, bool antragInEuro);

    void setBereich(int von, int bis);
    void setPerson(const QString &pKVP) { m_person = pKVP; }

    int Belegeanzahl() const override;
    int ersterBeleg() const override { return m_von; }
    int letzterBeleg() const override { return m_bis; }
    QString Aufwendungswert(const QString &name, int nummer) const override;

    // The value of one receipt; "~" when it has none for the name.
    static QString wert(const QString &name, const Rechnungsposition &r, bool antragInEuro, const QString &pKVP);
    // Amounts of the receipt's currency into the application's.
    static double faktor(bool belegInEuro, bool antragInEuro);
    // Flat-rate care receipts carry "Pauschale" as invoice number.
    static bool pauschale(const Rechnungsposition &r);

private:
    const Rechnungspositionen &m_tabelle;
    bool m_euro;
    QString m_person;
    int m_von = 1;
    int m_bis = 0;
};
