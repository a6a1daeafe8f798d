#include "reference/Textbestand.h"

#include "shell/Datenbank.h"

bool Textbestand::laden(Datenbank &db, const QString &sql, const QVariantList &werte, const QStringList &suchspalten)
{
    uebernehmen(db.istOffen() ? db.abfrage(sql, werte) : Datensatz(), suchspalten);
    return m_satz.istGueltig();
}

void Textbestand::uebernehmen(const Datensatz &satz, const QStringList &suchspalten)
{
    m_satz = satz;
    m_suchtexte.clear();
    m_suchtexte.reserve(m_satz.anzahl());
    for (int z = 0; z < m_satz.anzahl(); ++z) {
        QStringList texte;
        for (const QString &s : suchspalten)
            texte.append(m_satz.wert(z, s).toString());
        m_suchtexte.append(texte);
    }
    m_satz.ersteZeile();
}

void Textbestand::leeren()
{
    uebernehmen(Datensatz());
}

bool Textbestand::blaettern(bool vorwaerts)
{
    const int ziel = position() + (vorwaerts ? 1 : -1);
    return ziel >= 0 && ziel < anzahl() && m_satz.setzePosition(ziel);
}

bool Textbestand::passt(int zeile, const QString &begriff) const
{
    for (const QString &t : m_suchtexte.at(zeile))
        if (enthaelt(t, begriff))
            return true;
    return false;
}

bool Textbestand::suchen(const QString &begriff, bool vorwaerts)
{
    if (vorwaerts) {
        for (int z = position() + 1; z < anzahl(); ++z)
            if (passt(z, begriff))
                return m_satz.setzePosition(z);
    } else {
        for (int z = qMin(position(), anzahl()) - 1; z >= 0; --z)
            if (passt(z, begriff))
                return m_satz.setzePosition(z);
    }
    return false;
}

bool Textbestand::sucheErste(const QString &begriff)
{
    for (int z = 0; z < anzahl(); ++z)
        if (passt(z, begriff))
            return m_satz.setzePosition(z);
    return false;
}

QString Textbestand::schluesselform(const QString &schluessel)
{
    QString s;
    s.reserve(schluessel.size());
    for (const QChar c : schluessel)
        if (!c.isSpace())
            s.append(c.toLower());
    return s;
}

bool Textbestand::springeZu(const QString &spalte, const QString &schluessel)
{
    const QString gesucht = schluesselform(schluessel);
    if (gesucht.isEmpty())
        return false;
    for (int z = 0; z < anzahl(); ++z)
        if (schluesselform(m_satz.wert(z, spalte).toString()) == gesucht)
            return m_satz.setzePosition(z);
    return false;
}

bool Textbestand::springeZuBuchstabe(const QString &spalte, QChar buchstabe)
{
    for (int z = 0; z < anzahl(); ++z)
        if (m_satz.wert(z, spalte).toString().startsWith(buchstabe, Qt::CaseInsensitive))
            return m_satz.setzePosition(z);
    return false;
}

bool Textbestand::enthaelt(const QString &text, const QString &begriff)
{
    return text.contains(begriff, Qt::CaseInsensitive);
}

std::optional<QChar> Textbestand::sprungbuchstabe(const QString &getippt)
{
    if (getippt.size() != 1)
        return std::nullopt;
    const QChar c = getippt.at(0).toUpper();
    if (c < u'A' || c > u'Z')
        return std::nullopt;
    return c;
}
