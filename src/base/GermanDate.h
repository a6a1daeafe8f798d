#pragma once

#include <QDate>
#include <QString>
#include <optional>

// The program's one date rule. A text is a date when it reads as
// day.month.year with ".", "-" or "/" between the parts, a one- or two-digit
// day and month and a two- or four-digit year, or as six or eight digits
// without separators (ddmmyy, ddmmyyyy). Two-digit years 30-99 mean
// 19xx, 00-29 mean 20xx. Impossible dates (31.02.) are no dates.
class GermanDate
{
public:
    static std::optional<QDate> parse(const QString &text);
    static bool isDate(const QString &text) { return parse(text).has_value(); }
    // "dd.mm.yyyy" for a date, the text unchanged otherwise.
    static QString normalized(const QString &text);
    static QString format(const QDate &date);
    // ISO text for a database date column ("2001-03-15"), empty when no date.
    static QString toIso(const QString &text);
    // A database date ("2001-03-15" or "2001-03-15 00:00:00") as "dd.mm.yyyy".
    static QString fromIso(const QString &iso);
};
