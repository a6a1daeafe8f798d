#pragma once

#include <QString>
#include <QVector>
#include <optional>

// The field table of the side applications: the open side form's fields
// followed by a copy of the main field table. No row limit.
class Zusatzfeldtabelle
{
public:
    struct Zeile
    {
        QString name;
        QString wert;
    };

    int anzahl() const { return int(m_zeilen.size()); }
    const QVector<Zeile> &zeilen() const { return m_zeilen; }
    void leeren() { m_zeilen.clear(); }
    int finde(const QString &name) const;
    // Updates the first row of the name or appends one.
    void setzen(const QString &name, const QString &wert);
    // Lookup by name without its first character; the last row wins.
    std::optional<QString> Feldwert(const QString &feldname) const;

private:
    QVector<Zeile> m_zeilen;
};
