#include "ledger/Summen.h"

#include "base/GermanMoney.h"

double Summen::gesamt(double dm, double euro, Waehrung in)
{
    return in == DM ? euro * GermanMoney::DmPerEuro + dm : dm / GermanMoney::DmPerEuro + euro;
}

QStringList Summen::listenzeile(const Rechnungsposition &r)
{
    return {QString::number(r.Beleg),
            r.Datum.text(),
            r.Empfaenger.text(),
            r.Art.text(),
            GermanMoney::format(r.Rechnung),
            GermanMoney::format(r.Versicherung),
            r.euro ? QStringLiteral("EUR") : QStringLiteral("DM"),
            r.Arzt.text()};
}

Summen Summen::einlesen(const Rechnungspositionen &tabelle, bool antragInEuro)
{
    Summen s;
    s.antragInEuro = antragInEuro;
    s.anzahl = tabelle.anzahl();
    s.leer = tabelle.istLeer();
    for (const Rechnungsposition &r : tabelle.alle()) {
        const int w = r.euro ? Euro : DM;
        s.rechnung[w] += r.Rechnung;
        s.versicherung[w] += r.Versicherung;
        const int p = r.person();
        if (p == 0)
            continue;
        s.personRechnung[p - 1][AlleGruppen][w] += r.Rechnung;
        s.personVersicherung[p - 1][AlleGruppen][w] += r.Versicherung;
        const QChar gruppe = r.Art.text().at(0);
        if (gruppe == u'1' || gruppe == u'2') {
            s.personRechnung[p - 1][ErsteZweiGruppen][w] += r.Rechnung;
            s.personVersicherung[p - 1][ErsteZweiGruppen][w] += r.Versicherung;
        }
    }
    return s;
}

QString Summen::infozeile() const
{
    if (leer)
        return leereInfozeile();
    return QString::number(anzahl) + QStringLiteral(" Rechnungen erfasst mit Gesamtbetrag : ")
           + GermanMoney::format(rechnungGesamt(DM)) + QStringLiteral(" DM / ")
           + GermanMoney::format(rechnungGesamt(Euro)) + QStringLiteral(" EUR");
}

QList<QPair<QString, QString>> Summen::felder() const
{
    QList<QPair<QString, QString>> out;
    if (leer) {
        out.append({QStringLiteral("SummeRechnungsbetrag"), QStringLiteral("0")});
        out.append({QStringLiteral("SummeVersicherungsbetrag"), QStringLiteral("0")});
        return out;
    }
    const Waehrung in = antragInEuro ? Euro : DM;
    const auto f = [](double v) { return GermanMoney::format(v); };
    out.append({QStringLiteral("SummeRechnungsbetrag"), f(rechnungGesamt(in))});
    out.append({QStringLiteral("SummeVersicherungsbetrag"), f(versicherungGesamt(in))});
    out.append({QStringLiteral("SummeRechnungsbetragDM"), f(rechnung[DM])});
    out.append({QStringLiteral("SummeVersicherungsbetragDM"), f(versicherung[DM])});
    out.append({QStringLiteral("SummeRechnungsbetragEuro"), f(rechnung[Euro])});
    out.append({QStringLiteral("SummeVersicherungsbetragEuro"), f(versicherung[Euro])});
    const char personen[3] = {'A', 'E', 'K'};
    for (int p = 0; p < 3; ++p) {
        const QChar c = QLatin1Char(personen[p]);
        const auto &r = personRechnung[p];
        const auto &v = personVersicherung[p];
        out.append({QStringLiteral("LBVSumme") + c + u'R', f(gesamt(r[0][DM], r[0][Euro], in))});
        out.append({QStringLiteral("LBVSumme") + c + u'V', f(gesamt(v[0][DM], v[0][Euro], in))});
        out.append({QStringLiteral("LBVEndsumme") + c + u'R', f(gesamt(r[1][DM], r[1][Euro], in))});
        out.append({QStringLiteral("LBVEndsumme") + c + u'V', f(gesamt(v[1][DM], v[1][Euro], in))});
    }
    out.append({QStringLiteral("EndsummeWährung"), antragInEuro ? QStringLiteral("EUR") : QStringLiteral("DM")});
    return out;
}
