#pragma once

#include "shell/Datenbank.h"

#include <QAbstractTableModel>
#include <QPair>

// A bound data source: a database path and a statement whose rows a grid
// shows. Refresh re-runs the statement; the model follows the rows.
class Datenquelle : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit Datenquelle(QObject *parent = nullptr);

    void setDatenbankpfad(const QString &pfad, Datenbank::Modus modus = Datenbank::Modus::Schreiben);
    QString datenbankpfad() const { return m_pfad; }
    void setAbfrage(const QString &sql, const QVariantList &werte = {});
    QString abfrage() const { return m_sql; }
    // Columns shown: column name and caption. Without any, all columns show.
    void setAnzeigespalten(const QList<QPair<QString, QString>> &spalten);
    // Columns that hold dates as ISO text; only these show as dd.mm.yyyy.
    void setDatumsspalten(const QStringList &spalten) { m_datumsspalten = spalten; }

    bool aktualisieren(); // runs the statement again
    Datensatz &datensatz() { return m_daten; }
    Datenbank &datenbank() { return m_db; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString spalte(int c) const;

    QString m_pfad;
    Datenbank::Modus m_modus = Datenbank::Modus::Schreiben;
    QString m_sql;
    QVariantList m_werte;
    QList<QPair<QString, QString>> m_anzeige;
    QStringList m_datumsspalten;
    Datenbank m_db;
    Datensatz m_daten;
};
