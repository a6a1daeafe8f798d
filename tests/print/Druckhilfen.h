#pragma once

#include "fields/Feldtabelle.h"
#include "print/Belegquelle.h"
#include "print/Layoutzeile.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// Helpers shared by the print tests.
namespace druckhilfen {

// A layout row; Null for invalid QVariants.
inline Layoutzeile zeile(const QVariant &art, const QVariant &x, const QVariant &y, const QVariant &hoehe,
                         const QVariant &breite, const QVariant &inhalt, const QVariant &groesse = 10,
                         const QVariant &typ = QStringLiteral("N"), const QVariant &beginnY = 0)
{
    return Layoutzeile{art, x, y, beginnY, hoehe, breite, inhalt, groesse, typ};
}

// A field table from "tag=value" (value equals the baseline) and
// "tag=value|baseline" items.
inline Feldtabelle felder(const QStringList &eintraege)
{
    Feldtabelle t;
    for (const QString &e : eintraege) {
        const qsizetype gleich = e.indexOf(u'=');
        const QString name = e.left(gleich);
        const QString rest = e.mid(gleich + 1);
        const qsizetype strich = rest.indexOf(u'|');
        if (strich >= 0)
            t.anhaengen(name, rest.left(strich), rest.mid(strich + 1));
        else
            t.anhaengen(name, rest, rest);
    }
    return t;
}

// Receipts as a table of attribute values; "~" passes one over.
class Testbelege : public Belegquelle
{
public:
    QList<QHash<QString, QString>> belege;
    int von = 1;
    int bis = 0; // 0: up to the last
    mutable QList<int> gefragt;

    int Belegeanzahl() const override { return int(belege.size()); }
    int ersterBeleg() const override { return von; }
    int letzterBeleg() const override { return bis ? bis : int(belege.size()); }
    QString Aufwendungswert(const QString &name, int nummer) const override
    {
        gefragt.append(nummer);
        if (nummer < 1 || nummer > belege.size())
            return Auslassung;
        return belege.at(nummer - 1).value(name, Auslassung);
    }
};

// Creates a print-layout database file with the shipped schema (copied from
// the shipped database, its rows removed) and the given layout rows as
// (table, Antrag, Art, x, y, BeginnY, Höhe, Breite, Inhalt, Schriftgrösse, Schrifttyp).
bool layoutDatenbank(const QString &pfad, const QList<QVariantList> &zeilen, QString *fehler = nullptr);

// Runs the statements of a file under tests/data on a database.
bool sqlAusfuehren(const QString &datenbank, const QString &testdatei);

// Adds the expense layouts of tests/data/print/aufwendungen-test.sql to the
// drucken.mdb of a program directory (ends in "/").
bool aufwendungslayouts(const QString &programm);

// A program directory whose drucken.mdb holds the test form kind of
// tests/data/print/testformular.sql (ends in "/"; empty on failure).
QString testprogramm(const QString &name);

// Text of a PDF as pdftotext reads it (empty when poppler is missing).
QString pdfText(const QString &datei);
// "Page size" line of pdfinfo.
QString pdfSeitengroesse(const QString &datei);

} // namespace druckhilfen
