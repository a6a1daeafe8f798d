#include "reference/Gebuehrenliste.h"

QString Gebuehrenliste::bezeichnung(const QString &code, const QString &nummer)
{
    return (code + u' ' + nummer).leftJustified(Bezeichnungsbreite, u' ', true);
}

bool Gebuehrenliste::anhaengen(const QString &code, const QString &nummer, double betrag)
{
    if (anzahl() >= Hoechstzahl)
        return false;
    m_eintraege.append({bezeichnung(code, nummer), betrag});
    return true;
}

bool Gebuehrenliste::letztenEntfernen()
{
    if (m_eintraege.isEmpty())
        return false;
    m_eintraege.removeLast();
    return true;
}

double Gebuehrenliste::summe() const
{
    double s = 0.0;
    for (const Eintrag &e : m_eintraege)
        s += e.betrag;
    return s;
}

Gebuehrenliste &Gebuehrenliste::programmlauf()
{
    static Gebuehrenliste liste;
    return liste;
}
