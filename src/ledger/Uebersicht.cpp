#include "ledger/Uebersicht.h"

#include "ledger/Bescheid.h"
#include "shell/Datenbank.h"
#include "base/GermanDate.h"
#include "base/GermanMoney.h"
#include "shell/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <algorithm>

namespace {
const QString kSchluessel = QStringLiteral("SOFTWARE\\Velmora\\Allgemein");
const QString kFristWert = QStringLiteral("Antragsfrist");

// A stored date: ISO text as the ledger writes it, or a German date text.
QDate datumAus(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return {};
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString s = v.toString().trimmed();
    const QDate iso = QDate::fromString(s.left(10), Qt::ISODate);
    if (iso.isValid())
        return iso;
    return GermanDate::parse(s).value_or(QDate());
}

QDate datumAusText(const QString &text)
{
    return GermanDate::parse(text).value_or(QDate());
}

bool janein(const QVariant &v)
{
    if (!v.isValid() || v.isNull())
        return false;
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n != 0 : v.toBool();
}

double euro(double betrag, bool dm)
{
    return dm ? betrag / GermanMoney::DmPerEuro : betrag;
}

void addieren(Uebersicht::Antrag &a, const Uebersicht::Beleg &b)
{
    a.rechnung += b.rechnung;
    a.versicherung += b.versicherung;
    a.erstattung += b.erstattung;
    a.erstattungV += b.erstattungV;
    a.gekuerzt += b.gekuerzt;
    a.belege.append(b);
}

QString tageText(int n)
{
    return n == 1 ? QStringLiteral("1 Tag") : QStringLiteral("%1 Tagen").arg(n);
}

QString fristHinweis(const Uebersicht::Frist &f)
{
    if (f.art == Uebersicht::Frist::Art::Antragsfrist) {
        if (f.tage > 0)
            return QStringLiteral("Frist abgelaufen seit ") + tageText(f.tage);
        if (f.tage == 0)
            return QStringLiteral("Frist endet heute");
        return QStringLiteral("Frist endet in ") + tageText(-f.tage);
    }
    if (f.tage > 0)
        return QStringLiteral("überfällig seit ") + tageText(f.tage);
    if (f.tage == 0)
        return QStringLiteral("heute fällig");
    return QStringLiteral("fällig in ") + tageText(-f.tage);
}

QVariant wennGueltig(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant();
}
} // namespace

Uebersicht::Status Uebersicht::Antrag::status() const
{
    if (zurueck.isValid() || bescheid)
        return Status::Erledigt;
    if (eingereicht.isValid())
        return Status::Eingereicht;
    return Status::InArbeit;
}

std::optional<int> Uebersicht::Antrag::tageEingereicht(const QDate &heute) const
{
    if (status() != Status::Eingereicht)
        return std::nullopt;
    return int(eingereicht.daysTo(heute));
}

QString Uebersicht::offenErklaerung()
{
    return QStringLiteral("Noch nicht zurückerhaltene Anträge: die erwartete Beihilfe. Ist der Bescheid zurück, ist "
                          "nichts mehr offen – was nicht erstattet wurde, ist Eigenanteil. In Euro.");
}

QString Uebersicht::statusText(Status s)
{
    switch (s) {
    case Status::Eingereicht:
        return QStringLiteral("eingereicht");
    case Status::Erledigt:
        return QStringLiteral("erledigt");
    case Status::InArbeit:
        break;
    }
    return QStringLiteral("in Arbeit");
}

QString Uebersicht::fristenhinweis(int anzahl)
{
    return (anzahl == 1 ? QStringLiteral("1 Beleg erreicht") : QStringLiteral("%1 Belege erreichen").arg(anzahl))
           + QStringLiteral(" in den nächsten %1 Tagen die Antragsfrist – Übersicht der Anträge mit Strg+U")
                 .arg(Vorwarnung);
}

int Uebersicht::fristMonate()
{
    bool ok = false;
    const int n = Registry::Wert_lesen(Registry::HKEY_LOCAL_MACHINE, kSchluessel, kFristWert).toInt(&ok);
    return ok && n >= 1 && n <= 240 ? n : StandardFristMonate;
}

