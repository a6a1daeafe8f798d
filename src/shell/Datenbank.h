#pragma once

#include "shell/Datensatz.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// The program's access to its SQLite files. Opening never creates a file and
// refuses a file that is not a SQLite database, leaving it untouched.
// Statements bind their values; "vlike(column, '*v*')" is available in
// statements as a case-insensitive substring test that also folds umlauts.
class Datenbank
{
public:
    enum class Modus { NurLesen, Schreiben };

    Datenbank() = default;
    ~Datenbank();
    Datenbank(const Datenbank &) = delete;
    Datenbank &operator=(const Datenbank &) = delete;

    bool oeffnen(const QString &pfad, Modus modus = Modus::Schreiben, QString *fehler = nullptr);
    void schliessen();
    bool istOffen() const { return m_offen; }
    QString pfad() const { return m_pfad; }
    QString letzterFehler() const { return m_fehler; }

    Datensatz abfrage(const QString &sql, const QVariantList &werte = {});
    // All rows of a table, editable; with an optional where/order clause.
    Datensatz tabelle(const QString &name, const QString &bedingung = {}, const QVariantList &werte = {});
    bool ausfuehren(const QString &sql, const QVariantList &werte = {});
    bool spalteAnhaengen(const QString &tabelle, const QString &spalte, const QString &typ);
    bool hatTabelle(const QString &name);
    QStringList spaltenVon(const QString &tabelle);

    bool transaktionBeginnen();
    bool transaktionAbschliessen();
    void transaktionVerwerfen();

    // Creates a new, empty SQLite file (or fails if the path exists).
    static bool erstellen(const QString &pfad, QString *fehler = nullptr);
    // True when the file starts with the SQLite header (or is empty).
    static bool istSqliteDatei(const QString &pfad);
    // The like test behind vlike: '*' matches any run of characters,
    // comparison ignores case, umlauts included.
    static bool like(const QString &wert, const QString &muster);
    static QString quoteName(const QString &name);

private:
    friend class Datensatz;
    QSqlDatabase db() const;

    QString m_verbindung;
    QString m_pfad;
    QString m_fehler;
    bool m_offen = false;
};
