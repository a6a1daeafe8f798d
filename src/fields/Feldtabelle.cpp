#include "fields/Feldtabelle.h"

int Feldtabelle::finde(const QString &name) const
{
    for (int i = 0; i < m_zeilen.size(); ++i)
        if (m_zeilen.at(i).name == name)
            return i;
    return -1;
}

int Feldtabelle::anhaengen(const QString &name, const QString &wert, const QString &basis)
{
    m_zeilen.append(Zeile{name, wert, basis});
    return int(m_zeilen.size()) - 1;
}

void Feldtabelle::setzen(const QString &name, const QString &wert)
{
    const int i = finde(name);
    if (i >= 0)
        m_zeilen[i].wert = wert;
    else
        anhaengen(name, wert);
}

std::optional<QString> Feldtabelle::Feldwert(const QString &feldname) const
{
    std::optional<QString> wert;
    for (const Zeile &z : m_zeilen)
        if (z.name.size() == feldname.size() + 1 && QStringView(z.name).mid(1) == feldname)
            wert = z.wert;
    return wert;
}

bool Feldtabelle::istGeaendert(const QString &feldname) const
{
    bool geaendert = false;
    for (const Zeile &z : m_zeilen)
        if (z.name.size() == feldname.size() + 1 && QStringView(z.name).mid(1) == feldname)
            geaendert = z.geaendert();
    return geaendert;
}

bool Feldtabelle::markieren(const QString &name, bool markierung)
{
    const int i = finde(name);
    if (i < 0)
        return false;
    m_zeilen[i].basis = markierung ? ErzwungenGeaendert : m_zeilen.at(i).wert;
    return true;
}
