#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The adding list of the fee browser: up to 100 amounts with a label each.
// One list lives for the whole program run (programmlauf()), so it outlasts
// the window.
class Gebuehrenliste
{
public:
    static constexpr int Hoechstzahl = 100;
    static constexpr int Bezeichnungsbreite = 10;

    struct Eintrag
    {
        QString bezeichnung; // exactly 10 characters
        double betrag = 0.0;
    };

    // Schedule code, a space and the number, padded or cut to 10 characters.
    static QString bezeichnung(const QString &code, const QString &nummer);

    // False (and nothing changes) when the list already holds 100 entries.
    bool anhaengen(const QString &code, const QString &nummer, double betrag);
    // False on an empty list.
    bool letztenEntfernen();
    void leeren() { m_eintraege.clear(); }

    int anzahl() const { return int(m_eintraege.size()); }
    bool istLeer() const { return m_eintraege.isEmpty(); }
    const QList<Eintrag> &eintraege() const { return m_eintraege; }
    double summe() const;

    static Gebuehrenliste &programmlauf();

private:
    QList<Eintrag> m_eintraege;
};
