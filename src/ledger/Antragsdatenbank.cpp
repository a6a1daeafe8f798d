#include "ledger/Antragsdatenbank.h"

#include "ledger/Bescheid.h"

#include "shell/Datenbank.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"

namespace {
const QString kFaelligam = QStringLiteral("fälligam");
const QString kBelegdateienAnlegen =
    QStringLiteral("create table if not exists Belegdateien (Kennung TEXT NOT NULL, lfdNr INTEGER NOT NULL, "
                   "Beleg INTEGER, Datei TEXT, Befunde TEXT, Kuerzung REAL, PRIMARY KEY (Kennung, lfdNr))");

QVariant datumOderNull(const QString &text)
{
    const QString iso = GermanDate::toIso(text);
    return iso.isEmpty() ? QVariant() : QVariant(iso);
}

QString datumText(const Datensatz &ds, const QString &spalte)
{
    if (!ds.hatSpalte(spalte) || ds.istNull(spalte))
        return {};
    const QString s = ds.text(spalte);
    const QString deutsch = GermanDate::fromIso(s);
    return deutsch.isEmpty() ? s : deutsch;
}

QString text(const Datensatz &ds, const QString &spalte)
{
    return ds.hatSpalte(spalte) && !ds.istNull(spalte) ? ds.text(spalte) : QString();
}

double zahl(const Datensatz &ds, const QString &spalte)
{
    return ds.hatSpalte(spalte) && !ds.istNull(spalte) ? ds.wert(spalte).toDouble() : 0.0;
}

bool janein(const Datensatz &ds, const QString &spalte)
{
    if (!ds.hatSpalte(spalte) || ds.istNull(spalte))
        return false;
    const QVariant v = ds.wert(spalte);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n != 0 : v.toBool();
}

bool scheitern(QString *fehler, const QString &text)
{
    if (fehler)
        *fehler = text;
    return false;
}
} // namespace

QString Antragsdatenbank::kennung(const QString &antragsdatum, const QString &unternummer)
{
    QString k = antragsdatum.isEmpty() ? QStringLiteral("ohne") : antragsdatum;
    if (!unternummer.isEmpty())
        k += u'/' + unternummer;
    return k;
}

bool Antragsdatenbank::DB_Struktur(const QString &pfad)
{
    Datenbank db;
    if (!db.oeffnen(pfad))
        return false;
    if (!db.hatTabelle(QStringLiteral("Rechnungen")))
        return false;
    if (db.spaltenVon(QStringLiteral("Rechnungen")).contains(kFaelligam))
        return false;
    return db.spalteAnhaengen(QStringLiteral("Rechnungen"), kFaelligam, QStringLiteral("DATETIME"));
}

