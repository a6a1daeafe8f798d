#pragma once

#include "shell/Datensatz.h"

#include <QStringList>
#include <QVector>
#include <optional>

class Datenbank;

// The rows a reference viewer shows, with the current row: stepping that
// stays on the first and the last row, a full-text search over chosen
// columns and jumps by key or first letter. Searches compare text in
// memory, so a search text is never part of a statement.
class Textbestand
{
public:
    // Runs the statement (values bound) and makes the first row current.
    // The search columns are what the full-text search looks at.
    bool laden(Datenbank &db, const QString &sql, const QVariantList &werte = {},
               const QStringList &suchspalten = {});
    // Takes over rows already read; the first row becomes current.
    void uebernehmen(const Datensatz &satz, const QStringList &suchspalten = {});
    void leeren();

    int anzahl() const { return m_satz.anzahl(); }
    bool istLeer() const { return m_satz.anzahl() == 0; }
    int position() const { return m_satz.position(); } // -1 when empty
    const Datensatz &datensatz() const { return m_satz; }
    QVariant wert(const QString &spalte) const { return m_satz.wert(spalte); }
    QString text(const QString &spalte) const { return m_satz.text(spalte); }
    QString text(int zeile, const QString &spalte) const { return m_satz.wert(zeile, spalte).toString(); }

    bool setzePosition(int pos) { return m_satz.setzePosition(pos); }
    // One row back or forward; at either end the current row stays.
    // True when the current row changed.
    bool blaettern(bool vorwaerts);
    // The next (previous) row after (before) the current one whose search
    // columns contain the text; false leaves the current row.
    bool suchen(const QString &begriff, bool vorwaerts);
    // The first row whose search columns contain the text.
    bool sucheErste(const QString &begriff);
    // The first row whose column equals the key, ignoring case and spaces.
    bool springeZu(const QString &spalte, const QString &schluessel);
    // The first row whose column begins with the letter (either case).
    bool springeZuBuchstabe(const QString &spalte, QChar buchstabe);

    // Substring test of the full-text search: case does not matter, every
    // character of the search text (quote, percent, asterisk) is plain text,
    // and an empty text is contained in everything.
    static bool enthaelt(const QString &text, const QString &begriff);
    // A typed character as a jump letter: its upper case if it is A to Z.
    static std::optional<QChar> sprungbuchstabe(const QString &getippt);
    // A key as compared by springeZu.
    static QString schluesselform(const QString &schluessel);

private:
    bool passt(int zeile, const QString &begriff) const;

    Datensatz m_satz;
    QVector<QStringList> m_suchtexte;
};
