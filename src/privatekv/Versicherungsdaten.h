#pragma once

#include <QString>
#include <array>

class Feldtabelle;

// The private health insurance data of the seven persons of a household
// (applicant, spouse, five children): the seventeen values of a person, the
// names and texts of their controls, and the field tags of the hidden
// holders that keep them in the field store ("1privateKV_NachnameK2").
class Versicherungsdaten
{
public:
    static constexpr int Personen = 7;
    static constexpr int Felder = 17;

    // Field numbers, in the order the screen fills its boxes.
    enum Feld {
        Vorname, Nachname, Geburtsdatum, Versicherungsnummer, Servicenummer, Name1, Name2, Strasse, PLZ, Ort,
        Ansprechpartner, Telefon, Telefax, Email, Tarif, Tagegeld, Beitrag
    };

    struct Beschreibung
    {
        const char *feld;    // the field's name in the tag
        const char *halter;  // objectName of the holder array
        const char *eingabe; // objectName of the input box
        const char *label;   // label on screen, empty: on the line of the box before
        const char *tipp;    // tool tip of the input box
        bool anschrift;      // in the group of the insurer's address
    };
    static const Beschreibung &beschreibung(int feld);

    // Person n: the caption and tool tip of its button, its field suffix.
    static QString knopftext(int person);
    static QString knopftipp(int person);
    static QString suffix(int person); // "A", "E", "K1" ... "K5"

    // "1privateKV_" + field + suffix.
    static QString tag(int feld, int person);

    // The values of one person.
    using Werte = std::array<QString, Felder>;
    // A person's values as the field table holds them (empty where it has none).
    static Werte aus(const Feldtabelle &tabelle, int person);
};
