#include "print/Antragsseiten.h"

const std::array<Antragsseiten::Seite, 8> &Antragsseiten::seiten()
{
    static const std::array<Seite, 8> s = {{
        {0, false, "vorderseite"},
        {1, false, "rueckseite"},
        {0, true, "vorderseite-komplett"},
        {1, true, "rueckseite-komplett"},
        {2, false, "pflege-vorderseite"},
        {3, false, "pflege-rueckseite"},
        {2, true, "pflege-vorderseite-komplett"},
        {3, true, "pflege-rueckseite-komplett"},
    }};
    return s;
}

std::optional<int> Antragsseiten::index(const QString &name)
{
    for (int i = 0; i < int(seiten().size()); ++i)
        if (name == QLatin1String(seiten()[i].name))
            return i;
    return std::nullopt;
}

QString Antragsseiten::layoutname(const QString &referenz, bool *querformat)
{
    if (referenz.isEmpty())
        return {};
    const QChar erstes = referenz.at(0);
    if (erstes >= u'0' && erstes <= u'9' && querformat) {
        const int wert = erstes.digitValue() - 1;
        if (wert == 0)
            *querformat = false;
        else if (wert > 0)
            *querformat = true;
    }
    return referenz.mid(1, 15);
}

const QList<Antragsseiten::Nebenantrag> &Antragsseiten::nebenantraege()
{
    static const QList<Nebenantrag> n = {
        {QStringLiteral("unfallbericht"), QStringLiteral("UB"), {QStringLiteral("UB1"), QStringLiteral("UB2")}},
        {QStringLiteral("vorschuss"), QStringLiteral("VS"), {QStringLiteral("AV1"), QStringLiteral("AV2")}},
        {QStringLiteral("abschlagszahlung"), QStringLiteral("AB"), {QStringLiteral("AB")}},
    };
    return n;
}

const Antragsseiten::Nebenantrag *Antragsseiten::nebenantrag(const QString &seiteOderCode)
{
    for (const Nebenantrag &n : nebenantraege())
        if (n.seite == seiteOderCode || n.code == seiteOderCode)
            return &n;
    return nullptr;
}
