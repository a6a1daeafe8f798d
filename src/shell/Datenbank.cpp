#include "shell/Datenbank.h"

#include <QAtomicInt>
#include <QFile>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <sqlite3.h>

namespace {
QAtomicInt g_nummer;

// Connection names are unique in the process, also between the program and
// a module that carries its own copy of this code (the counter's address
// tells the copies apart).
QString verbindungsnummer()
{
    return QStringLiteral("%1-%2").arg(quintptr(&g_nummer), 0, 16).arg(g_nummer.fetchAndAddRelaxed(1));
}

void vlikeFunktion(sqlite3_context *ctx, int argc, sqlite3_value **argv)
{
    if (argc != 2 || sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL) {
        sqlite3_result_int(ctx, 0);
        return;
    }
    const auto *a = reinterpret_cast<const char *>(sqlite3_value_text(argv[0]));
    const auto *b = reinterpret_cast<const char *>(sqlite3_value_text(argv[1]));
    sqlite3_result_int(ctx, Datenbank::like(QString::fromUtf8(a), QString::fromUtf8(b)) ? 1 : 0);
}

void funktionenAnmelden(QSqlDatabase &db)
{
    const QVariant v = db.driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return;
    sqlite3 *handle = *static_cast<sqlite3 *const *>(v.data());
    if (handle)
        sqlite3_create_function(handle, "vlike", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, vlikeFunktion,
                                nullptr, nullptr);
}
} // namespace

Datenbank::~Datenbank()
{
    schliessen();
}

QSqlDatabase Datenbank::db() const
{
    return QSqlDatabase::database(m_verbindung, false);
}

bool Datenbank::istSqliteDatei(const QString &pfad)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    if (f.size() == 0)
        return true;
    return f.read(16) == QByteArray("SQLite format 3\0", 16);
}

bool Datenbank::oeffnen(const QString &pfad, Modus modus, QString *fehler)
{
    schliessen();
    auto scheitern = [&](const QString &text) {
        m_fehler = text;
        if (fehler)
            *fehler = text;
        return false;
    };
    const QFileInfo info(pfad);
    if (!info.exists() || !info.isFile())
        return scheitern(QStringLiteral("Die Datei %1 ist nicht vorhanden.").arg(pfad));
    if (!istSqliteDatei(pfad))
        return scheitern(QStringLiteral("Die Datei %1 ist keine Velmora-Datenbank.").arg(pfad));

    m_verbindung = QStringLiteral("velmora-%1").arg(verbindungsnummer());
    QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_verbindung);
    d.setDatabaseName(pfad);
    QString optionen = QStringLiteral("QSQLITE_BUSY_TIMEOUT=3000");
    if (modus == Modus::NurLesen)
        optionen += QStringLiteral(";QSQLITE_OPEN_READONLY");
    d.setConnectOptions(optionen);
    if (!d.open()) {
        const QString text = d.lastError().text();
        d = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_verbindung);
        m_verbindung.clear();
        return scheitern(text);
    }
    funktionenAnmelden(d);
    // A damaged file opens lazily; ask it something to find out.
    {
        QSqlQuery q(d);
        if (!q.exec(QStringLiteral("select count(*) from sqlite_master"))) {
            const QString text = q.lastError().text();
            q = QSqlQuery();
            d.close();
            d = QSqlDatabase();
            QSqlDatabase::removeDatabase(m_verbindung);
            m_verbindung.clear();
            return scheitern(QStringLiteral("Die Datei %1 ist beschädigt: %2").arg(pfad, text));
        }
    }
    m_pfad = pfad;
    m_offen = true;
    return true;
}

void Datenbank::schliessen()
{
    if (m_verbindung.isEmpty())
        return;
    {
        QSqlDatabase d = QSqlDatabase::database(m_verbindung, false);
        if (d.isOpen())
            d.close();
    }
    QSqlDatabase::removeDatabase(m_verbindung);
    m_verbindung.clear();
    m_offen = false;
}

Datensatz Datenbank::abfrage(const QString &sql, const QVariantList &werte)
{
    Datensatz ds;
    if (!m_offen) {
        ds.m_fehler = QStringLiteral("Datenbank nicht geöffnet");
        return ds;
    }
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        ds.m_fehler = m_fehler = q.lastError().text();
        return ds;
    }
    for (const QVariant &v : werte)
        q.addBindValue(v);
    if (!q.exec()) {
        ds.m_fehler = m_fehler = q.lastError().text();
        return ds;
    }
    const QSqlRecord rec = q.record();
    for (int i = 0; i < rec.count(); ++i)
        ds.m_spalten.append(rec.fieldName(i));
    while (q.next()) {
        QVector<QVariant> zeile(rec.count());
        for (int i = 0; i < rec.count(); ++i) {
            const QVariant v = q.value(i);
            zeile[i] = v.isNull() ? QVariant() : v;
        }
        ds.m_zeilen.append(zeile);
    }
    ds.m_gueltig = true;
    ds.m_pos = ds.m_zeilen.isEmpty() ? -1 : 0;
    return ds;
}

