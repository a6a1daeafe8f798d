#include "ledger/Rechnungsliste.h"

#include "base/GermanMoney.h"

Rechnungsliste::Rechnungsliste(QObject *parent)
    : QAbstractTableModel(parent)
{
}

const QStringList &Rechnungsliste::spaltenkoepfe()
{
    static const QStringList k = {QStringLiteral("Beleg"),    QStringLiteral("Datum"),
                                  QStringLiteral("Empf."),    QStringLiteral("Art"),
                                  QStringLiteral("Rechnung"), QStringLiteral("Versicherungen"),
                                  QStringLiteral("Währung"),  QStringLiteral("Arzt"),
                                  QStringLiteral("erwartet")};
    return k;
}

void Rechnungsliste::setErwartung(QVector<Erstattungserwartung::Eingabe> eingaben,
                                  QVector<Erstattungserwartung::Ergebnis> ergebnisse)
{
    m_eingaben = std::move(eingaben);
    m_erwartet = std::move(ergebnisse);
}

void Rechnungsliste::setZeilen(QVector<QStringList> zeilen)
{
    beginResetModel();
    m_zeilen = std::move(zeilen);
    endResetModel();
}

int Rechnungsliste::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_zeilen.size());
}

int Rechnungsliste::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(spaltenkoepfe().size());
}

QVariant Rechnungsliste::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_zeilen.size())
        return {};
    if (index.column() == Erwartet) {
        const int r = index.row();
        if (r >= m_erwartet.size() || r >= m_eingaben.size())
            return {};
        if (role == Qt::DisplayRole)
            return GermanMoney::format(m_erwartet.at(r).erwartet);
        if (role == Qt::ToolTipRole)
            return Erstattungserwartung::erklaerung(m_eingaben.at(r), m_erwartet.at(r));
        if (role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    }
    if (role == Qt::DisplayRole) {
        const QStringList &z = m_zeilen.at(index.row());
        return index.column() < z.size() ? z.at(index.column()) : QString();
    }
    if (role == Qt::TextAlignmentRole) {
        const int c = index.column();
        if (c == Beleg || c == Rechnung || c == Versicherungen)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    }
    return {};
}

QVariant Rechnungsliste::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal && section == Erwartet)
        return QStringLiteral("Erwartete Beihilfe je Beleg; der Hinweis einer Zelle nennt die angewandten Regeln");
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section < spaltenkoepfe().size() ? spaltenkoepfe().at(section) : QVariant();
    return section + 1;
}