bool Antragsdatenbank::speichern(const QString &pfad, const QString &kennung, const Antragskopf &kopf,
                                 const Rechnungspositionen &tabelle, QString *fehler)
{
    if (tabelle.istLeer())
        return true;
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::Schreiben, fehler))
        return false;
    const bool mitFaelligam = db.spaltenVon(QStringLiteral("Rechnungen")).contains(kFaelligam);
    if (!db.transaktionBeginnen())
        return scheitern(fehler, db.letzterFehler());
    auto abbrechen = [&] {
        const QString grund = db.letzterFehler();
        db.transaktionVerwerfen();
        return scheitern(fehler, grund);
    };
    if (!db.ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = ?"), {kennung})
        || !db.ausfuehren(QStringLiteral("delete from Rechnungen where Kennung = ?"), {kennung})
        || !db.ausfuehren(kBelegdateienAnlegen)
        || !db.ausfuehren(QStringLiteral("delete from Belegdateien where Kennung = ?"), {kennung}))
        return abbrechen();

    const auto hoehe = GermanMoney::parse(kopf.AbschlagHoehe);
    const QVariantList kopfWerte = {kennung,
                                    datumOderNull(kopf.Antragsdatum),
                                    kopf.Unternummer,
                                    kopf.Bemerkungen,
                                    datumOderNull(kopf.eingereichtam),
                                    datumOderNull(kopf.zurueckerhalten),
                                    datumOderNull(kopf.AbschlagDatum),
                                    hoehe ? QVariant(*hoehe) : QVariant(),
                                    kopf.AEuro ? 1 : 0,
                                    kopf.Pflegeantrag ? 1 : 0};
    if (!db.ausfuehren(QStringLiteral("insert into \"Anträge\" (Kennung, Antragsdatum, Unternummer, Bemerkung, "
                                      "eingereicht, \"zurück\", Bescheidvom, \"BescheidHöhe\", euro, Pflegeantrag) "
                                      "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       kopfWerte))
        return abbrechen();

    const QString sql = mitFaelligam
                            ? QStringLiteral("insert into Rechnungen (Kennung, lfdNr, Beleg, Datum, \"Empfänger\", "
                                             "Art, Rechnung, Versicherung, Erstattung, ErstattungV, Rechnungsnummer, "
                                             "euro, Arzt, bezahltam, \"fälligam\") "
                                             "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                            : QStringLiteral("insert into Rechnungen (Kennung, lfdNr, Beleg, Datum, \"Empfänger\", "
                                             "Art, Rechnung, Versicherung, Erstattung, ErstattungV, Rechnungsnummer, "
                                             "euro, Arzt, bezahltam) "
                                             "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int i = 1; i <= tabelle.anzahl(); ++i) {
        const Rechnungsposition &r = tabelle.slot(i);
        QVariantList werte = {kennung,
                              i,
                              int(r.Beleg),
                              datumOderNull(r.Datum),
                              r.Empfaenger.text(),
                              r.Art.text(),
                              r.Rechnung,
                              r.Versicherung,
                              r.Erstattung,
                              r.ErstattungV,
                              r.Rechnungsnummer.text(),
                              r.euro ? 1 : 0,
                              r.Arzt.text(),
                              datumOderNull(r.bezahltam)};
        if (mitFaelligam)
            werte.append(datumOderNull(r.faelligam));
        if (!db.ausfuehren(sql, werte))
            return abbrechen();
        if ((!r.belegdatei.isEmpty() || !r.befunde.isEmpty() || r.kuerzung != 0)
            && !db.ausfuehren(QStringLiteral("insert into Belegdateien (Kennung, lfdNr, Beleg, Datei, Befunde, "
                                             "Kuerzung) values (?, ?, ?, ?, ?, ?)"),
                              {kennung, i, int(r.Beleg), r.belegdatei, r.befunde, r.kuerzung}))
            return abbrechen();
    }
    if (!db.transaktionAbschliessen())
        return abbrechen();
    return true;
}

bool Antragsdatenbank::laden(const QString &pfad, const QString &kennung, Geladen *ergebnis, QString *fehler)
{
    *ergebnis = Geladen();
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::NurLesen, fehler))
        return false;
    Datensatz kopf = db.abfrage(QStringLiteral("select * from \"Anträge\" where Kennung = ?"), {kennung});
    if (!kopf.istGueltig())
        return scheitern(fehler, kopf.fehler());
    if (kopf.ersteZeile()) {
        Antragskopf k;
        k.Antragsdatum = datumText(kopf, QStringLiteral("Antragsdatum"));
        k.Unternummer = text(kopf, QStringLiteral("Unternummer"));
        k.Bemerkungen = text(kopf, QStringLiteral("Bemerkung"));
        k.eingereichtam = datumText(kopf, QStringLiteral("eingereicht"));
        k.zurueckerhalten = datumText(kopf, QStringLiteral("zurück"));
        k.AbschlagDatum = datumText(kopf, QStringLiteral("Bescheidvom"));
        const double hoehe = zahl(kopf, QStringLiteral("BescheidHöhe"));
        k.AbschlagHoehe = hoehe == 0.0 ? QString() : GermanMoney::format(hoehe);
        k.AEuro = janein(kopf, QStringLiteral("euro"));
        k.Pflegeantrag = janein(kopf, QStringLiteral("Pflegeantrag"));
        ergebnis->kopf = k;
    }
    Datensatz ds = db.abfrage(QStringLiteral("select * from Rechnungen where Kennung = ? order by lfdNr, Beleg"),
                              {kennung});
    if (!ds.istGueltig())
        return scheitern(fehler, ds.fehler());
    QHash<int, Belegverweis> verweise;
    if (db.hatTabelle(QStringLiteral("Belegdateien"))) {
        Datensatz v = db.abfrage(QStringLiteral("select * from Belegdateien where Kennung = ?"), {kennung});
        for (v.ersteZeile(); v.istGueltig() && !v.istEnde(); v.naechsteZeile())
            verweise.insert(int(zahl(v, QStringLiteral("lfdNr"))),
                            {kennung, int(zahl(v, QStringLiteral("lfdNr"))), int(zahl(v, QStringLiteral("Beleg"))),
                             text(v, QStringLiteral("Datei")), text(v, QStringLiteral("Befunde")),
                             zahl(v, QStringLiteral("Kuerzung"))});
    }
    ergebnis->positionen.reserve(ds.anzahl());
    for (ds.ersteZeile(); !ds.istEnde(); ds.naechsteZeile()) {
        Rechnungsposition r;
        if (const auto v = verweise.constFind(int(zahl(ds, QStringLiteral("lfdNr")))); v != verweise.constEnd()) {
            r.belegdatei = v->datei;
            r.befunde = v->befunde;
            r.kuerzung = v->kuerzung;
        }
        const qint64 beleg = qint64(zahl(ds, QStringLiteral("Beleg")));
        r.Beleg = beleg < -32768 || beleg > 32767 ? 0 : qint16(beleg);
        r.Datum = datumText(ds, QStringLiteral("Datum"));
        r.Art = text(ds, QStringLiteral("Art"));
        r.Empfaenger = text(ds, QStringLiteral("Empfänger"));
        r.Rechnung = zahl(ds, QStringLiteral("Rechnung"));
        r.Versicherung = zahl(ds, QStringLiteral("Versicherung"));
        r.Erstattung = zahl(ds, QStringLiteral("Erstattung"));
        r.ErstattungV = zahl(ds, QStringLiteral("ErstattungV"));
        r.Rechnungsnummer = text(ds, QStringLiteral("Rechnungsnummer"));
        r.euro = janein(ds, QStringLiteral("euro"));
        r.Arzt = text(ds, QStringLiteral("Arzt"));
        r.bezahltam = datumText(ds, QStringLiteral("bezahltam"));
        r.faelligam = datumText(ds, kFaelligam);
        ergebnis->positionen.append(r);
    }
    return true;
}

bool Antragsdatenbank::loeschen(Datenbank &db, const QString &kennung)
{
    if (!db.transaktionBeginnen())
        return false;
    if (!db.ausfuehren(QStringLiteral("delete from \"Anträge\" where Kennung = ?"), {kennung})
        || !db.ausfuehren(QStringLiteral("delete from Rechnungen where Kennung = ?"), {kennung})
        || !Bescheid::loeschen(db, kennung)
        || (db.hatTabelle(QStringLiteral("Belegdateien"))
            && !db.ausfuehren(QStringLiteral("delete from Belegdateien where Kennung = ?"), {kennung}))) {
        db.transaktionVerwerfen();
        return false;
    }
    return db.transaktionAbschliessen();
}

QVector<Antragsdatenbank::Belegverweis> Antragsdatenbank::belegverweise(const QString &pfad, const QString &kennung,
                                                                       bool *gelesen)
{
    QVector<Belegverweis> out;
    if (gelesen)
        *gelesen = false;
    Datenbank db;
    if (!db.oeffnen(pfad, Datenbank::Modus::NurLesen))
        return out;
    if (!db.hatTabelle(QStringLiteral("Belegdateien"))) {
        if (gelesen)
            *gelesen = db.hatTabelle(QStringLiteral("Rechnungen"));
        return out;
    }
    Datensatz v = kennung.isEmpty()
                      ? db.abfrage(QStringLiteral("select * from Belegdateien order by Kennung, lfdNr"))
                      : db.abfrage(QStringLiteral("select * from Belegdateien where Kennung = ? order by lfdNr"),
                                   {kennung});
    if (!v.istGueltig())
        return out;
    for (v.ersteZeile(); !v.istEnde(); v.naechsteZeile())
        out.append({text(v, QStringLiteral("Kennung")), int(zahl(v, QStringLiteral("lfdNr"))),
                    int(zahl(v, QStringLiteral("Beleg"))), text(v, QStringLiteral("Datei")),
                    text(v, QStringLiteral("Befunde")), zahl(v, QStringLiteral("Kuerzung"))});
    if (gelesen)
        *gelesen = true;
    return out;
}

QString Antragsdatenbank::listeNeuesteZuerst()
{
    return QStringLiteral("select * from \"Anträge\" order by Antragsdatum is null, Antragsdatum desc");
}

QString Antragsdatenbank::listeAlle()
{
    return QStringLiteral("select * from \"Anträge\" order by Antragsdatum is null, Antragsdatum, Unternummer");
}

QString Antragsdatenbank::listeSuche()
{
    return QStringLiteral("select * from \"Anträge\" where vlike(Bemerkung, ?) "
                          "order by Antragsdatum is null, Antragsdatum");
}

QVariantList Antragsdatenbank::suchwert(const QString &text)
{
    return {u'*' + text + u'*'};
}