void Uebersicht::setFristMonate(int monate)
{
    Registry::Zahl_schreiben(Registry::HKEY_LOCAL_MACHINE, kSchluessel, kFristWert, monate);
}

bool Uebersicht::lesen(const QString &pfad, Uebersicht *ergebnis, QString *fehler)
{
    *ergebnis = Uebersicht();
    auto scheitern = [fehler](const QString &text) {
        if (fehler)
            *fehler = text;
        return false;
    };
    const QString nativ = QDir::toNativeSeparators(pfad);
    if (!QFileInfo(pfad).isFile())
        return scheitern(QStringLiteral("Es sind noch keine Anträge gespeichert: %1 gibt es nicht.").arg(nativ));
    // An interrupted save leaves a hot journal beside the file. Only a
    // connection that may write rolls it back; a read-only one would call
    // the intact file damaged. Opening it once for writing restores it.
    if (QFileInfo::exists(pfad + QStringLiteral("-journal"))) {
        Datenbank wiederherstellen;
        wiederherstellen.oeffnen(pfad, Datenbank::Modus::Schreiben);
    }
    Datenbank db;
    QString grund;
    if (!db.oeffnen(pfad, Datenbank::Modus::NurLesen, &grund))
        return scheitern(QStringLiteral("Die Anträge können nicht gelesen werden. %1").arg(grund));
    // Only the columns the overview needs; "fälligam" comes with the ledger's upgrade.
    const bool mitFaelligam = db.spaltenVon(QStringLiteral("Rechnungen")).contains(QStringLiteral("fälligam"));
    const Datensatz koepfe = db.abfrage(
        QStringLiteral("select Kennung, Antragsdatum, Bemerkung, eingereicht, \"zurück\" from \"Anträge\""));
    const Datensatz belege = db.abfrage(
        QStringLiteral("select Kennung, euro, Beleg, Datum, Rechnung, Versicherung, Erstattung, ErstattungV, "
                       "bezahltam, \"Empfänger\", Art, Arzt%1 from Rechnungen order by Kennung, lfdNr, Beleg")
            .arg(mitFaelligam ? QStringLiteral(", \"fälligam\"") : QString()));
    const QHash<QString, Bescheid> bescheide = Bescheid::alle(db);
    for (const Datensatz *ds : {&koepfe, &belege})
        if (!ds->istGueltig())
            return scheitern(QStringLiteral("Die Datei %1 ist beschädigt oder keine Antragsdatenbank: %2")
                                 .arg(nativ, ds->fehler()));

    Uebersicht u;
    QHash<QString, int> index;
    u.m_antraege.reserve(koepfe.anzahl());
    for (int i = 0; i < koepfe.anzahl(); ++i) {
        Antrag a;
        a.kennung = koepfe.wert(i, QStringLiteral("Kennung")).toString();
        a.antragsdatum = datumAus(koepfe.wert(i, QStringLiteral("Antragsdatum")));
        a.bemerkung = koepfe.wert(i, QStringLiteral("Bemerkung")).toString();
        a.eingereicht = datumAus(koepfe.wert(i, QStringLiteral("eingereicht")));
        a.zurueck = datumAus(koepfe.wert(i, QStringLiteral("zurück")));
        if (index.contains(a.kennung))
            continue;
        index.insert(a.kennung, int(u.m_antraege.size()));
        u.m_antraege.append(a);
    }
    for (int i = 0; i < belege.anzahl(); ++i) {
        const QString kennung = belege.wert(i, QStringLiteral("Kennung")).toString();
        auto it = index.constFind(kennung);
        if (it == index.constEnd()) {
            // Receipts without a header still belong to an application.
            Antrag a;
            a.kennung = kennung;
            it = index.insert(kennung, int(u.m_antraege.size()));
            u.m_antraege.append(a);
        }
        Beleg b;
        b.dm = !janein(belege.wert(i, QStringLiteral("euro")));
        b.nummer = belege.wert(i, QStringLiteral("Beleg")).toInt();
        b.datum = datumAus(belege.wert(i, QStringLiteral("Datum")));
        b.empfaenger = belege.wert(i, QStringLiteral("Empfänger")).toString().trimmed();
        b.art = belege.wert(i, QStringLiteral("Art")).toString().trimmed();
        b.arzt = belege.wert(i, QStringLiteral("Arzt")).toString().trimmed();
        b.rechnung = euro(belege.wert(i, QStringLiteral("Rechnung")).toDouble(), b.dm);
        b.versicherung = euro(belege.wert(i, QStringLiteral("Versicherung")).toDouble(), b.dm);
        b.erstattung = euro(belege.wert(i, QStringLiteral("Erstattung")).toDouble(), b.dm);
        b.erstattungV = euro(belege.wert(i, QStringLiteral("ErstattungV")).toDouble(), b.dm);
        b.bezahltam = datumAus(belege.wert(i, QStringLiteral("bezahltam")));
        if (mitFaelligam)
            b.faelligam = datumAus(belege.wert(i, QStringLiteral("fälligam")));
        if (const auto bescheid = bescheide.constFind(kennung); bescheid != bescheide.constEnd()) {
            u.m_antraege[*it].bescheid = true;
            if (const Bescheid::Zeile *z = bescheid->zeile(b.nummer)) {
                b.erstattung = euro(z->erstattet, b.dm);
                if (z->gekuerzt())
                    b.gekuerzt = euro(-z->differenz(), b.dm);
            }
        }
        addieren(u.m_antraege[*it], b);
    }
    u.sortieren();
    *ergebnis = std::move(u);
    return true;
}

