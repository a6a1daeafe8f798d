#include "fields/Zusatzfeldtabelle.h"

int Zusatzfeldtabelle::finde(const QString &name) const
{
    for (int i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen.at(i).name == name)
            return i;
    return -1;
}

void Zusatzfeldtabelle::setzen(const QString &name, const QString &wert)
{
    const int i = finde(name);
    if (i >= 0)
        m_zeilen[i].wert = wert;
    else
        m_zeilen.append(Zeile{name, wert});
}

std::optional<QString> Zusatzfeldtabelle::Feldwert(const QString &feldname) const
{
    std::optional<QString> wert;
    for (const Zeile &z : m_zeilen)
        if (z.name.size() == feldname.size() + 1 && QStringView(z.name).mid(1) == feldname)
            wert = z.wert;
    return wert;
}
