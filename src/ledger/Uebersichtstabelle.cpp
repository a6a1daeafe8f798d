#include "ledger/Uebersichtstabelle.h"

#include "base/GermanDate.h"
#include "base/GermanMoney.h"

#include <QDate>
#include <QFont>

Uebersichtstabelle::Uebersichtstabelle(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void Uebersichtstabelle::setInhalt(Inhalt inhalt)
{
    beginResetModel();
    m_inhalt = std::move(inhalt);
    endResetModel();
}

int Uebersichtstabelle::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_inhalt.zeilen.size());
}

int Uebersichtstabelle::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_inhalt.spalten.size());
}

QString Uebersichtstabelle::anzeige(const QVariant &wert, Art art)
{
    if (!wert.isValid())
        return {};
    switch (art) {
    case Art::Datum:
        return GermanDate::format(wert.toDate());
    case Art::Betrag:
        return GermanMoney::format(wert.toDouble());
    case Art::Zahl:
        return QString::number(wert.toLongLong());
    case Art::Text:
    case Art::Kennung:
        break;
    }
    return wert.toString();
}

qlonglong Uebersichtstabelle::kennungSchluessel(const QString &kennung)
{
    const qsizetype strich = kennung.indexOf(u'/');
    const std::optional<QDate> d = GermanDate::parse((strich < 0 ? kennung : kennung.left(strich)).trimmed());
    const QString unter = strich < 0 ? QString() : kennung.mid(strich + 1).trimmed();
    bool zahl = false;
    const qlonglong n = unter.toLongLong(&zahl);
    // yyyyMMdd followed by seven digits of sub-number; a key without a
    // sub-number first, an unreadable one last, keys without a date at the end.
    const qlonglong tag = d ? d->year() * 10000LL + d->month() * 100 + d->day() : 99999999LL;
    const qlonglong nummer = unter.isEmpty() ? 0 : zahl && n >= 0 ? qMin(n, 9999998LL) : 9999999LL;
    return tag * 10000000LL + nummer;
}

QString Uebersichtstabelle::csv(const QVariant &wert, Art art)
{
    if (art == Art::Betrag && wert.isValid())
        return GermanMoney::format(wert.toDouble()).remove(u'.');
    QString t = anzeige(wert, art);
    if ((art == Art::Text || art == Art::Kennung) && !t.isEmpty()
        && QStringView(u"=+-@\t\r").contains(t.front()))
        t.prepend(u'\'');
    return t;
}

QVariant Uebersichtstabelle::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount())
        return {};
    const QVector<QVariant> &zeile = m_inhalt.zeilen.at(index.row());
    const QVariant wert = index.column() < zeile.size() ? zeile.at(index.column()) : QVariant();
    const Art art = m_inhalt.spalten.at(index.column()).art;
    switch (role) {
    case Qt::DisplayRole:
        return anzeige(wert, art);
    case SortierRolle:
        // Empty cells sort before every value of their column.
        if (art == Art::Kennung)
            return QVariant(kennungSchluessel(wert.toString()));
        if (!wert.isValid())
            return art == Art::Text ? QVariant(QString()) : art == Art::Datum ? QVariant(QDate(1, 1, 1)) : QVariant(-1e300);
        return wert;
    case CsvRolle:
        return csv(wert, art);
    case Qt::TextAlignmentRole:
        return int((art == Art::Betrag || art == Art::Zahl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::ToolTipRole:
        return index.row() < m_inhalt.hinweise.size() && !m_inhalt.hinweise.at(index.row()).isEmpty()
                   ? QVariant(m_inhalt.hinweise.at(index.row()))
                   : QVariant();
    case Qt::FontRole:
        if (index.row() < m_inhalt.hinweise.size() && !m_inhalt.hinweise.at(index.row()).isEmpty()) {
            QFont f;
            f.setItalic(true);
            return f;
        }
        return {};
    default:
        return {};
    }
}

QVariant Uebersichtstabelle::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const Spalte &s = m_inhalt.spalten.at(section);
    if (role == Qt::DisplayRole)
        return s.titel;
    if (role == Qt::ToolTipRole && !s.erklaerung.isEmpty())
        return s.erklaerung;
    if (role == Qt::TextAlignmentRole)
        return int((s.art == Art::Betrag || s.art == Art::Zahl ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}
