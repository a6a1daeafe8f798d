#include "addresses/Adressliste.h"

#include "addresses/Adressbestand.h"

Adressliste::Adressliste(const Adressbestand &bestand, QObject *parent)
    : QAbstractTableModel(parent)
    , m_bestand(bestand)
{
}

void Adressliste::neuLaden()
{
    beginResetModel();
    endResetModel();
}

int Adressliste::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_bestand.anzahl();
}

int Adressliste::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant Adressliste::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_bestand.anzahl() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return m_bestand.adresse(index.row()).anzeige();
}

QVariant Adressliste::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::DisplayRole && orientation == Qt::Horizontal && section == 0)
        return QStringLiteral("Anzeige");
    return {};
}