void Uebersicht::einbeziehen(const QString &kennung, const Antragskopf &kopf,
                             const QVector<Rechnungsposition> &positionen)
{
    if (positionen.isEmpty())
        return;
    Antrag a;
    a.kennung = kennung;
    a.antragsdatum = datumAusText(kopf.Antragsdatum);
    a.bemerkung = kopf.Bemerkungen;
    a.eingereicht = datumAusText(kopf.eingereichtam);
    a.zurueck = datumAusText(kopf.zurueckerhalten);
    a.geoeffnet = true;
    for (const Rechnungsposition &r : positionen) {
        Beleg b;
        b.dm = !r.euro;
        b.nummer = r.Beleg;
        b.datum = datumAusText(r.Datum);
        b.empfaenger = r.Empfaenger.getrimmt();
        b.art = r.Art.getrimmt();
        b.arzt = r.Arzt.getrimmt();
        b.rechnung = euro(r.Rechnung, b.dm);
        b.versicherung = euro(r.Versicherung, b.dm);
        b.erstattung = euro(r.Erstattung, b.dm);
        b.erstattungV = euro(r.ErstattungV, b.dm);
        b.bezahltam = datumAusText(r.bezahltam);
        b.faelligam = datumAusText(r.faelligam);
        addieren(a, b);
    }
    m_antraege.removeIf([&](const Antrag &x) { return x.kennung == kennung; });
    m_antraege.append(a);
    sortieren();
}

void Uebersicht::sortieren()
{
    std::stable_sort(m_antraege.begin(), m_antraege.end(), [](const Antrag &l, const Antrag &r) {
        if (l.antragsdatum.isValid() != r.antragsdatum.isValid())
            return l.antragsdatum.isValid();
        if (l.antragsdatum != r.antragsdatum)
            return l.antragsdatum > r.antragsdatum;
        return l.kennung < r.kennung;
    });
}

double Uebersicht::offenGesamt() const
{
    qint64 summe = 0;
    for (const Antrag &a : m_antraege)
        summe += cent(a.offen());
    return double(summe) / 100;
}

QDate Uebersicht::fristende(const QDate &rechnungsdatum, int monate)
{
    return rechnungsdatum.addMonths(monate);
}

