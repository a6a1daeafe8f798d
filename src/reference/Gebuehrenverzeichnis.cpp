#include "reference/Gebuehrenverzeichnis.h"

#include "shell/Datenbank.h"

bool Gebuehrenverzeichnis::laden(const QString &datenbankpfad, const QString &code, QString *fehler)
{
    m_zeilen.clear();
    m_gefaltet.clear();
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
    return true;
}

int Gebuehrenverzeichnis::nummerSuchen(const QString &nummer) const
{
    for (int i = 0; i < anzahl(); ++i)
        if (m_zeilen.at(i).nummer == nummer)
            return i;
    return -1;
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
