#pragma once

#include <QList>
#include <QString>

// The file of a side application (advance, partial payment, accident
// report): one line per tagged control, tag ":=" value, each ended by CR LF.
// Values are kept exactly (blanks, commas, ":=" inside a value, umlauts),
// except that a line break inside a value is written as a blank; the name
// ends at the first ":=". Written as UTF-8, read as UTF-8 when valid
// and as Windows-1252 otherwise (files of the predecessor).
class Nebenantragsdatei
{
public:
    struct Zeile
    {
        QString tag;
        QString wert;
        bool operator==(const Zeile &) const = default;
    };

    static QString text(const QList<Zeile> &zeilen);
    // Lines without ":=" are skipped.
    static QList<Zeile> zeilen(const QString &text);

    // False (and a German reason naming the file) when it cannot be written
    // or read; a failed write leaves an existing file untouched.
    static bool schreiben(const QString &pfad, const QList<Zeile> &zeilen, QString *fehler = nullptr);
    static bool lesen(const QString &pfad, QList<Zeile> *zeilen, QString *fehler = nullptr);

    // A yes/no value as a check box or option button takes it: "Wahr" ticks,
    // "Falsch" clears, otherwise the number in the first character decides.
    static bool angekreuzt(const QString &wert);
};
