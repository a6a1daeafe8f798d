#pragma once

#include "shell/Maske.h"

class QLabel;

// The common shape of the health and the long-term care insurance screens:
// seven persons, how each is insured, and the employer's subsidy. The
// family-insurance boxes "A" and "E" of a child exclude each other. With a
// "since" column, the hint Privatinfo tells who fills which private column.
class Versicherungsmaske : public Maske
{
    Q_OBJECT
public:
    static constexpr int Personen = 7;

    // Everything in which the two screens differ.
    struct Art
    {
        const char *name;
        const char *titel;
        int marker;
        const char *obenTitel;
        const char *kopf[6]; // persons, not insured, private, compulsory, voluntary/continued, family
        const char *fussnote;
        bool mitSeit;        // private insurance has a "since" column
        const char *tagNicht, *tagPrivat, *tagSeit, *tagPflicht, *tagFreiwillig;
        const char *tagFamilieAE, *tagFamilieEA;
        const char *tagFamilieA, *tagFamilieE; // of a child, "%1" is its code
        const char *untenTitel;
        const char *untenKopf[4];
        const char *tagZeit, *tagZuschuss, *tagBeitrag;
    };

    // Row caption and person code of row i ("Antragsteller", "A"; ... "Kind 5", "K5").
    static QString zeilentitel(int i);
    static QString personencode(int i);

protected:
    Versicherungsmaske(Hauptform &hauptform, const Art &art);
    // Builds the screen; called by the subclass once it can give its tool tips.
    void aufbauen();
    // Tool tip of a column ("nicht", "privat", "seit", "pflicht", "freiwillig",
    // "FVA", "FVE", "Zeitraum", "Zuschuss", "KVB") in row i.
    virtual QString tipp(const QString &spalte, int i) const = 0;

    const Art &m_art;
};
