#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Import files of the predecessor, version 2: a first line that is skipped,
// then comma-separated items (text optionally in double quotes, items also
// separated by line ends). The first item is the application date, then ten
// items per receipt.
class Version2Import
{
public:
    static constexpr int GruppenGroesse = 10;

    struct Inhalt
    {
        bool hatDatum = false;
        QString antragsdatum;
        // Groups of items in file order; the last may hold fewer than ten.
        QVector<QStringList> gruppen;
    };
    static Inhalt lesen(const QString &text);
    // The items after the skipped first line.
    static QStringList elemente(const QString &text);

    // What the items of one group put into the entry fields.
    struct Eintrag
    {
        QString Empfaenger;
        QString Beleg;
        QString Datum;
        QString Art;
        QString Rechnung;
        QString Versicherung;
        QString Arzt;
    };
    // Applies item number pos (0..9) of a group to the entry fields.
    static void anwenden(Eintrag &e, int pos, const QString &wert);

    // A date item as dd.mm.yyyy: German dates, ISO dates and the
    // predecessor's "#yyyy-mm-dd#"; any other text as it is.
    static QString datum(const QString &wert);
    // An amount item in German notation: the predecessor wrote a decimal
    // point ("12.5"); German text is kept; any other text as it is.
    static QString betrag(const QString &wert);
};
