#pragma once

#include <QString>

class QAbstractItemModel;

// A table as CSV for LibreOffice Calc and Excel: semicolons between the
// cells, CR LF after each row, UTF-8 with byte order mark, German numbers
// without thousands separator. Cells with a semicolon, quote or line break
// are quoted.
class UebersichtCsv
{
public:
    // The headings and the rows as the model shows them (a filter model: the
    // visible rows in their order).
    static QString text(const QAbstractItemModel &modell);
    // Replaces the file atomically; false and a German message when it fails.
    static bool schreiben(const QString &pfad, const QAbstractItemModel &modell, QString *fehler = nullptr);
    static QString zelle(const QString &text);
};
