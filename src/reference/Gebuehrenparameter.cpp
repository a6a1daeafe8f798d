#include "reference/Gebuehrenparameter.h"

#include "base/GermanMoney.h"

const QList<Gebuehrenparameter> &Gebuehrenparameter::alle()
{
    static const QList<Gebuehrenparameter> liste = {
        {QStringLiteral("Ä"), QStringLiteral("Gebührenordnung für Ärzte (GOÄ)"), QStringLiteral("0,0582873"),
         QStringLiteral("0,114"), 1},
        {QStringLiteral("Z"), QStringLiteral("Gebührenordnung für Zahnärzte (GOZ)"), QStringLiteral("0,0562421"),
         QStringLiteral("0,11"), 3},
        {QStringLiteral("Y"), QStringLiteral("Gebührenverzeichnis für Heilpraktiker (GebüH)"),
         QStringLiteral("0,0582873"), QStringLiteral("0,114"), 2},
    };
    return liste;
}

std::optional<Gebuehrenparameter> Gebuehrenparameter::zuCode(const QString &code)
{
    for (const Gebuehrenparameter &p : alle())
        if (p.code == code)
            return p;
    return std::nullopt;
}

double Gebuehrenparameter::punktwert(const QString &text)
{
    return GermanMoney::value(text);
}
