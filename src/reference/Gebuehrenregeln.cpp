#include "reference/Gebuehrenregeln.h"

#include <QRegularExpression>

#include <cmath>

double Gebuehrenregeln::aufCentRunden(double euro)
{
    if (!std::isfinite(euro))
        return 0.0;
    // The products carry binary noise far below a millionth of a cent; the
    // small lift keeps an exact half cent from falling to the lower side.
    const double cent = std::floor(std::fabs(euro) * 100.0 + 0.5 + 1e-7);
    return std::copysign(cent / 100.0, euro);
}

double Gebuehrenregeln::gebuehr(double punkte, double punktwertEuro, double faktor)
{
    return aufCentRunden(punkte * punktwertEuro * faktor);
}

QString Gebuehrenregeln::nummerSchluessel(const QString &nummer)
{
    QString s;
    s.reserve(nummer.size());
    for (const QChar c : nummer)
        if (!c.isSpace())
            s.append(c);
    s = s.toCaseFolded();
    qsizetype null = 0;
    while (null + 1 < s.size() && s.at(null) == u'0' && s.at(null + 1).isDigit())
        ++null;
    return s.mid(null);
}

std::optional<double> Gebuehrenregeln::faktorLesen(const QString &text)
{
    static const QRegularExpression muster(QStringLiteral("^\\s*(\\d+)(?:[.,](\\d+))?\\s*$"));
    const auto m = muster.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    bool ok = false;
    const double wert = (m.captured(1) + u'.' + (m.captured(2).isEmpty() ? QStringLiteral("0") : m.captured(2)))
                            .toDouble(&ok);
    if (!ok || !(wert > 0.0) || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

QString Gebuehrenregeln::faktorText(double faktor)
{
    QString t = QString::number(faktor, 'f', 4);
    while (t.endsWith(u'0'))
        t.chop(1);
    if (t.endsWith(u'.'))
        t.append(u'0');
    return t.replace(u'.', u',');
}
