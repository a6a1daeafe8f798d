#include "privatekv/Versicherungsdaten.h"

#include "fields/Feldtabelle.h"

namespace {
// In the order of the field numbers (the order the screen fills its boxes).
const Versicherungsdaten::Beschreibung kFelder[Versicherungsdaten::Felder] = {
    {"Vorname", "PVorname", "Vorname", "Vorname", "Vorname", false},
    {"Nachname", "PNachname", "Nachname", "Nachname", "Nachname", false},
    {"Geburtsdatum", "PGeburtsdatum", "Geburtsdatum", "Geburtsdatum", "Geburtsdatum (TT.MM.JJJJ)", false},
    {"Versicherungsnummer", "PVersicherungsnummer", "Versicherungsnummer", "Versicherungs-Nr.", "Versicherungsnummer",
     false},
    {"Servicenummer", "PServicenummer", "Servicenummer", "(Service)-Nr.", "Service-Nr.", false},
    {"Name1", "PName1", "Name1", "Name 1", "Versicherungs-Name-1", true},
    {"Name2", "PName2", "Name2", "Name 2", "Versicherungs-Name-2", true},
    {"Strasse", "PStrasse", "Strasse", "Strasse", "Straße", true},
    {"PLZ", "PPLZ", "PLZ", "PLZ/Ort", "Postleitzahl", true},
    {"Ort", "POrt", "Ort", "", "Ort", true},
    {"Ansprechpartner", "PAnsprechpartner", "Ansprechpartner", "Ansprechpartner", "Name des Ansprechpartners", true},
    {"Telefon", "PTelefon", "Telefon", "Telefon", "Telefonnummer des Ansprechpartners", true},
    {"Telefax", "PTelefax", "Telefax", "Telefax", "Telefaxnummer des Ansprechpartners", true},
    {"email", "PEmail", "email", "email", "Elektronische Postadresse des Ansprechpartners", true},
    {"Tarif", "PTarif", "Tarif", "Tarif in %", "Versicherungstarif in Prozent", false},
    {"Tagegeld", "PTagegeld", "Tagegeld", "KH-Tagegeld €/Tag", "Krankenhaustagegeld in Betrag je Tag", false},
    {"Beitrag", "PBeitrag", "Beitrag", "Beitrag in €/Monat", "Beitrag je Monat", false},
};
} // namespace

const Versicherungsdaten::Beschreibung &Versicherungsdaten::beschreibung(int feld)
{
    return kFelder[feld];
}

QString Versicherungsdaten::knopftext(int person)
{
    if (person == 0)
        return QStringLiteral("Antragsteller");
    if (person == 1)
        return QStringLiteral("Ehegatte");
    return QStringLiteral("Kind %1").arg(person - 1);
}

QString Versicherungsdaten::knopftipp(int person)
{
    if (person == 0)
        return QStringLiteral("Private Krankenversicherung für Antragsteller");
    if (person == 1)
        return QStringLiteral("Private Krankenversicherung für Ehegattin/Ehegatte");
    return QStringLiteral("Private Krankenversicherung für Kind-%1").arg(person - 1);
}

QString Versicherungsdaten::suffix(int person)
{
    if (person == 0)
        return QStringLiteral("A");
    if (person == 1)
        return QStringLiteral("E");
    return QStringLiteral("K%1").arg(person - 1);
}

QString Versicherungsdaten::tag(int feld, int person)
{
    return QStringLiteral("1privateKV_") + QLatin1String(kFelder[feld].feld) + suffix(person);
}

Versicherungsdaten::Werte Versicherungsdaten::aus(const Feldtabelle &tabelle, int person)
{
    // As the screen fill does it: a later row of the same tag wins.
    Werte w;
    for (int f = 0; f < Felder; ++f) {
        const QString t = tag(f, person);
        for (const Feldtabelle::Zeile &z : tabelle.zeilen())
            if (z.name == t)
                w[f] = z.wert;
    }
    return w;
}
