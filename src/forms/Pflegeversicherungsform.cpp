#include "forms/Pflegeversicherungsform.h"

namespace {
const Versicherungsmaske::Art kArt = {
    "Pflegeversicherungsform",
    "Pflegeversicherung",
    5,
    "Antragstellende Person, Ehegatte und Kinder sind wie folgt gegen das Risiko der Pflegebedürftigkeit "
    "versichert :",
    {"Personen (Reihenfolge der Kinder beibehalten)", "nicht ver- sichert", "Privat         versichert bei",
     "pflicht -       versichert bei", "weiter         versichert bei", "familien-     versichert über"},
    "# In der sozialen Pflegeversicherung",
    false,
    "2Pnv%1",
    "1Pprivat%1",
    "",
    "1Ppflicht%1",
    "1Pfreiwillig%1",
    "2PfamilieAE",
    "2PfamilieEA",
    "2Pfamilie%1A",
    "2Pfamilie%1E",
    "Zuschuss eines Arbeitgebers zum Pflegeversicherungsbeitrag nach § 61 SGB XI stand zu",
    {"Personen", "für die Zeit vom - bis", "Zustehender Zuschuss im Antragsmonat", "PV-Beitrag im Antragsmonat"},
    "1PZAZeit%1",
    "1PZAZZ%1",
    "1PZAKV%1",
};

// The person as the subsidy tool tips name it.
QString person(int i)
{
    if (i == 0)
        return QStringLiteral("Antragsteller");
    if (i == 1)
        return QStringLiteral("Ehegattin/Ehegatte");
    return QStringLiteral("Kind-%1").arg(i - 1);
}
} // namespace

Pflegeversicherungsform::Pflegeversicherungsform(Hauptform &hauptform)
    : Versicherungsmaske(hauptform, kArt)
{
    aufbauen();
}

QString Pflegeversicherungsform::tipp(const QString &spalte, int i) const
{
    if (spalte == QLatin1String("nicht")) {
        if (i >= 2)
            return QStringLiteral("ankreuzen, wenn dieses Kind nicht gegen das Risiko der Pflegebedürftigkeit "
                                  "versichert ist (alle Felder rechts nicht berücksichtigen) ");
        return QStringLiteral("ankreuzen, wenn %1 nicht gegen das Risiko der Pflegebedürfigkeit versichert ist "
                              "(alle Felder rechts nicht berücksichtigen)")
            .arg(i == 0 ? QStringLiteral("Antragsteller") : QStringLiteral("Ehegattin/Ehegatte"));
    }
    if (spalte == QLatin1String("privat"))
        return i == 0 ? QStringLiteral("Privat versichert bei Versicherungunternehmen:")
                      : QStringLiteral("Privat versichert bei Versicherungsunternehmen:");
    if (spalte == QLatin1String("pflicht"))
        return QStringLiteral("Pflichtversichert bei:");
    if (spalte == QLatin1String("freiwillig"))
        return QStringLiteral("weiter versichert bei:");
    if (spalte == QLatin1String("FVA"))
        return QStringLiteral("ankreuzen, wenn familienversichert über Antragsteller");
    if (spalte == QLatin1String("FVE"))
        return QStringLiteral("ankreuzen, wenn familienversichert über Ehegattin/Ehegatte");
    if (spalte == QLatin1String("Zeitraum"))
        return QStringLiteral("Zuschuß des Arbeitgebers im Zeitraum vom bis (siehe Hinweis -->)  für %1 ").arg(person(i));
    if (spalte == QLatin1String("Zuschuss"))
        return QStringLiteral("zustehender Zuschuß im Antargsmonat (siehe Hinweis--> ) für %1").arg(person(i));
    if (spalte == QLatin1String("KVB"))
        return QStringLiteral("Pflegeversicherungsbeitrag im Antragsmonat (siehe Hinweis-->) für %1").arg(person(i));
    return {};
}
