#include "shell/SqliteLesen.h"

#include <QFileInfo>

#include <sqlite3.h>

namespace SqliteLesen {

bool zeilen(const QString &pfad, const QString &sql, const QStringList &werte, QList<QVariantHash> *ergebnis,
            QString *fehler)
{
    ergebnis->clear();
    auto fehlschlag = [fehler](const QString &text) {
        if (fehler)
            *fehler = text;
        return false;
    };
    if (!QFileInfo(pfad).isFile())
        return fehlschlag(QStringLiteral("Die Datei %1 fehlt.").arg(pfad));
    sqlite3 *db = nullptr;
    const int offen = sqlite3_open_v2(pfad.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    struct Schliessen
    {
        sqlite3 *db;
        ~Schliessen() { sqlite3_close(db); }
    } schliessen{db};
    if (offen != SQLITE_OK)
        return fehlschlag(QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(offen)));

    sqlite3_stmt *stmt = nullptr;
    const QByteArray text = sql.toUtf8();
    if (sqlite3_prepare_v2(db, text.constData(), int(text.size()), &stmt, nullptr) != SQLITE_OK)
        return fehlschlag(QString::fromUtf8(sqlite3_errmsg(db)));
    struct Abschliessen
    {
        sqlite3_stmt *stmt;
        ~Abschliessen() { sqlite3_finalize(stmt); }
    } abschliessen{stmt};
    for (int i = 0; i < werte.size(); ++i) {
        const QByteArray w = werte.at(i).toUtf8();
        sqlite3_bind_text(stmt, i + 1, w.constData(), int(w.size()), SQLITE_TRANSIENT);
    }
    const int spalten = sqlite3_column_count(stmt);
    QStringList namen;
    for (int c = 0; c < spalten; ++c)
        namen << QString::fromUtf8(sqlite3_column_name(stmt, c));
    int schritt;
    while ((schritt = sqlite3_step(stmt)) == SQLITE_ROW) {
        QVariantHash zeile;
        for (int c = 0; c < spalten; ++c) {
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_INTEGER:
                zeile.insert(namen.at(c), qlonglong(sqlite3_column_int64(stmt, c)));
                break;
            case SQLITE_FLOAT:
                zeile.insert(namen.at(c), sqlite3_column_double(stmt, c));
                break;
            case SQLITE_NULL:
                zeile.insert(namen.at(c), QVariant());
                break;
            case SQLITE_BLOB:
                zeile.insert(namen.at(c), QByteArray(static_cast<const char *>(sqlite3_column_blob(stmt, c)),
                                                     sqlite3_column_bytes(stmt, c)));
                break;
            default:
                zeile.insert(namen.at(c), QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, c)),
                                                            sqlite3_column_bytes(stmt, c)));
            }
        }
        ergebnis->append(zeile);
    }
    if (schritt != SQLITE_DONE) {
        ergebnis->clear();
        return fehlschlag(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    return true;
}

} // namespace SqliteLesen
