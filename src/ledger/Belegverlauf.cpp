#include "ledger/Belegverlauf.h"

void Belegverlauf::merken(const Rechnungspositionen &tabelle, int zeile, const QString &was)
{
    if (m_schritte.size() >= m_tiefe)
        m_schritte.removeFirst();
    m_schritte.append({tabelle, zeile, was});
}

int Belegverlauf::zuruecknehmen(Rechnungspositionen &tabelle)
{
    if (m_schritte.isEmpty())
        return 0;
    Schritt s = m_schritte.takeLast();
    tabelle = std::move(s.tabelle);
    // A row that no longer exists is no cursor row.
    return tabelle.gueltig(s.zeile) ? s.zeile : qMin(qMax(s.zeile, 0), tabelle.anzahl());
}

QSet<QString> Belegverlauf::belegdateien() const
{
    QSet<QString> dateien;
    for (const Schritt &s : m_schritte)
        for (const Rechnungsposition &r : s.tabelle.alle())
            if (!r.belegdatei.isEmpty())
                dateien.insert(r.belegdatei);
    return dateien;
}
