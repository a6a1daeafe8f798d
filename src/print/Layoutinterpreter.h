#pragma once

#include "print/Druckvariante.h"
#include "print/Layoutzeile.h"

#include <QHash>
#include <QString>
#include <optional>

class Belegquelle;
class Feldtabelle;
class Fortschritt;
class Seitenflaeche;
class Zusatzfeldtabelle;

// What one run of the interpreter needs from its caller.
struct Druckauftrag
{
    Druckvariante variante;
    QString datenbank;        // path of drucken.mdb
    QString layout;           // layout name (Bereich)
    bool euro = false;        // AntragsdruckEuro
    bool querformat = false;  // landscape switch
    bool komplett = false;    // complete-form switch
    bool nurInhalte = false;  // contents-only switch (expense variants)
    QString offset;           // text of the offset field
    QString pKVP;             // person code of an insurance list
    const Feldtabelle *felder = nullptr;
    const Zusatzfeldtabelle *zusatz = nullptr;
    const Belegquelle *belege = nullptr;
    Fortschritt *fortschritt = nullptr;
};

struct Druckergebnis
{
    bool ok = false;
    QString fehler; // German, for the user
    int zeilen = 0; // layout rows drawn
};

// Reads the rows of a layout, puts the field values into their contents and
// draws them on a page surface. Knows no widget.
class Layoutinterpreter
{
public:
    // Field values by the name printing asks for (the tag without its type
    // character): the last row's value, and whether any row of that name is
    // changed.
    class Feldindex
    {
    public:
        Feldindex() = default;
        Feldindex(const Feldtabelle *felder, const Zusatzfeldtabelle *zusatz);
        struct Eintrag
        {
            QString wert;
            bool geaendert = false;
        };
        const Eintrag *finde(const QString &name) const;

    private:
        QHash<QString, Eintrag> m_felder;
    };

    // A whole run: reads the layout and draws it. When the database or the
    // layout cannot be found nothing is drawn and no page is started.
    static Druckergebnis drucken(const Druckauftrag &auftrag, Seitenflaeche &flaeche);
    // Only the reading: the rows of the job's layout, or nothing and the
    // message for the user. Callers that must ask something before a page
    // starts (a file name) read first and draw with zeichnen().
    static std::optional<Layout> vorlage(const Druckauftrag &auftrag, QString *fehler);
    // The run over rows already read (ordered by kind and top edge).
    static Druckergebnis zeichnen(const Druckauftrag &auftrag, const Layout &layout, Seitenflaeche &flaeche);

    // Field substitution of one content. aenderung is switched on when a
    // field of the content is changed (where the variant tests changes).
    static QString ersetzen(const QString &inhalt, const Druckvariante &variante, const Feldindex &felder,
                            const QString &pKVP, bool *aenderung);
    // The offset field as whole millimetres (halves to the even number);
    // nothing when the text is not a number.
    static std::optional<int> offsetWert(const QString &text);
    // Number and kind columns the way a row reads them.
    static std::optional<double> zahl(const QVariant &wert);
    static std::optional<int> ganzzahl(const QVariant &wert);

    static QString nichtGefunden(const QString &layout);
};
