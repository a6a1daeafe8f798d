#include "reference/Heilbehandlungsbereiche.h"

#include "base/GermanMoney.h"

const QStringList &Heilbehandlungsbereiche::alle()
{
    static const QStringList bereiche = {
        QStringLiteral("I. Inhalationen"),
        QStringLiteral("II. Krankengymnastik, Bewegungsübungen"),
        QStringLiteral("III. Massagen"),
        QStringLiteral("IV. Packungen, Hydrotherapie, Bäder"),
        QStringLiteral("V. Kälte- und Wärmebehandlung"),
        QStringLiteral("VI. Elektrotherapie"),
        QStringLiteral("VII. Lichttherapie"),
        QStringLiteral("VIII. Logopädie"),
        QStringLiteral("IX. Beschäftigungstherapie (Ergotherapie)"),
        QStringLiteral("X. Sonstiges"),
    };
    return bereiche;
}

int Heilbehandlungsbereiche::position(const QVariant &bereich)
{
    bool ok = false;
    const int n = bereich.toInt(&ok);
    return ok && n >= 1 && n <= alle().size() ? n - 1 : -1;
}

QString Heilbehandlungsbereiche::betrag(const QVariant &wert)
{
    if (!wert.isValid() || wert.isNull() || wert.toString().trimmed().isEmpty())
        return {};
    bool ok = false;
    const double d = wert.toDouble(&ok);
    return ok ? GermanMoney::format(d) : QString();
}
