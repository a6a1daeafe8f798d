#include "reference/Gebuehrenverzeichnis.h"

#include "reference/Gebuehrenregeln.h"
#include "shell/Datenbank.h"

#include <QHash>

bool Gebuehrenverzeichnis::laden(const QString &datenbankpfad, const QString &code, QString *fehler)
{
    m_zeilen.clear();
    m_gefaltet.clear();
    m_anzeige.clear();
    Datenbank db;
    if (!db.oeffnen(datenbankpfad, Datenbank::Modus::NurLesen, fehler))
        return false;
    Datensatz ds = code.isEmpty()
                       ? db.abfrage(QStringLiteral("select * from \"Gebühren\" order by GO, GOIndex"))
                       : db.abfrage(QStringLiteral("select * from \"Gebühren\" where GO = ? order by GO, GOIndex"),
                                    {code});
    if (!ds.istGueltig()) {
        if (fehler)
            *fehler = ds.fehler();
        return false;
    }
    m_zeilen.reserve(ds.anzahl());
    m_gefaltet.reserve(ds.anzahl());
    for (bool ok = ds.ersteZeile(); ok; ok = ds.naechsteZeile()) {
        Gebuehr g;
        g.go = ds.text(QStringLiteral("GO"));
        g.goIndex = ds.text(QStringLiteral("GOIndex"));
        g.nummer = ds.text(QStringLiteral("Nummer"));
        g.leistungstext = ds.text(QStringLiteral("Leistungstext"));
        g.hatPunkte = !ds.istNull(QStringLiteral("Punkte"));
        g.punkte = g.hatPunkte ? ds.wert(QStringLiteral("Punkte")).toDouble() : 0.0;
        g.schluessel = ds.text(QStringLiteral("Schlüssel"));
        g.bestimmung = ds.text(QStringLiteral("Bestimmung"));
        m_gefaltet.append(g.leistungstext.toCaseFolded());
        m_zeilen.append(std::move(g));
    }
    // Numbers standing several times in one schedule get their place in it.
    QHash<QString, int> wieOft;
    for (const Gebuehr &g : std::as_const(m_zeilen))
        ++wieOft[g.go + u'\t' + g.nummer];
    QHash<QString, int> gezaehlt;
    for (const Gebuehr &g : std::as_const(m_zeilen)) {
        const QString k = g.go + u'\t' + g.nummer;
        m_anzeige.append(wieOft.value(k) > 1 ? g.nummer + u'/' + QString::number(++gezaehlt[k]) : g.nummer);
    }
    return true;
}

int Gebuehrenverzeichnis::nummerSuchen(const QString &nummer) const
{
    const QString gesucht = Gebuehrenregeln::nummerSchluessel(nummer);
    if (gesucht.isEmpty())
        return -1;
    for (int i = 0; i < anzahl(); ++i)
        if (Gebuehrenregeln::nummerSchluessel(m_anzeige.at(i)) == gesucht)
            return i;
    for (int i = 0; i < anzahl(); ++i)
        if (Gebuehrenregeln::nummerSchluessel(m_zeilen.at(i).nummer) == gesucht)
            return i;
    return -1;
}

QString Gebuehrenverzeichnis::anzeigeNummer(int i) const
{
    return m_anzeige.at(i);
}

int Gebuehrenverzeichnis::textSuchen(const QString &text, int von, bool vorwaerts) const
{
    const QString gesucht = text.toCaseFolded();
    if (vorwaerts) {
        for (int i = qMax(von + 1, 0); i < anzahl(); ++i)
            if (m_gefaltet.at(i).contains(gesucht))
                return i;
    } else {
        for (int i = qMin(von, anzahl()) - 1; i >= 0; --i)
            if (m_gefaltet.at(i).contains(gesucht))
                return i;
    }
    return -1;
}
