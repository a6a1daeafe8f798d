#include "base/GermanDate.h"

#include <QRegularExpression>

std::optional<QDate> GermanDate::parse(const QString &text)
{
    static const QRegularExpression re(
        QStringLiteral("^\\s*(\\d{1,2})[./-](\\d{1,2})[./-](\\d{2}|\\d{4})\\s*$"));
    // Typed without separators: ddmmyy or ddmmyyyy.
    static const QRegularExpression ziffern(QStringLiteral("^\\s*(\\d{2})(\\d{2})(\\d{2}|\\d{4})\\s*$"));
    auto m = re.match(text);
    if (!m.hasMatch())
        m = ziffern.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    const int day = m.captured(1).toInt();
    const int month = m.captured(2).toInt();
    const QString yearText = m.captured(3);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year >= 30 ? 1900 : 2000;
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString GermanDate::normalized(const QString &text)
{
    const auto date = parse(text);
    return date ? format(*date) : text;
}

QString GermanDate::format(const QDate &date)
{
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

QString GermanDate::toIso(const QString &text)
{
    const auto date = parse(text);
    return date ? date->toString(Qt::ISODate) : QString();
}

QString GermanDate::fromIso(const QString &iso)
{
    const QString day = iso.left(10);
    const QDate date = QDate::fromString(day, Qt::ISODate);
    return date.isValid() ? format(date) : QString();
}
