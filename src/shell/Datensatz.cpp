#include "shell/Datensatz.h"

#include "shell/Datenbank.h"

#include <QSqlError>
#include <QSqlQuery>

int Datensatz::spaltenIndex(const QString &name) const
{
    for (int i = 0; i < m_spalten.size(); ++i)
        if (m_spalten.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool Datensatz::setzePosition(int pos)
{
    if (pos < 0 || pos >= anzahl())
        return false;
    m_pos = pos;
    return true;
}

bool Datensatz::ersteZeile()
{
    m_pos = 0;
    return !m_zeilen.isEmpty();
}

bool Datensatz::letzteZeile()
{
    m_pos = anzahl() - 1;
    return !m_zeilen.isEmpty();
}

bool Datensatz::naechsteZeile()
{
    if (m_pos < anzahl())
        ++m_pos;
    return m_pos < anzahl();
}

bool Datensatz::vorigeZeile()
{
    if (m_pos >= 0)
        --m_pos;
    return m_pos >= 0;
}

QVariant Datensatz::wert(const QString &spalte) const
{
    return wert(m_pos, spalte);
}

QVariant Datensatz::wert(int zeile, const QString &spalte) const
{
    const int c = spaltenIndex(spalte);
    if (c < 0 || zeile < 0 || zeile >= anzahl())
        return {};
    return m_zeilen.at(zeile).at(c);
}

bool Datensatz::setzeWert(const QString &spalte, const QVariant &wert)
{
    const int c = spaltenIndex(spalte);
    if (!m_db || m_tabelle.isEmpty() || c < 0 || m_pos < 0 || m_pos >= anzahl())
        return false;
    const QString sql = QStringLiteral("update %1 set %2 = ? where rowid = ?")
                            .arg(Datenbank::quoteName(m_tabelle), Datenbank::quoteName(m_spalten.at(c)));
    if (!m_db->ausfuehren(sql, {wert, m_rowids.at(m_pos)}))
        return false;
    m_zeilen[m_pos][c] = wert;
    return true;
}

bool Datensatz::neueZeile(const QVariantMap &werte)
{
    if (!m_db || m_tabelle.isEmpty())
        return false;
    QStringList namen;
    QStringList platz;
    QVariantList binds;
    QVector<QVariant> zeile(m_spalten.size());
    for (auto it = werte.cbegin(); it != werte.cend(); ++it) {
        const int c = spaltenIndex(it.key());
        if (c < 0)
            continue; // a column the file does not have is skipped
        namen.append(Datenbank::quoteName(m_spalten.at(c)));
        platz.append(QStringLiteral("?"));
        binds.append(it.value());
        zeile[c] = it.value();
    }
    const QString sql = namen.isEmpty()
                            ? QStringLiteral("insert into %1 default values").arg(Datenbank::quoteName(m_tabelle))
                            : QStringLiteral("insert into %1 (%2) values (%3)")
                                  .arg(Datenbank::quoteName(m_tabelle), namen.join(u','), platz.join(u','));
    QSqlQuery q(m_db->db());
    q.prepare(sql);
    for (const QVariant &v : binds)
        q.addBindValue(v);
    if (!q.exec()) {
        m_fehler = q.lastError().text();
        return false;
    }
    m_zeilen.append(zeile);
    m_rowids.append(q.lastInsertId().toLongLong());
    m_pos = anzahl() - 1;
    return true;
}

bool Datensatz::loeschen()
{
    if (!m_db || m_tabelle.isEmpty() || m_pos < 0 || m_pos >= anzahl())
        return false;
    if (!m_db->ausfuehren(QStringLiteral("delete from %1 where rowid = ?").arg(Datenbank::quoteName(m_tabelle)),
                          {m_rowids.at(m_pos)}))
        return false;
    m_zeilen.removeAt(m_pos);
    m_rowids.removeAt(m_pos);
    return true;
}

bool Datensatz::findeErste(const Kriterium &k)
{
    for (int i = 0; i < anzahl(); ++i) {
        const int alt = m_pos;
        m_pos = i;
        if (k(*this))
            return true;
        m_pos = alt;
    }
    return false;
}

bool Datensatz::findeNaechste(const Kriterium &k)
{
    const int alt = m_pos;
    for (int i = qMax(0, m_pos + 1); i < anzahl(); ++i) {
        m_pos = i;
        if (k(*this))
            return true;
    }
    m_pos = alt;
    return false;
}

bool Datensatz::findeVorige(const Kriterium &k)
{
    const int alt = m_pos;
    for (int i = qMin(anzahl(), m_pos) - 1; i >= 0; --i) {
        m_pos = i;
        if (k(*this))
            return true;
    }
    m_pos = alt;
    return false;
}
