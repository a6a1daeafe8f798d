#pragma once

#include <QString>
#include <QVector>
#include <optional>

// The field table: every field of the field store by name (the whole tag,
// type character included), its current value and its baseline (the value
// read at start; "*-*-" for a field forced to count as changed). Rows keep
// the order in which their fields were first met and are never removed.
// There is no row limit.
class Feldtabelle
{
public:
    struct Zeile
    {
        QString name;
        QString wert;
        QString basis;
        bool geaendert() const { return wert != basis; }
    };

    static inline const QString ErzwungenGeaendert = QStringLiteral("*-*-");

    int anzahl() const { return int(m_zeilen.size()); }
    const Zeile &zeile(int i) const { return m_zeilen.at(i); } // 0-based
    Zeile &zeile(int i) { return m_zeilen[i]; }
    const QVector<Zeile> &zeilen() const { return m_zeilen; }
    void leeren() { m_zeilen.clear(); }

    // First row whose name equals the name exactly, or -1.
    int finde(const QString &name) const;
    // Appends a row; the baseline stays empty unless given.
    int anhaengen(const QString &name, const QString &wert, const QString &basis = {});
    // Sets the value of the first row of that name, or appends a new row.
    void setzen(const QString &name, const QString &wert);

    // The printing lookup: the value of the last row whose name without its
    // first character equals feldname; nothing when no row matches.
    std::optional<QString> Feldwert(const QString &feldname) const;
    // Whether that field (last matching row) counts as changed.
    bool istGeaendert(const QString &feldname) const;

    // Ctrl+Shift+F11/F12 on the table side: the first row of the name gets
    // the baseline "*-*-" (mark) or its current value (unmark). Returns false
    // when no row has the name.
    bool markieren(const QString &name, bool markierung);

private:
    QVector<Zeile> m_zeilen;
};
