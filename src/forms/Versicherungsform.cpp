#include "forms/Versicherungsform.h"

namespace {
const Versicherungsmaske::Art kArt = {
    "Versicherungsform",
    "Versicherungen",
    2,
    "Antragstellende Person, Ehegattin/Ehegatte und Kinder sind wie folgt gegen Krankheit versichert :",
    {"Personen (Reihenfolge der Kinder beibehalten)", "nicht ver- sichert", "Privat versichert",
     "pflicht -       versichert bei", "freiwillig      versichert bei", "familien-     versichert über"},
    "* In einer gesetzlichen Krankenversicherung",
    true,
    "2nv%1",
    "1privat%1",
    "1privat%1seit",
    "1pflicht%1",
    "1freiwillig%1",
    "2familieAE",
    "2familieEA",
    "2familie%1A",
    "2familie%1E",
    "Zuschuss eines Arbeitgebers zum Krankenversicherungsbeitrag nach § 257 SGB V stand zu",
    {"Personen", "für die Zeit vom - bis", "Zustehender Zuschuss im Antragsmonat", "KV-Beitrag im Antragsmonat"},
    "1ZAZeit%1",
    "1ZAZZ%1",
    "1ZAKV%1",
};
} // namespace

Versicherungsform::Versicherungsform(Hauptform &hauptform)
    : Versicherungsmaske(hauptform, kArt)
{
    aufbauen();
}

QString Versicherungsform::tipp(const QString &spalte, int i) const
{
    if (spalte == QLatin1String("nicht"))
        return u'(' + zeilentitel(i) + QStringLiteral(") ankreuzen, wenn nicht versichert");
    if (spalte == QLatin1String("privat") || spalte == QLatin1String("pflicht")
        || spalte == QLatin1String("freiwillig"))
        return QStringLiteral("Name der Versicherung");
    if (spalte == QLatin1String("FVA"))
        return QStringLiteral("ankreuzen, wenn familienversichert über den Antragsteller");
    if (spalte == QLatin1String("FVE"))
        return QStringLiteral("ankreuzen, wenn familienversichert über Ehegattin/Ehegatte");
    if (spalte == QLatin1String("Zeitraum"))
        return QStringLiteral("Zeitraum (vom  bis), siehe auch Bemerkung rechts aussen --> ");
    if (spalte == QLatin1String("Zuschuss"))
        return QStringLiteral("zustehender Zuschuss im Antragsmonat, siehe auch Bemerkung rechts aussen --> ");
    if (spalte == QLatin1String("KVB"))
        return QStringLiteral("Krankenversicherungsbeitrag im Antragsmonat");
    return {};
}