QVector<Uebersicht::Frist> Uebersicht::fristen(const QDate &heute, int monate) const
{
    QVector<Frist> liste;
    for (const Antrag &a : m_antraege) {
        const bool offen = a.status() == Status::InArbeit;
        for (const Beleg &b : a.belege) {
            if (offen && b.datum.isValid()) {
                const QDate ende = fristende(b.datum, monate);
                const int tage = int(ende.daysTo(heute));
                if (tage >= -Vorwarnung)
                    liste.append({Frist::Art::Antragsfrist, a.kennung, b, ende, tage});
            }
            if (b.faelligam.isValid() && !b.bezahltam.isValid())
                liste.append({Frist::Art::Zahlung, a.kennung, b, b.faelligam, int(b.faelligam.daysTo(heute))});
        }
    }
    std::stable_sort(liste.begin(), liste.end(), [](const Frist &l, const Frist &r) {
        if (l.stichtag != r.stichtag)
            return l.stichtag < r.stichtag;
        if (l.kennung != r.kennung)
            return l.kennung < r.kennung;
        return l.beleg.nummer < r.beleg.nummer;
    });
    return liste;
}

int Uebersicht::baldAblaufend(const QDate &heute, int monate) const
{
    int n = 0;
    for (const Antrag &a : m_antraege) {
        if (a.status() != Status::InArbeit)
            continue;
        for (const Beleg &b : a.belege) {
            if (!b.datum.isValid())
                continue;
            const qint64 tage = fristende(b.datum, monate).daysTo(heute);
            if (tage <= 0 && tage >= -Vorwarnung)
                ++n;
        }
    }
    return n;
}

QVector<Uebersicht::Jahr> Uebersicht::jahre() const
{
    QMap<int, Jahr> nachJahr;
    for (const Antrag &a : m_antraege)
        for (const Beleg &b : a.belege) {
            const int jahr = b.datum.isValid() ? b.datum.year() : 0;
            Jahr &j = nachJahr[jahr];
            j.jahr = jahr;
            ++j.belege;
            j.rechnung += b.rechnung;
            j.erstattung += b.erstattung;
            j.erstattungV += b.erstattungV;
            j.gekuerzt += b.gekuerzt;
        }
    QVector<Jahr> liste;
    for (const Jahr &j : nachJahr)
        if (j.jahr != 0)
            liste.append(j);
    if (nachJahr.contains(0))
        liste.append(nachJahr.value(0));
    return liste;
}

Uebersichtstabelle::Inhalt Uebersicht::antragsInhalt(const QDate &heute) const
{
    using A = Uebersichtstabelle::Art;
    Uebersichtstabelle::Inhalt t;
    t.spalten = {{QStringLiteral("Kennung"), A::Kennung, {}},
                 {QStringLiteral("Antragsdatum"), A::Datum, {}},
                 {QStringLiteral("eingereicht"), A::Datum, QStringLiteral("eingereicht am")},
                 {QStringLiteral("zurück"), A::Datum, QStringLiteral("Bescheid zurückerhalten am")},
                 {QStringLiteral("Belege"), A::Zahl, {}},
                 {QStringLiteral("Rechnungen"), A::Betrag, QStringLiteral("Summe der Rechnungsbeträge in Euro")},
                 {QStringLiteral("Anteil Vers."), A::Betrag, QStringLiteral("Anteil der Versicherungen in Euro")},
                 {QStringLiteral("Beihilfe"), A::Betrag, QStringLiteral("Erstattung der Beihilfe in Euro")},
                 {QStringLiteral("Erst. Vers."), A::Betrag, QStringLiteral("Erstattung der Versicherung in Euro")},
                 {QStringLiteral("noch offen"), A::Betrag, offenErklaerung()},
                 {QStringLiteral("Status"), A::Text, {}},
                 {QStringLiteral("Tage"), A::Zahl, QStringLiteral("Tage seit der Einreichung")},
                 {QStringLiteral("gekürzt"), A::Betrag,
                  QStringLiteral("Laut erfasstem Bescheid weniger erstattet als erwartet, in Euro")},
                 {QStringLiteral("Bemerkung"), A::Text, {}}};
    for (const Antrag &a : m_antraege) {
        const std::optional<int> tage = a.tageEingereicht(heute);
        t.zeilen.append({a.kennung, wennGueltig(a.antragsdatum), wennGueltig(a.eingereicht), wennGueltig(a.zurueck),
                         int(a.belege.size()), gerundet(a.rechnung), gerundet(a.versicherung),
                         gerundet(a.erstattung), gerundet(a.erstattungV), gerundet(a.offen()),
                         statusText(a.status()), tage ? QVariant(*tage) : QVariant(),
                         a.bescheid ? QVariant(gerundet(a.gekuerzt)) : QVariant(), a.bemerkung});
        t.hinweise.append(a.geoeffnet ? QStringLiteral("geöffnet in der Zusammenstellung der Aufwendungen")
                                      : QString());
    }
    return t;
}

