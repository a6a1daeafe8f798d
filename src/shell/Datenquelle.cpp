#include "shell/Datenquelle.h"

#include "base/GermanDate.h"

#include <QDate>

Datenquelle::Datenquelle(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void Datenquelle::setDatenbankpfad(const QString &pfad, Datenbank::Modus modus)
{
    m_pfad = pfad;
    m_modus = modus;
    m_db.schliessen();
}

void Datenquelle::setAbfrage(const QString &sql, const QVariantList &werte)
{
    m_sql = sql;
    m_werte = werte;
}

void Datenquelle::setAnzeigespalten(const QList<QPair<QString, QString>> &spalten)
{
    beginResetModel();
    m_anzeige = spalten;
    endResetModel();
}

bool Datenquelle::aktualisieren()
{
    beginResetModel();
    if (!m_db.istOffen() || m_db.pfad() != m_pfad)
        m_db.oeffnen(m_pfad, m_modus);
    m_daten = m_db.istOffen() ? m_db.abfrage(m_sql, m_werte) : Datensatz();
    endResetModel();
    return m_daten.istGueltig();
}

QString Datenquelle::spalte(int c) const
{
    if (!m_anzeige.isEmpty())
        return c < m_anzeige.size() ? m_anzeige.at(c).first : QString();
    return c < m_daten.spalten().size() ? m_daten.spalten().at(c) : QString();
}

int Datenquelle::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_daten.anzahl();
}

int Datenquelle::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_anzeige.isEmpty() ? int(m_daten.spalten().size()) : int(m_anzeige.size());
}

QVariant Datenquelle::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const QString name = spalte(index.column());
    const QVariant v = m_daten.wert(index.row(), name);
    if (!v.isValid())
        return {};
    if (!m_datumsspalten.contains(name))
        return v;
    // Date columns hold ISO text; show them the German way.
    const QString s = v.toString();
    if (s.size() >= 10 && s.at(4) == u'-' && s.at(7) == u'-' && QDate::fromString(s.left(10), Qt::ISODate).isValid())
        return GermanDate::fromIso(s);
    return v;
}

QVariant Datenquelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    if (!m_anzeige.isEmpty())
        return section < m_anzeige.size() ? m_anzeige.at(section).second : QVariant();
    return spalte(section);
}
