#pragma once

#include "ledger/Antragskopf.h"
#include "ledger/Rechnungspositionen.h"

#include <QVariantList>
#include <optional>

class Datenbank;

// The application database "anträge.mdb": one header row per application in
// "Anträge", one row per receipt in "Rechnungen", both keyed by Kennung.
// A receipt read from a file has a row in "Belegdateien" (same Kennung and
// lfdNr) naming its picture, the fee check's findings and the amount the
// check does not recognise; a database without that table is still read
// and written.
// Dates are stored as ISO text, yes/no as 0/1. Every value is bound.
class Antragsdatenbank
{
public:
    static inline const QString Dateiname = QStringLiteral("anträge.mdb");
    static inline const QString Vorlage = QStringLiteral("_anträge.mdb");

    // The key: the date text as typed ("ohne" when empty), then "/" and the
    // sub-number when there is one.
    static QString kennung(const QString &antragsdatum, const QString &unternummer);

    // Appends the column "fälligam" to "Rechnungen". False (file untouched)
    // when the file is missing, no database, or has the column already.
    static bool DB_Struktur(const QString &pfad);

    // Replaces the application of that key: the old header and receipt rows
    // go and the new ones come in one transaction, so the file holds either
    // the old or the new application, never a part. Nothing is written for
    // an empty table.
    static bool speichern(const QString &pfad, const QString &kennung, const Antragskopf &kopf,
                          const Rechnungspositionen &tabelle, QString *fehler = nullptr);

    struct Geladen
    {
        std::optional<Antragskopf> kopf; // no header row: nothing
        QVector<Rechnungsposition> positionen;
    };
    // Reads the header and the receipts (ordered by lfdNr, Beleg) of a key.
    static bool laden(const QString &pfad, const QString &kennung, Geladen *ergebnis, QString *fehler = nullptr);

    // The picture links of the receipts, of one application or (empty key)
    // of all; *gelesen false when the database cannot be read.
    struct Belegverweis
    {
        QString kennung;
        int lfdNr = 0; // the receipt's place in its application, from 1
        int beleg = 0; // its receipt number
        QString datei; // name in the "belege" folder
        QString befunde;
        double kuerzung = 0;
    };
    static QVector<Belegverweis> belegverweise(const QString &pfad, const QString &kennung = {},
                                               bool *gelesen = nullptr);

    // Removes header and receipts of a key, in one transaction.
    static bool loeschen(Datenbank &db, const QString &kennung);

    // Statements of the load list. Applications saved without a date come
    // after the dated ones.
    static QString listeNeuesteZuerst();
    static QString listeAlle();
    static QString listeSuche(); // one bound value: suchwert()
    static QVariantList suchwert(const QString &text);
};