Datensatz Datenbank::tabelle(const QString &name, const QString &bedingung, const QVariantList &werte)
{
    QString sql = QStringLiteral("select rowid as velmora_rowid, * from ") + quoteName(name);
    if (!bedingung.isEmpty())
        sql += u' ' + bedingung;
    Datensatz ds = abfrage(sql, werte);
    if (!ds.m_gueltig)
        return ds;
    const int c = ds.spaltenIndex(QStringLiteral("velmora_rowid"));
    for (auto &zeile : ds.m_zeilen) {
        ds.m_rowids.append(zeile.at(c).toLongLong());
        zeile.removeAt(c);
    }
    ds.m_spalten.removeAt(c);
    ds.m_db = this;
    ds.m_tabelle = name;
    return ds;
}

bool Datenbank::ausfuehren(const QString &sql, const QVariantList &werte)
{
    if (!m_offen)
        return false;
    QSqlQuery q(db());
    if (!q.prepare(sql)) {
        m_fehler = q.lastError().text();
        return false;
    }
    for (const QVariant &v : werte)
        q.addBindValue(v);
    if (!q.exec()) {
        m_fehler = q.lastError().text();
        return false;
    }
    return true;
}

bool Datenbank::spalteAnhaengen(const QString &tabelle, const QString &spalte, const QString &typ)
{
    return ausfuehren(QStringLiteral("alter table %1 add column %2 %3").arg(quoteName(tabelle), quoteName(spalte), typ));
}

bool Datenbank::hatTabelle(const QString &name)
{
    const Datensatz ds = abfrage(QStringLiteral("select name from sqlite_master where type = 'table' and name = ?"),
                                 {name});
    return ds.istGueltig() && ds.anzahl() > 0;
}

QStringList Datenbank::spaltenVon(const QString &tabelle)
{
    QStringList out;
    Datensatz ds = abfrage(QStringLiteral("select name from pragma_table_info(?)"), {tabelle});
    for (ds.ersteZeile(); !ds.istEnde(); ds.naechsteZeile())
        out.append(ds.text(QStringLiteral("name")));
    return out;
}

bool Datenbank::transaktionBeginnen()
{
    return m_offen && db().transaction();
}

bool Datenbank::transaktionAbschliessen()
{
    return m_offen && db().commit();
}

void Datenbank::transaktionVerwerfen()
{
    if (m_offen)
        db().rollback();
}

bool Datenbank::erstellen(const QString &pfad, QString *fehler)
{
    if (QFileInfo::exists(pfad)) {
        if (fehler)
            *fehler = QStringLiteral("Die Datei %1 ist schon vorhanden.").arg(pfad);
        return false;
    }
    const QString name = QStringLiteral("velmora-neu-%1").arg(verbindungsnummer());
    bool ok = false;
    {
        QSqlDatabase d = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        d.setDatabaseName(pfad);
        ok = d.open();
        if (ok) {
            QSqlQuery q(d);
            ok = q.exec(QStringLiteral("pragma user_version = 1"));
        }
        if (!ok && fehler)
            *fehler = d.lastError().text();
        d.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

bool Datenbank::like(const QString &wert, const QString &muster)
{
    const QString w = wert.toCaseFolded();
    const QStringList teile = muster.toCaseFolded().split(u'*');
    // Anchored at both ends unless the pattern starts or ends with '*'.
    int pos = 0;
    for (int i = 0; i < teile.size(); ++i) {
        const QString &t = teile.at(i);
        if (t.isEmpty())
            continue;
        if (i == 0) {
            if (!w.startsWith(t))
                return false;
            pos = t.size();
            continue;
        }
        if (i == teile.size() - 1) {
            return w.size() - t.size() >= pos && w.endsWith(t);
        }
        const int found = w.indexOf(t, pos);
        if (found < 0)
            return false;
        pos = found + t.size();
    }
    if (teile.size() == 1)
        return w == teile.first();
    return true;
}

QString Datenbank::quoteName(const QString &name)
{
    QString n = name;
    n.replace(u'"', QStringLiteral("\"\""));
    return u'"' + n + u'"';
}
