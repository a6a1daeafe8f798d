#pragma once

#include <QStringList>
#include <QVariant>
#include <QVector>
#include <functional>

class Datenbank;

// A result set with a cursor over rows held in memory. Sets opened on a table
// (Datenbank::tabelle) can also add, change and delete rows; sets of a query
// are read-only. Null columns read as an invalid QVariant.
class Datensatz
{
public:
    Datensatz() = default;

    bool istGueltig() const { return m_gueltig; }
    QString fehler() const { return m_fehler; }
    const QStringList &spalten() const { return m_spalten; }
    bool hatSpalte(const QString &name) const { return spaltenIndex(name) >= 0; }

    // Row count: 0 exactly when empty.
    int anzahl() const { return int(m_zeilen.size()); }
    int position() const { return m_pos; } // 0-based; -1 before the first row
    bool setzePosition(int pos);

    bool ersteZeile();
    bool letzteZeile();
    bool naechsteZeile();
    bool vorigeZeile();
    bool istEnde() const { return m_zeilen.isEmpty() || m_pos >= anzahl(); }
    bool istAnfang() const { return m_zeilen.isEmpty() || m_pos < 0; }

    QVariant wert(const QString &spalte) const;
    QVariant wert(int zeile, const QString &spalte) const;
    QString text(const QString &spalte) const { return wert(spalte).toString(); }
    bool istNull(const QString &spalte) const { return !wert(spalte).isValid() || wert(spalte).isNull(); }

    // Writing (table sets only). setzeWert writes through at once.
    bool setzeWert(const QString &spalte, const QVariant &wert);
    bool neueZeile(const QVariantMap &werte); // adds a row and moves onto it
    bool loeschen();                          // deletes the current row

    // Find by a criterion, starting from the first / after / before the
    // current row. Returns false (and leaves the cursor) when nothing matches.
    using Kriterium = std::function<bool(const Datensatz &)>;
    bool findeErste(const Kriterium &k);
    bool findeNaechste(const Kriterium &k);
    bool findeVorige(const Kriterium &k);

private:
    friend class Datenbank;
    int spaltenIndex(const QString &name) const;

    bool m_gueltig = false;
    QString m_fehler;
    QStringList m_spalten;
    QVector<QVector<QVariant>> m_zeilen;
    QVector<qint64> m_rowids; // table sets only
    int m_pos = -1;
    Datenbank *m_db = nullptr;
    QString m_tabelle;
};
