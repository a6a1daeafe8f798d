#pragma once

#include "ledger/Rechnungspositionen.h"

#include <QSet>
#include <QString>
#include <QVector>

// The last changes of the receipt table, to be taken back one after the
// other (Strg+Z). Each step keeps the whole table as it stood before the
// change, so numbers, order and totals come back exactly; the oldest steps
// are forgotten beyond the depth.
class Belegverlauf
{
public:
    explicit Belegverlauf(int tiefe = 20) : m_tiefe(qMax(1, tiefe)) {}

    // Before a change: the table as it stands, the list row under the
    // cursor (from 1, 0 for none) and what is about to happen ("Löschen").
    void merken(const Rechnungspositionen &tabelle, int zeile, const QString &was);
    bool leer() const { return m_schritte.isEmpty(); }
    int anzahl() const { return int(m_schritte.size()); }
    // What the next step back undoes; empty when there is none.
    QString naechster() const { return leer() ? QString() : m_schritte.constLast().was; }
    // Puts the table back as it was before the last remembered change and
    // forgets that step; gives the cursor row of then (0 for none). Without
    // a remembered step the table stays as it is.
    int zuruecknehmen(Rechnungspositionen &tabelle);
    // The picture files of the receipts in the remembered tables.
    QSet<QString> belegdateien() const;
    // Another application: nothing to take back.
    void leeren() { m_schritte.clear(); }

private:
    struct Schritt
    {
        Rechnungspositionen tabelle;
        int zeile = 0;
        QString was;
    };
    int m_tiefe;
    QVector<Schritt> m_schritte;
};
