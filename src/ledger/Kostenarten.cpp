#include "ledger/Kostenarten.h"

const QStringList &Kostenarten::allgemein()
{
    static const QStringList liste = {
        QStringLiteral("AB;ärztliche Behandlung"),
        QStringLiteral("ZB;Zahnbehandlung"),
        QStringLiteral("BH;Betriebsmittel für Hilfsmittel"),
        QStringLiteral("RP;Arznei- und sonst. Heilmittel"),
        QStringLiteral("KB;kieferorthop. Behandlung"),
        QStringLiteral("KH;Stat. Krankenhausbehandlung"),
        QStringLiteral("SB;Sanatoriumsbehandlung"),
        QStringLiteral("DA;Dauernde Anstaltsunterbringung"),
        QStringLiteral("HP;Häusliche Pflege"),
        QStringLiteral("HS;sonstige Hilfsmittel"),
        QStringLiteral("HK;Heilkur"),
        QStringLiteral("HM;Hilfsmittel (Brille, etc.)"),
        QStringLiteral("BF;Beförderungskosten"),
        QStringLiteral("BK;Bestattungskosten"),
        QStringLiteral("VU;Vorsorgeuntersuchung"),
        QStringLiteral("SO;sonstige"),
        QStringLiteral("ZU;Zuschuss"),
    };
    return liste;
}

const QStringList &Kostenarten::lbv()
{
    static const QStringList liste = {
        QStringLiteral("1 (AB);ambulante Arztbehandlung"),
        QStringLiteral("1 (BF);ambulante Arztbehandlung (Beförderungskosten)"),
        QStringLiteral("2 (RP);Rezeptkosten"),
        QStringLiteral("3 (HM);Hilfsmittel"),
        QStringLiteral("4 (KH);Stationäre Krankenhausbehandlung"),
        QStringLiteral("4 (SB);Stationäre Sanatoriumsbehandlung"),
        QStringLiteral("4 (AB);Stationäre Arztbehandlung"),
        QStringLiteral("4 (BF);Stationäre Behandlung (Beförderungskosten)"),
        QStringLiteral("5 (ZB);Zahnärztliche Leistungen"),
        QStringLiteral("5 (KB);kieferorthopädische Leistungen"),
        QStringLiteral("6;häusliche Pflege"),
        QStringLiteral("7 (BK);Bestattungskosten"),
        QStringLiteral("8;Kosten mit Leistungsausschluss"),
    };
    return liste;
}

const QStringList &Kostenarten::fuer(const QString &formularart)
{
    return istLbv(formularart) ? lbv() : allgemein();
}
