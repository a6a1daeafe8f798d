#include "ledger/LbvPruefung.h"

#include "ledger/Kostenarten.h"

int LbvPruefung::zeilen(int gruppe)
{
    static constexpr int kZeilen[Gruppen] = {8, 11, 3, 6, 4, 3, 2, 2, 13, 7};
    return gruppe >= 1 && gruppe <= Gruppen ? kZeilen[gruppe - 1] : 0;
}

int LbvPruefung::gruppe(const Rechnungsposition &r)
{
    const QChar c = r.Art.text().at(0);
    if (c.isDigit() && c.unicode() < 128)
        return c.digitValue(); // "0" gives group 0, which has no lines: none
    if (c == u'P')
        return r.istPauschale() ? 10 : 9;
    return 0;
}

QString LbvPruefung::bericht(const Rechnungspositionen &tabelle, const QString &formularart)
{
    if (tabelle.istLeer() || !Kostenarten::istLbv(formularart))
        return {};
    int zaehler[Gruppen + 1][3] = {};
    for (const Rechnungsposition &r : tabelle.alle()) {
        const int g = gruppe(r);
        const int p = r.person();
        if (g >= 1 && g <= Gruppen && p > 0)
            ++zaehler[g][p - 1];
    }
    static const char *const personen[3] = {"Antragsteller", "Ehegattin/Ehegatte", "Kinder"};
    QString out;
    for (int g = 1; g <= Gruppen; ++g) {
        for (int p = 0; p < 3; ++p) {
            if (zaehler[g][p] <= zeilen(g))
                continue;
            out += QStringLiteral("Kostenart %1 für %2 (%3 maximal, aber %4 wurden erfasst)\r\n")
                       .arg(g)
                       .arg(QString::fromLatin1(personen[p]))
                       .arg(zeilen(g))
                       .arg(zaehler[g][p]);
        }
    }
    return out;
}

QString LbvPruefung::meldung(const QString &bericht)
{
    return QStringLiteral("Zuviele Aufwendungen im Antrag !\r\n") + bericht
           + QStringLiteral("\r\nLöschen Sie einen Beleg der entsprechenden Kostenart!\r\n"
                            "Erfassen Sie den Beleg in einer neuen Zusammenstellung!");
}
