#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Datenbank;

// The office's decision on one application as the user recorded it: its
// date and, per receipt, what the office recognised and paid and why it cut.
// Stored in anträge.mdb in the table "Bescheide", one row per receipt, keyed
// by Kennung and Beleg. A file without the table simply holds no decision;
// programs that do not know the table leave it alone.
struct Bescheid
{
    struct Zeile
    {
        int beleg = 0;
        double erwartet = 0;  // the expectation when the decision was recorded
        double anerkannt = 0; // recognised as refundable
        double erstattet = 0; // refund paid
        QString grund;        // the office's reason for a cut

        double differenz() const { return erstattet - erwartet; }
        // Paid less than expected (by at least a cent).
        bool gekuerzt() const { return erwartet - erstattet >= 0.005; }
    };

    QString kennung;
    QDate datum;   // date of the decision
    QDate eingang; // day the decision arrived; invalid: not entered
    QVector<Zeile> zeilen;

    const Zeile *zeile(int beleg) const;
    // The sum by which the paid refunds fall short of the expected ones.
    double gekuerzt() const;
    double erstattet() const;

    // The common reasons offered for a cut.
    static const QStringList &gruende();

    static inline const QString Tabelle = QStringLiteral("Bescheide");

    // Replaces the decision of the key in one transaction (the table is
    // created on first use), so the file holds the old or the new decision,
    // never a part. False and a German message when it fails.
    static bool speichern(const QString &pfad, const Bescheid &bescheid, QString *fehler = nullptr);
    // The decision of a key; nothing when none is recorded or the file
    // predates decisions. False only when the file cannot be read.
    static bool laden(const QString &pfad, const QString &kennung, std::optional<Bescheid> *ergebnis,
                      QString *fehler = nullptr);
    // Every decision of an open file, by key.
    static QHash<QString, Bescheid> alle(Datenbank &db);
    // Removes the decision of a key (inside the caller's transaction).
    static bool loeschen(Datenbank &db, const QString &kennung);
};
