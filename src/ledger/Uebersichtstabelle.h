#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QVariant>
#include <QVector>

// A read-only table of typed columns: texts, dates, amounts in euro and
// counts. Shows dates as dd.mm.yyyy and amounts as 1.234,56; sorts by the
// raw value (SortierRolle) and gives each cell's CSV text (CsvRolle).
class Uebersichtstabelle : public QAbstractTableModel
{
    Q_OBJECT
public:
    // Kennung: an application key ("date/sub-number"), sorted by date, then sub-number.
    enum class Art { Text, Datum, Betrag, Zahl, Kennung };
    enum Rolle { SortierRolle = Qt::UserRole, CsvRolle };

    struct Spalte
    {
        QString titel;
        Art art = Art::Text;
        QString erklaerung; // tooltip of the heading
    };
    struct Inhalt
    {
        QVector<Spalte> spalten;
        QVector<QVector<QVariant>> zeilen; // raw values: QString, QDate, double, int; invalid = empty
        QVector<QString> hinweise;         // per row, a tooltip (may be shorter than zeilen)
    };

    explicit Uebersichtstabelle(QObject *parent = nullptr);

    void setInhalt(Inhalt inhalt);
    const Inhalt &inhalt() const { return m_inhalt; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The text a cell shows.
    static QString anzeige(const QVariant &wert, Art art);
    // The text a cell gets in a CSV file: amounts without thousands
    // separator ("1234,56") so that spreadsheets read them as numbers.
    // A text that begins with "=", "+", "-" or "@" gets a leading apostrophe,
    // so that a spreadsheet shows it instead of running it as a formula.
    static QString csv(const QVariant &wert, Art art);
    // The sort key of an application key: dated keys by date, then by the
    // sub-number as a number; keys without a date after them.
    static qlonglong kennungSchluessel(const QString &kennung);

private:
    Inhalt m_inhalt;
};
