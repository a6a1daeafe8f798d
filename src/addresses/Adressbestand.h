#pragma once

#include "addresses/Adresse.h"
#include "shell/Datenbank.h"

#include <QVector>

// The address book file "adressen.mdb" and its addresses in list order
// (by Anzeige; equal names keep the order they were stored in). The file
// stays open while the book is in use. Saving and deleting are single
// transactions with bound values; when one fails, file and list stay as
// they were and the error text names the file.
class Adressbestand
{
public:
    static QString dateiname() { return QStringLiteral("adressen.mdb"); }

    // Opens the book and reads its addresses. A missing, foreign or damaged
    // file, or one without the table Adressen, leaves the book empty (false
    // with the reason). A file that cannot be written (or whose directory
    // cannot) is opened read-only; saving then says so.
    bool oeffnen(const QString &pfad, QString *fehler = nullptr);
    void schliessen();
    QString pfad() const { return m_pfad; }
    bool istOffen() const { return m_db.istOffen(); }
    bool nurLesen() const { return m_nurLesen; }

    // Reads every address again.
    bool laden(QString *fehler = nullptr);
    // Reads the addresses again when another program has changed the file
    // since they were read.
    bool aktualisieren(QString *fehler = nullptr);
    int anzahl() const { return int(m_adressen.size()); }
    bool istLeer() const { return m_adressen.isEmpty(); }
    const Adresse &adresse(int i) const { return m_adressen.at(i); }
    const QVector<Adresse> &adressen() const { return m_adressen; }
    int positionVon(qint64 id) const; // -1 when not in the book

    // Stores the address (a new one is added and gets its key) and reads the
    // list again. A stored address gets only the columns that differ from
    // the copy read last, so two programs editing one address keep both
    // edits; with nothing changed nothing is written. A missing file is
    // first created from the shipped empty book.
    bool sichern(Adresse &adresse, QString *fehler = nullptr);
    bool loeschen(qint64 id, QString *fehler = nullptr);

private:
    bool schreibbereit(QString *fehler);
    // One statement changing exactly one row, in a transaction; the file
    // stays as it was when anything fails.
    bool aendern(const QString &sql, const QVariantList &werte, qint64 *neueId, QString *fehler);
    bool spaltenErgaenzen();
    bool scheitern(QString *fehler, const QString &text) const;
    qint64 datenstand();

    Datenbank m_db;
    QString m_pfad;
    bool m_nurLesen = false;
    QVector<Adresse> m_adressen;
    qint64 m_datenstand = -1; // of the file when the addresses were read
};
