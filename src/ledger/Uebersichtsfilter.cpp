#include "ledger/Uebersichtsfilter.h"

#include "ledger/Uebersichtstabelle.h"

#include <QDate>

Uebersichtsfilter::Uebersichtsfilter(int statusSpalte, int datumSpalte, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_statusSpalte(statusSpalte)
    , m_datumSpalte(datumSpalte)
{
    setSortRole(Uebersichtstabelle::SortierRolle);
    setSortLocaleAware(true);
}

void Uebersichtsfilter::setStatus(const QString &status)
{
    m_status = status;
    invalidateFilter();
}

void Uebersichtsfilter::setJahr(int jahr)
{
    m_jahr = jahr;
    invalidateFilter();
}

bool Uebersichtsfilter::filterAcceptsRow(int zeile, const QModelIndex &eltern) const
{
    const QAbstractItemModel *m = sourceModel();
    if (!m_status.isEmpty() && m->index(zeile, m_statusSpalte, eltern).data().toString() != m_status)
        return false;
    if (m_jahr == AlleJahre)
        return true;
    const QDate d = m->index(zeile, m_datumSpalte, eltern).data(Uebersichtstabelle::SortierRolle).toDate();
    const bool datiert = d.isValid() && d.year() > 1;
    return m_jahr == OhneDatum ? !datiert : datiert && d.year() == m_jahr;
}
