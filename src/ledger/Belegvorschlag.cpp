#include "ledger/Belegvorschlag.h"


#include <QRegularExpression>
#include <QSet>

using namespace receipts;

namespace {
QString falten(QString s)
{
    s = s.toLower();
    s.replace(u'ä', QStringLiteral("ae")).replace(u'ö', QStringLiteral("oe")).replace(u'ü', QStringLiteral("ue"));
    s.replace(u'ß', QStringLiteral("ss"));
    return s;
}

QStringList woerter(const QString &name)
{
    static const QSet<QString> titel = {QStringLiteral("dr"), QStringLiteral("prof"), QStringLiteral("med"),
                                        QStringLiteral("herr"), QStringLiteral("frau"), QStringLiteral("von"),
                                        QStringLiteral("und"), QStringLiteral("zu")};
    QStringList out;
    const QStringList teile = falten(name).split(QRegularExpression(QStringLiteral("[^a-z]+")), Qt::SkipEmptyParts);
    for (const QString &w : teile)
        if (w.size() > 1 && !titel.contains(w))
            out.append(w);
    return out;
}

QString ordnungName(Gebuehrenordnung o)
{
    switch (o) {
    case Gebuehrenordnung::GOAe: return QStringLiteral("GOÄ");
    case Gebuehrenordnung::GOZ: return QStringLiteral("GOZ");
    case Gebuehrenordnung::GebueH: return QStringLiteral("GebüH");
    case Gebuehrenordnung::Keine: break;
    }
    return {};
}

// The code of a list entry: "AB" of "AB;…", "1 (AB)" of "1 (AB);…".
QString code(const QString &eintrag)
{
    return eintrag.section(u';', 0, 0);
}
} // namespace

namespace Belegvorschlag {

QString empfaenger(const QString &patient, const Personen &personen)
{
    const QStringList p = woerter(patient);
    if (p.isEmpty())
        return {};
    QList<QPair<QString, QString>> kandidaten = {{QStringLiteral("A"), personen.antragsteller},
                                                 {QStringLiteral("E"), personen.ehegatte}};
    for (int i = 0; i < personen.kinder.size() && i < 5; ++i)
        kandidaten.append({QStringLiteral("K%1").arg(i + 1), personen.kinder.at(i)});
    QString bester;
    int besteZahl = 0;
    bool gleichstand = false;
    for (const auto &k : kandidaten) {
        const QStringList n = woerter(k.second);
        int treffer = 0;
        for (const QString &w : n)
            if (p.contains(w))
                ++treffer;
        // Every word of the person's name must stand in the patient's name.
        if (n.isEmpty() || treffer < n.size())
            continue;
        if (treffer > besteZahl) {
            bester = k.first;
            besteZahl = treffer;
            gleichstand = false;
        } else if (treffer == besteZahl) {
            gleichstand = true;
        }
    }
    return gleichstand ? QString() : bester;
}

QString kostenart(const Beleg &beleg, const QStringList &liste)
{
    int goae = 0, goz = 0, gebueh = 0;
    for (const Rechnungszeile &z : beleg.positionen) {
        goae += z.ordnung == Gebuehrenordnung::GOAe;
        goz += z.ordnung == Gebuehrenordnung::GOZ;
        gebueh += z.ordnung == Gebuehrenordnung::GebueH;
    }
    const QString aussteller = falten(beleg.aussteller);
    const bool apotheke = aussteller.contains(QStringLiteral("apotheke"));
    const bool klinik = aussteller.contains(QStringLiteral("klinik")) || aussteller.contains(QStringLiteral("krankenhaus"))
                        || aussteller.contains(QStringLiteral("hospital"));
    QString kuerzel;
    bool stationaer = false;
    if (goz > 0 && goz >= goae)
        kuerzel = QStringLiteral("ZB");
    else if (goae > 0 || gebueh > 0) {
        kuerzel = QStringLiteral("AB");
        stationaer = klinik;
    } else if (apotheke)
        kuerzel = QStringLiteral("RP");
    else if (klinik)
        kuerzel = QStringLiteral("KH");
    if (kuerzel.isEmpty())
        return {};
    // The plain list has "AB"; the LBV list "1 (AB)" and, in hospital, "4 (AB)".
    QString gefunden;
    for (const QString &e : liste) {
        const QString c = code(e);
        if (c == kuerzel || c.endsWith(QStringLiteral("(%1)").arg(kuerzel))) {
            if (gefunden.isEmpty() || (stationaer && c.startsWith(u'4')))
                gefunden = c;
        }
    }
    return gefunden;
}

double kuerzung(const Beleg &beleg)
{
    double summe = 0;
    for (const Befund &b : beleg.befunde) {
        if (!b.anerkannt || b.position < 1 || b.position > beleg.positionen.size())
            continue;
        const auto &betrag = beleg.positionen.at(b.position - 1).betrag;
        if (betrag && *betrag > *b.anerkannt)
            summe += *betrag - *b.anerkannt;
    }
    return qRound(summe * 100) / 100.0;
}

QString befundtext(const Beleg &beleg)
{
    QStringList zeilen;
    for (const Befund &b : beleg.befunde) {
        QString ort;
        if (b.position >= 1 && b.position <= beleg.positionen.size()) {
            const Rechnungszeile &z = beleg.positionen.at(b.position - 1);
            const QString nr = (ordnungName(z.ordnung) + u' ' + z.nummer).trimmed();
            ort = nr.isEmpty() ? QStringLiteral("Position %1").arg(b.position)
                               : QStringLiteral("Position %1 (%2)").arg(b.position).arg(nr);
        } else {
            ort = QStringLiteral("Rechnung");
        }
        zeilen.append(ort + QStringLiteral(": ") + b.text.simplified());
    }
    return zeilen.join(u'\n');
}

Rechnungsposition position(const Beleg &beleg, const Personen &personen, const QStringList &arten)
{
    Rechnungsposition r;
    r.Datum = beleg.rechnungsdatum.isValid() ? beleg.rechnungsdatum.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    r.faelligam = beleg.faelligam.isValid() ? beleg.faelligam.toString(QStringLiteral("dd.MM.yyyy")) : QString();
    r.Empfaenger = empfaenger(beleg.patient, personen);
    r.Art = kostenart(beleg, arten);
    r.Rechnung = beleg.betrag.value_or(0.0);
    r.euro = true;
    // The doctor's name before a long title ("Dr. A. Beispiel, Fachärztin für …").
    QString arzt = beleg.aussteller.simplified();
    if (arzt.size() > decltype(r.Arzt)::breite && arzt.contains(u','))
        arzt = arzt.section(u',', 0, 0).trimmed();
    r.Arzt = arzt;
    r.Rechnungsnummer = beleg.rechnungsnummer.simplified();
    r.befunde = befundtext(beleg);
    r.kuerzung = kuerzung(beleg);
    return r;
}

} // namespace Belegvorschlag
