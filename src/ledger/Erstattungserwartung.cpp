#include "ledger/Erstattungserwartung.h"

#include "base/GermanMoney.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

double Erstattungserwartung::cent(double betrag)
{
    return std::round(betrag * 100) / 100;
}

QString Erstattungserwartung::personName(int person)
{
    switch (person) {
    case 1:
        return QStringLiteral("Antragsteller");
    case 2:
        return QStringLiteral("Ehegatte");
    case 3:
        return QStringLiteral("Kinder");
    default:
        return {};
    }
}

Erstattungserwartung::Ergebnis Erstattungserwartung::berechnen(const Eingabe &e, const Saetze &s)
{
    Ergebnis r;
    const double satz = s.fuer(e.person);
    const double rechnung = std::max(0.0, e.rechnung);
    r.anerkannt = rechnung;
    if (e.kuerzung > 0) {
        r.anerkannt = cent(std::max(0.0, rechnung - e.kuerzung));
        r.regeln |= Gebuehren;
    }
    if (satz < 0) {
        r.regeln |= OhneSatz;
        return r;
    }
    r.prozent = satz;
    double erwartet = cent(r.anerkannt * satz / 100);
    const double rest = cent(std::max(0.0, rechnung - std::max(0.0, e.versicherung)));
    if (erwartet > rest) {
        erwartet = rest;
        r.regeln |= Hoechstgrenze;
    }
    r.erwartet = erwartet;
    return r;
}

QVector<Erstattungserwartung::Ergebnis> Erstattungserwartung::berechnen(const QVector<Eingabe> &eingaben,
                                                                       const Saetze &s)
{
    QVector<Ergebnis> liste;
    liste.reserve(eingaben.size());
    for (const Eingabe &e : eingaben)
        liste.append(berechnen(e, s));
    return liste;
}

QString Erstattungserwartung::erklaerung(const Eingabe &e, const Ergebnis &r)
{
    const auto betrag = [](double x) { return GermanMoney::format(x); };
    QStringList zeilen;
    if (r.regeln & OhneSatz) {
        zeilen << (e.person == 0 ? QStringLiteral("Keine Erwartung: der Empfänger ist weder A, E noch K.")
                                 : QStringLiteral("Keine Erwartung: in den persönlichen Daten fehlt der "
                                                  "Bemessungssatz für %1.")
                                       .arg(personName(e.person)));
    }
    if (r.regeln & Gebuehren)
        zeilen << QStringLiteral("Gebührenprüfung: %1 von %2 zählen nicht (%3). Eine Position über dem "
                                 "Schwellenwert ohne Begründung zählt höchstens mit dem Schwellenwert, über dem "
                                 "Höchstsatz mit dem Höchstsatz, ein Heilpraktiker höchstens mit dem "
                                 "Höchstbetrag der BVO NRW (GOÄ/GOZ § 5, § 12 Abs. 3 GOÄ; Anlage 4 BVO NRW).")
                      .arg(betrag(e.kuerzung), betrag(e.rechnung),
                           e.kuerzungsgrund.isEmpty() ? QStringLiteral("ohne Angabe") : e.kuerzungsgrund);
    if (!(r.regeln & OhneSatz)) {
        zeilen << QStringLiteral("%1 % (Bemessungssatz %2, § 12 Abs. 1 BVO NRW) von %3 = %4")
                      .arg(QString::number(r.prozent, 'g', 4).replace(u'.', u','), personName(e.person),
                           betrag(r.anerkannt), betrag(cent(r.anerkannt * r.prozent / 100)));
        if (r.regeln & Hoechstgrenze)
            zeilen << QStringLiteral("Begrenzt auf %1: Beihilfe und Versicherungsanteil (%2) zusammen höchstens "
                                     "der Rechnungsbetrag (§ 12 Abs. 6 BVO NRW).")
                          .arg(betrag(r.erwartet), betrag(e.versicherung));
    }
    const QString kdp = kdpHinweis(e.datum);
    if (!kdp.isEmpty())
        zeilen << kdp;
    return zeilen.join(u'\n');
}

QString Erstattungserwartung::kdpHinweis(const QDate &rechnungsdatum)
{
    if (!kdpMoeglich(rechnungsdatum))
        return {};
    return QStringLiteral("Rechnung vor 2022: die Beihilfestelle kann noch eine Kostendämpfungspauschale "
                          "einbehalten (§ 12a BVO NRW alter Fassung); sie ist hier nicht abgezogen.");
}
