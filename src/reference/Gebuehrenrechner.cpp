#include "reference/Gebuehrenrechner.h"

#include "base/GermanMoney.h"
#include "reference/Gebuehrenregeln.h"

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
    // Each amount is the exact product, rounded once after the factor.
    const auto betrag = [&](double faktor) {
        return GermanMoney::format(Gebuehrenregeln::aufCentRunden(punkte * punktwert * faktor - korrektur));
    };
    e.einfachwert = betrag(1.0);
    const double faktor = schwellenfaktor(schluessel);
    e.faktor = GermanMoney::plain(faktor);
    e.schwellenwert = faktor > 0.0 ? betrag(faktor) : GermanMoney::format(0.0);
    if (const auto m = Gebuehrenregeln::faktorLesen(manuellerFaktor))
        e.manuellwert = betrag(*m);
    return e;
}
