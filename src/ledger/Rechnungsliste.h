#pragma once

#include "ledger/Erstattungserwartung.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The rows of the ledger list as einlesen builds them.
class Rechnungsliste : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Rechnungsliste(QObject *parent = nullptr);

    void setZeilen(QVector<QStringList> zeilen);
    // The expected refund per row (column "erwartet"); set before setZeilen.
    // Its tool tip explains the rules that shaped the amount.
    void setErwartung(QVector<Erstattungserwartung::Eingabe> eingaben,
                      QVector<Erstattungserwartung::Ergebnis> ergebnisse);
    const QVector<QStringList> &zeilen() const { return m_zeilen; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static const QStringList &spaltenkoepfe();
    enum Spalte { Beleg, Datum, Empf, Art, Rechnung, Versicherungen, Waehrung, Arzt, Erwartet };

private:
    QVector<QStringList> m_zeilen;
    QVector<Erstattungserwartung::Eingabe> m_eingaben;
    QVector<Erstattungserwartung::Ergebnis> m_erwartet;
};
