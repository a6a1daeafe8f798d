#include "reference/Gebuehrenrechner.h"

#include "base/GermanMoney.h"

double Gebuehrenrechner::schwellenfaktor(const QString &schluessel)
{
    if (schluessel == QLatin1String("b"))
        return 2.3;
    if (schluessel == QLatin1String("e"))
        return 1.0;
    if (schluessel == QLatin1String("l"))
        return 1.8;
    if (schluessel == QLatin1String("m"))
        return 1.15;
    return 0.0;
}

Gebuehrenrechner::Ergebnis Gebuehrenrechner::berechnen(const QString &code, bool dm, double punkte,
                                                       double punktwert, const QString &schluessel,
                                                       const QString &manuellerFaktor)
{
    Ergebnis e;
    const double korrektur = (code == QLatin1String("Z") && dm) ? DmKorrekturGoz : 0.0;
    e.einfachwert = GermanMoney::format(punkte * punktwert - korrektur);
    const double angezeigt = GermanMoney::value(e.einfachwert);
    const double faktor = schwellenfaktor(schluessel);
    e.faktor = GermanMoney::plain(faktor);
    e.schwellenwert = GermanMoney::format(angezeigt * faktor);
    if (const auto m = GermanMoney::parse(manuellerFaktor))
        e.manuellwert = GermanMoney::format(angezeigt * *m);
    return e;
}
