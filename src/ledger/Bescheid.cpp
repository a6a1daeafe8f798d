#include "ledger/Bescheid.h"

#include "shell/Datenbank.h"

#include <QDir>

namespace {
QVariant isoOderNull(const QDate &d)
{
    return d.isValid() ? QVariant(d.toString(Qt::ISODate)) : QVariant();
}

QDate datum(const QVariant &v)
{
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

bool scheitern(QString *fehler, const QString &text)
{
    if (fehler)
        *fehler = text;
    return false;
}

QHash<QString, Bescheid> lesen(Datenbank &db, const QString &kennung, bool nurEiner)
{
    QHash<QString, Bescheid> alle;
    if (!db.hatTabelle(Bescheid::Tabelle))
        return alle;
    const QString sql = QStringLiteral("select Kennung, Beleg, Bescheiddatum, Eingang, erwartet, anerkannt, erstattet, "
                                       "\"Kürzungsgrund\" from Bescheide%1 order by Kennung, Beleg")
                            .arg(nurEiner ? QStringLiteral(" where Kennung = ?") : QString());
    const Datensatz ds = db.abfrage(sql, nurEiner ? QVariantList{kennung} : QVariantList{});
    for (int i = 0; i < ds.anzahl(); ++i) {
        const QString k = ds.wert(i, QStringLiteral("Kennung")).toString();
        Bescheid &b = alle[k];
        b.kennung = k;
        b.datum = datum(ds.wert(i, QStringLiteral("Bescheiddatum")));
        b.eingang = datum(ds.wert(i, QStringLiteral("Eingang")));
        Bescheid::Zeile z;
        z.beleg = ds.wert(i, QStringLiteral("Beleg")).toInt();
        z.erwartet = ds.wert(i, QStringLiteral("erwartet")).toDouble();
        z.anerkannt = ds.wert(i, QStringLiteral("anerkannt")).toDouble();
        z.erstattet = ds.wert(i, QStringLiteral("erstattet")).toDouble();
        z.grund = ds.wert(i, QStringLiteral("Kürzungsgrund")).toString();
        b.zeilen.append(z);
    }
    return alle;
}
} // namespace

const Bescheid::Zeile *Bescheid::zeile(int beleg) const
{
    for (const Zeile &z : zeilen)
        if (z.beleg == beleg)
            return &z;
    return nullptr;
}

double Bescheid::gekuerzt() const
{
    double summe = 0;
    for (const Zeile &z : zeilen)
        if (z.gekuerzt())
            summe -= z.differenz();
    return summe;
}

double Bescheid::erstattet() const
{
    double summe = 0;
    for (const Zeile &z : zeilen)
        summe += z.erstattet;
    return summe;
}

const QStringList &Bescheid::gruende()
{
    static const QStringList liste = {
        QStringLiteral("Steigerungssatz über dem Schwellenwert nicht ausreichend begründet"),
        QStringLiteral("Steigerungssatz über dem Höchstsatz"),
        QStringLiteral("Höchstbetrag für Heilpraktiker überschritten"),
        QStringLiteral("Gebührenziffer nicht anerkannt"),
        QStringLiteral("Leistung nicht beihilfefähig"),
        QStringLiteral("Höchstbetrag (Hilfsmittel, Heilmittel) überschritten"),
        QStringLiteral("Beihilfe und Versicherung über 100 % der Rechnung"),
        QStringLiteral("Antragsfrist versäumt"),
        QStringLiteral("Kostendämpfungspauschale einbehalten"),
    };
    return liste;
}

bool Bescheid::speichern(const QString &pfad, const Bescheid &bescheid, QString *fehler)
{
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::Schreiben, fehler))
        return false;
    if (!db.transaktionBeginnen())
        return scheitern(fehler, db.letzterFehler());
    auto abbrechen = [&] {
        const QString grund = db.letzterFehler();
        db.transaktionVerwerfen();
        return scheitern(fehler, QStringLiteral("Der Bescheid kann nicht in %1 gespeichert werden: %2")
                                     .arg(QDir::toNativeSeparators(pfad), grund));
    };
    if (!db.ausfuehren(QStringLiteral("create table if not exists Bescheide (Kennung TEXT NOT NULL, Beleg INTEGER, "
                                      "Bescheiddatum TEXT, Eingang TEXT, erwartet DOUBLE, anerkannt DOUBLE, "
                                      "erstattet DOUBLE, \"Kürzungsgrund\" TEXT)"))
        || !loeschen(db, bescheid.kennung))
        return abbrechen();
    for (const Zeile &z : bescheid.zeilen)
        if (!db.ausfuehren(QStringLiteral("insert into Bescheide (Kennung, Beleg, Bescheiddatum, Eingang, erwartet, "
                                          "anerkannt, erstattet, \"Kürzungsgrund\") values (?, ?, ?, ?, ?, ?, ?, ?)"),
                           {bescheid.kennung, z.beleg, isoOderNull(bescheid.datum), isoOderNull(bescheid.eingang),
                            z.erwartet, z.anerkannt, z.erstattet, z.grund}))
            return abbrechen();
    if (!db.transaktionAbschliessen())
        return abbrechen();
    return true;
}

bool Bescheid::laden(const QString &pfad, const QString &kennung, std::optional<Bescheid> *ergebnis, QString *fehler)
{
    ergebnis->reset();
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::NurLesen, fehler))
        return false;
    const QHash<QString, Bescheid> gefunden = lesen(db, kennung, true);
    if (gefunden.contains(kennung))
        *ergebnis = gefunden.value(kennung);
    return true;
}

QHash<QString, Bescheid> Bescheid::alle(Datenbank &db)
{
    return lesen(db, {}, false);
}

bool Bescheid::loeschen(Datenbank &db, const QString &kennung)
{
    return !db.hatTabelle(Tabelle)
           || db.ausfuehren(QStringLiteral("delete from Bescheide where Kennung = ?"), {kennung});
}
