#include "base/GermanMoney.h"

#include <QRegularExpression>
#include <cmath>

QString GermanMoney::format(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0,00");
    if (std::fabs(value) >= 1e15) {
        // Beyond the cents a 64-bit count can hold; no rounding question here.
        QString digits = QString::number(std::fabs(value), 'f', 2);
        QString whole = digits.left(digits.indexOf(u'.'));
        for (int i = int(whole.size()) - 3; i > 0; i -= 3)
            whole.insert(i, u'.');
        return (value < 0 ? QStringLiteral("-") : QString()) + whole + u',' + digits.right(2);
    }
    // Round on the shortest decimal text of the double, so that 1.005 (stored
    // as 1.00499...) rounds as the user reads it.
    QString digits = QString::number(std::fabs(value), 'f', 9);
    const int dot = digits.indexOf(u'.');
    QString intPart = digits.left(dot);
    QString frac = digits.mid(dot + 1);
    // Trim the noise of the binary representation beyond 15 significant digits.
    const QString shortest = QString::number(std::fabs(value), 'g', 15);
    if (!shortest.contains(u'e')) {
        const int sdot = shortest.indexOf(u'.');
        intPart = sdot < 0 ? shortest : shortest.left(sdot);
        frac = sdot < 0 ? QString() : shortest.mid(sdot + 1);
    }
    frac = frac.leftJustified(3, u'0');
    qint64 cents = intPart.toLongLong() * 100 + frac.left(2).toInt();
    if (frac.at(2) >= u'5')
        ++cents;
    const bool negative = value < 0 && cents != 0;
    QString whole = QString::number(cents / 100);
    for (int i = whole.size() - 3; i > 0; i -= 3)
        whole.insert(i, u'.');
    const QString centText = QStringLiteral("%1").arg(cents % 100, 2, 10, QLatin1Char('0'));
    return (negative ? QStringLiteral("-") : QString()) + whole + u',' + centText;
}

std::optional<double> GermanMoney::parse(const QString &text)
{
    static const QRegularExpression re(QStringLiteral(
        "^\\s*([+-]?)(\\d{1,3}(?:\\.\\d{3})+|\\d+)?(?:,(\\d*))?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    QString whole = m.captured(2);
    const QString frac = m.captured(3);
    if (whole.isEmpty() && frac.isEmpty())
        return std::nullopt;
    whole.remove(u'.');
    bool ok = false;
    const double v = (whole.isEmpty() ? QStringLiteral("0") : whole)
                         .append(u'.')
                         .append(frac.isEmpty() ? QStringLiteral("0") : frac)
                         .toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return m.captured(1) == QLatin1String("-") ? -v : v;
}

QString GermanMoney::plain(double value)
{
    QString s = QString::number(value, 'g', 15);
    if (s.contains(u'e'))
        s = QString::number(value, 'f', 6);
    s.replace(u'.', u',');
    return s;
}
