#pragma once

#include "ledger/Rechnungsposition.h"

#include <QVector>

// The receipts of the open application, addressed 1 to anzahl() like the
// rows of the ledger list. There is no upper limit.
class Rechnungspositionen
{
public:
    int anzahl() const { return int(m_slots.size()); }
    bool istLeer() const { return m_slots.isEmpty(); }
    bool gueltig(int p) const { return p >= 1 && p <= anzahl(); }
    const Rechnungsposition &slot(int p) const { return m_slots.at(p - 1); }
    Rechnungsposition &slot(int p) { return m_slots[p - 1]; }
    const QVector<Rechnungsposition> &alle() const { return m_slots; }

    void hinzufuegen(const Rechnungsposition &r) { m_slots.append(r); }
    // Inserts before position p (1 <= p <= anzahl()+1); false for any other p.
    bool einfuegen(int p, const Rechnungsposition &r);
    bool aendern(int p, const Rechnungsposition &r);
    bool loeschen(int p);
    void leeren() { m_slots.clear(); }
    void reservieren(int n) { m_slots.reserve(n); }

    // The sort key: Empfänger (2 characters), a blank, then yyyy.mm.dd of
    // Datum. A receipt without a readable date sorts after the dated ones of
    // its person.
    static QString sortierschluessel(const Rechnungsposition &r);
    // By person and date; equal keys keep their order. Only with more than
    // one receipt.
    void sortieren();

    // Receipt numbers start, start+1, ... in list order. Refused (nothing
    // changed, false and a message text) when a number would leave the
    // 16-bit range of Beleg.
    bool numerieren(qint64 start, QString *fehler = nullptr);
    static QString numerierenFehlertext();

private:
    QVector<Rechnungsposition> m_slots;
};