Uebersichtstabelle::Inhalt Uebersicht::fristenInhalt(const QDate &heute, int monate) const
{
    using A = Uebersichtstabelle::Art;
    Uebersichtstabelle::Inhalt t;
    t.spalten = {{QStringLiteral("Frist"), A::Text, {}},
                 {QStringLiteral("Antrag"), A::Text, {}},
                 {QStringLiteral("Beleg"), A::Zahl, {}},
                 {QStringLiteral("Datum"), A::Datum, QStringLiteral("Rechnungsdatum")},
                 {QStringLiteral("Empf."), A::Text, {}},
                 {QStringLiteral("Arzt"), A::Text, {}},
                 {QStringLiteral("Rechnung"), A::Betrag, QStringLiteral("in Euro")},
                 {QStringLiteral("Stichtag"), A::Datum,
                  QStringLiteral("Ende der Antragsfrist bzw. Fälligkeit der Rechnung")},
                 {QStringLiteral("Tage"), A::Zahl,
                  QStringLiteral("Tage bis zum Stichtag (negativ: seit so vielen Tagen vorbei)")},
                 {QStringLiteral("Hinweis"), A::Text, {}}};
    for (const Frist &f : fristen(heute, monate)) {
        t.zeilen.append({f.art == Frist::Art::Antragsfrist ? QStringLiteral("Antragsfrist") : QStringLiteral("Zahlung"),
                         f.kennung, f.beleg.nummer, wennGueltig(f.beleg.datum), f.beleg.empfaenger, f.beleg.arzt,
                         f.beleg.rechnung, f.stichtag, -f.tage, fristHinweis(f)});
    }
    return t;
}

Uebersichtstabelle::Inhalt Uebersicht::jahresInhalt() const
{
    using A = Uebersichtstabelle::Art;
    Uebersichtstabelle::Inhalt t;
    t.spalten = {{QStringLiteral("Jahr"), A::Text, QStringLiteral("Jahr des Rechnungsdatums")},
                 {QStringLiteral("Belege"), A::Zahl, {}},
                 {QStringLiteral("Rechnungen"), A::Betrag, QStringLiteral("in Euro")},
                 {QStringLiteral("Beihilfe"), A::Betrag, QStringLiteral("Erstattung der Beihilfe in Euro")},
                 {QStringLiteral("Erst. Vers."), A::Betrag, QStringLiteral("Erstattung der Versicherung in Euro")},
                 {QStringLiteral("Eigenanteil"), A::Betrag,
                  QStringLiteral("Rechnungen abzüglich beider Erstattungen, in Euro")},
                 {QStringLiteral("gekürzt"), A::Betrag,
                  QStringLiteral("Laut erfassten Bescheiden weniger erstattet als erwartet, in Euro")}};
    for (const Jahr &j : jahre())
        t.zeilen.append({j.jahr == 0 ? QStringLiteral("ohne Datum") : QString::number(j.jahr), j.belege,
                         gerundet(j.rechnung), gerundet(j.erstattung), gerundet(j.erstattungV),
                         gerundet(j.eigenanteil()), gerundet(j.gekuerzt)});
    return t;
}
