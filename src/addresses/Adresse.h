#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One address of the personal address book: the text columns of a row of
// the table Adressen and the row's key. Empty columns read as empty text.
class Adresse
{
public:
    // The columns in the order the screen shows them.
    static const QStringList &felder();

    qint64 id() const { return m_id; } // -1 while the address is not stored
    void setId(qint64 id) { m_id = id; }
    bool istNeu() const { return m_id < 0; }

    QString wert(const QString &feld) const;
    void setzeWert(const QString &feld, const QString &wert);
    void setzeWert(int feldnummer, const QString &wert) { m_werte[feldnummer] = wert; } // index into felder()
    QString anzeige() const { return wert(QStringLiteral("Anzeige")); }
    bool istLeer() const; // every column empty

    // Same texts in every column (the key is not compared). Line ends do not
    // count: remarks stored with CR LF come back from the screen with LF.
    bool gleicheWerte(const Adresse &andere) const { return geaenderteFelder(andere).isEmpty(); }
    // The columns (indexes into felder()) whose texts differ from the other's.
    QVector<int> geaenderteFelder(const Adresse &vorher) const;

    // The address as a block for a letter: five lines joined by CR LF,
    // without a line break after the last one. Empty parts keep their blank:
    // "Herr " for a salutation without a title.
    QString briefblock() const;

    // The key the list is sorted by: case and accents do not count.
    static QString sortierschluessel(const QString &anzeige);

private:
    qint64 m_id = -1;
    QVector<QString> m_werte = QVector<QString>(felder().size());
};
