#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantHash>

// Reads rows of a SQLite file through the SQLite library itself, read-only:
// for the small reads the first window needs, where starting Qt's database
// driver would cost more than the read. Never creates or changes a file.
namespace SqliteLesen {
// Runs one select statement with the values bound in order; each row maps
// column name to value (NULL gives an invalid QVariant). False and a
// message when the file cannot be opened or the statement fails.
bool zeilen(const QString &pfad, const QString &sql, const QStringList &werte, QList<QVariantHash> *ergebnis,
            QString *fehler = nullptr);
} // namespace SqliteLesen
