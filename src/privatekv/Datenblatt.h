#pragma once

#include "privatekv/Versicherungsdaten.h"

#include <QStringList>

class Seitenflaeche;

// The data sheet of one person's private health insurance: the person's
// values as label/value pairs in two columns at fixed places (millimetres
// from the sheet's top-left corner), Arial 9 pt, and the memo from the line
// below 55 mm, 10 mm from the left edge. A memo longer than the sheet goes
// on over further pages; lines wider than the sheet wrap.
//
//     Datenblatt blatt(werte, memo);
//     do { ...new surface...; blatt.seiteZeichnen(*flaeche); } while (blatt.weiter());
class Datenblatt
{
public:
    static constexpr double MemoY = 55;        // the memo starts on the line below
    static constexpr double MemoBreite = 190;  // from 10 mm to 200 mm of the sheet
    static constexpr double Unterkante = 285;  // no line of text goes below
    static constexpr double Schrift = 9;       // points
    static constexpr double KleinsteSchrift = 6;

    Datenblatt(const Versicherungsdaten::Werte &werte, const QString &memo);

    // Draws the next page and ends it (EndDoc). False when the surface could
    // not output it (its fehler() says why).
    bool seiteZeichnen(Seitenflaeche &f);
    // Whether memo lines are left for a further page.
    bool weiter() const;
    int gezeichneteSeiten() const { return m_seite; }

    // The memo's lines as printed: every line of the memo, wrapped at word
    // boundaries (inside a word only when the word alone is too wide) so
    // that none is wider than breite on the surface's current font.
    static QStringList umbrechen(Seitenflaeche &f, const QString &memo, double breite);

private:
    void oeffnen(Seitenflaeche &f) const;
    void kopfZeichnen(Seitenflaeche &f) const;
    // A value at (x, y), smaller (down to KleinsteSchrift) when wider than
    // raum, and cut with "…" when even that is too wide.
    static void wertZeichnen(Seitenflaeche &f, double x, double y, const QString &wert, double raum);
    void memoZeichnen(Seitenflaeche &f);

    Versicherungsdaten::Werte m_werte;
    QString m_memo;
    QStringList m_zeilen; // wrapped memo lines, made on the first page
    int m_naechste = 0;   // first memo line not printed yet
    int m_seite = 0;      // pages drawn
};
