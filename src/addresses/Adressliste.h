#pragma once

#include <QAbstractTableModel>

class Adressbestand;

// The list of the address book: one column "Anzeige", one row per address
// in the book's order. Call neuLaden() after the book has read its rows.
class Adressliste : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Adressliste(const Adressbestand &bestand, QObject *parent = nullptr);

    void neuLaden();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    const Adressbestand &m_bestand;
};
