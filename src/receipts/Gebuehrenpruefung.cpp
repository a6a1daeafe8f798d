#include "receipts/Gebuehrenpruefung.h"

#include "base/GermanMoney.h"
#include "reference/Gebuehrenregeln.h"
#include "shell/Datenbank.h"

#include <QHash>

#include <cmath>

namespace receipts {

QString befundCode(Befundart art)
{
    switch (art) {
    case Befundart::UnbekannteNummer:
        return QStringLiteral("unbekannte-nummer");
    case Befundart::Hoechstsatz:
        return QStringLiteral("hoechstsatz");
    case Befundart::BegruendungFehlt:
        return QStringLiteral("begruendung-fehlt");
    case Befundart::BetragFalsch:
        return QStringLiteral("betrag-falsch");
    case Befundart::Hoechstbetrag:
        return QStringLiteral("hoechstbetrag");
    case Befundart::SummeFalsch:
        return QStringLiteral("summe-falsch");
    }
    return {};
}

namespace {

// Factors that differ only in the noise of binary fractions count as equal.
constexpr double Toleranz = 1e-9;

QString goCode(Gebuehrenordnung ordnung)
{
    switch (ordnung) {
    case Gebuehrenordnung::GOAe:
        return QStringLiteral("Ä");
    case Gebuehrenordnung::GOZ:
        return QStringLiteral("Z");
    case Gebuehrenordnung::GebueH:
        return QStringLiteral("Y");
    case Gebuehrenordnung::Keine:
        break;
    }
    return {};
}

qint64 cent(double euro)
{
    return qint64(std::llround(Gebuehrenregeln::aufCentRunden(euro) * 100.0));
}

QString euro(double wert)
{
    return GermanMoney::format(wert) + QStringLiteral(" €");
}

QString anzahlText(double anzahl)
{
    return GermanMoney::plain(anzahl);
}

} // namespace

struct Gebuehrenpruefung::Daten
{
    struct Leistung
    {
        QString nummer; // as the schedule prints it
        double punkte = 0.0;
        bool hatPunkte = false;
        QString schluessel;
    };
    struct Ordnung
    {
        QString kurzname;
        double punktwert = 0.0;
        QString fundstelleRundung;
        QString fundstelleBegruendung;
        QHash<QString, QList<Leistung>> leistungen; // by Gebuehrenregeln::nummerSchluessel
    };
    struct Rahmen
    {
        double schwelle = 0.0;
        double hoechst = 0.0;
        QString fundstelle;
    };

    QHash<QString, Ordnung> ordnungen;    // by GO code
    QHash<QString, Rahmen> rahmen;        // by GO code + key

    const QList<Leistung> *finden(Gebuehrenordnung ordnung, const QString &nummer) const
    {
        const auto o = ordnungen.constFind(goCode(ordnung));
        if (o == ordnungen.constEnd())
            return nullptr;
        const auto l = o->leistungen.constFind(Gebuehrenregeln::nummerSchluessel(nummer));
        return l == o->leistungen.constEnd() ? nullptr : &*l;
    }
};

Gebuehrenpruefung::Gebuehrenpruefung() : m_daten(new Daten) {}

Gebuehrenpruefung::~Gebuehrenpruefung()
{
    delete m_daten;
}

bool Gebuehrenpruefung::laden(const QString &tarvikPfad, QString *fehler)
{
    Daten daten;
    Datenbank db;
    QString grund;
    if (!db.oeffnen(tarvikPfad, Datenbank::Modus::NurLesen, &grund)) {
        if (fehler)
            *fehler = QStringLiteral("Die Gebührendatenbank %1 lässt sich nicht öffnen: %2").arg(tarvikPfad, grund);
        return false;
    }
    const auto misslungen = [&](const Datensatz &ds) {
        if (fehler)
            *fehler = QStringLiteral("Die Gebührendatenbank %1 ist unvollständig: %2").arg(tarvikPfad, ds.fehler());
        return false;
    };

    Datensatz o = db.abfrage(QStringLiteral("select * from \"Gebührenordnungen\""));
    if (!o.istGueltig())
        return misslungen(o);
    for (bool ok = o.ersteZeile(); ok; ok = o.naechsteZeile()) {
        Daten::Ordnung &ord = daten.ordnungen[o.text(QStringLiteral("GO"))];
        ord.kurzname = o.text(QStringLiteral("Kurzname"));
        ord.punktwert = o.wert(QStringLiteral("PunktwertEuro")).toDouble();
        ord.fundstelleRundung = o.text(QStringLiteral("FundstelleRundung"));
        ord.fundstelleBegruendung = o.text(QStringLiteral("FundstelleBegründung"));
    }

    Datensatz r = db.abfrage(QStringLiteral("select * from \"Gebührenrahmen\""));
    if (!r.istGueltig())
        return misslungen(r);
    for (bool ok = r.ersteZeile(); ok; ok = r.naechsteZeile())
        daten.rahmen.insert(r.text(QStringLiteral("GO")) + r.text(QStringLiteral("Schlüssel")),
                            {r.wert(QStringLiteral("Schwellenwert")).toDouble(),
                             r.wert(QStringLiteral("Höchstsatz")).toDouble(), r.text(QStringLiteral("Fundstelle"))});

    Datensatz g = db.abfrage(QStringLiteral("select GO, Nummer, Punkte, \"Schlüssel\" from \"Gebühren\" order by GO, GOIndex"));
    if (!g.istGueltig())
        return misslungen(g);
    for (bool ok = g.ersteZeile(); ok; ok = g.naechsteZeile()) {
        const auto ord = daten.ordnungen.find(g.text(QStringLiteral("GO")));
        if (ord == daten.ordnungen.end())
            continue;
        Daten::Leistung l;
        l.nummer = g.text(QStringLiteral("Nummer"));
        l.hatPunkte = !g.istNull(QStringLiteral("Punkte"));
        l.punkte = l.hatPunkte ? g.wert(QStringLiteral("Punkte")).toDouble() : 0.0;
        l.schluessel = g.text(QStringLiteral("Schlüssel"));
        ord->leistungen[Gebuehrenregeln::nummerSchluessel(l.nummer)].append(l);
    }
    if (daten.ordnungen.value(QStringLiteral("Ä")).leistungen.isEmpty()) {
        if (fehler)
            *fehler = QStringLiteral("Die Gebührendatenbank %1 enthält keine GOÄ.").arg(tarvikPfad);
        return false;
    }
    *m_daten = std::move(daten);
    return true;
}

bool Gebuehrenpruefung::bekannt(Gebuehrenordnung ordnung, const QString &nummer) const
{
    return m_daten->finden(ordnung, nummer) != nullptr;
}

QList<Befund> Gebuehrenpruefung::pruefen(const Beleg &beleg) const
{
    QList<Befund> befunde;
    for (int i = 0; i < beleg.positionen.size(); ++i) {
        const Rechnungszeile &z = beleg.positionen.at(i);
        if (z.ordnung == Gebuehrenordnung::Keine || z.nummer.trimmed().isEmpty())
            continue;
        if (auto b = zeilePruefen(z)) {
            b->position = i + 1;
            befunde.append(*b);
        }
    }
    if (auto b = summePruefen(beleg))
        befunde.append(*b);
    return befunde;
}

std::optional<Befund> Gebuehrenpruefung::zeilePruefen(const Rechnungszeile &z) const
{
    // Read only: several threads may check at once.
    static const Daten::Ordnung keine;
    const auto gefunden = std::as_const(m_daten->ordnungen).find(goCode(z.ordnung));
    const Daten::Ordnung &ord = gefunden == m_daten->ordnungen.cend() ? keine : *gefunden;
    const QList<Daten::Leistung> *treffer = m_daten->finden(z.ordnung, z.nummer);
    const QString kurz = ord.kurzname.isEmpty() ? goCode(z.ordnung) : ord.kurzname;
    if (!treffer)
        return Befund{0, Befundart::UnbekannteNummer,
                      QStringLiteral("Nr. %1 steht nicht im Gebührenverzeichnis der %2.").arg(z.nummer.simplified(), kurz),
                      std::nullopt};

    const Daten::Leistung &l = treffer->first();
    const QString nr = QStringLiteral("Nr. ") + l.nummer;
    if (z.ordnung == Gebuehrenordnung::GebueH) {
        // A number standing several times (with different services) is
        // held to the highest of its maxima: the line does not say which.
        double hoechst = 0.0;
        for (const Daten::Leistung &l : *treffer)
            hoechst = std::max(hoechst, Gebuehrenregeln::gebuehr(l.punkte, ord.punktwert, 1.0));
        const double grenze = Gebuehrenregeln::aufCentRunden(z.anzahl * hoechst);
        if (!z.betrag || cent(*z.betrag) <= cent(grenze))
            return std::nullopt;
        const QString fuer = z.anzahl == 1 ? nr : anzahlText(z.anzahl) + QStringLiteral(" × ") + nr;
        return Befund{0, Befundart::Hoechstbetrag,
                      QStringLiteral("Betrag %1 für %2 über dem beihilfefähigen Höchstbetrag %3 "
                                     "(Anlage 2 BBhV, Höchstbeträge für Heilpraktikerleistungen).")
                          .arg(euro(*z.betrag), fuer, euro(grenze)),
                      grenze};
    }


    const auto rahmen = m_daten->rahmen.constFind(goCode(z.ordnung) + l.schluessel);
    if (!z.faktor || rahmen == m_daten->rahmen.constEnd())
        return std::nullopt;
    const double faktor = *z.faktor;

    // What the line would come to at another factor: from the points where
    // the item has them, else in proportion to the billed amount.
    const auto betragBei = [&](double f) -> std::optional<double> {
        std::optional<double> wert;
        if (l.hatPunkte)
            wert = z.anzahl * Gebuehrenregeln::gebuehr(l.punkte, ord.punktwert, f);
        else if (z.betrag && faktor > 0 && z.anzahl > 0)
            wert = z.anzahl * Gebuehrenregeln::aufCentRunden(*z.betrag / z.anzahl * f / faktor);
        if (wert && z.betrag)
            wert = std::min(*wert, *z.betrag);
        if (wert)
            wert = Gebuehrenregeln::aufCentRunden(*wert);
        return wert;
    };

    const QString faktorText = Gebuehrenregeln::faktorText(faktor);
    if (faktor > rahmen->hoechst + Toleranz) {
        const QString hoechst = Gebuehrenregeln::faktorText(rahmen->hoechst);
        const QString text =
            l.schluessel == QLatin1String("e")
                ? QStringLiteral("Faktor %1 über dem Höchstsatz %2: %3 ist nur mit dem einfachen Gebührensatz "
                                 "berechnungsfähig (Bestimmungen zu %3 %4).")
                      .arg(faktorText, hoechst, nr, kurz)
                : QStringLiteral("Faktor %1 über dem Höchstsatz %2 (%3); nur eine schriftliche Vereinbarung "
                                 "erlaubt ihn, die Beihilfe erkennt höchstens den Höchstsatz an.")
                      .arg(faktorText, hoechst, rahmen->fundstelle);
        return Befund{0, Befundart::Hoechstsatz, text, betragBei(rahmen->hoechst)};
    }
    if (faktor > rahmen->schwelle + Toleranz && z.begruendung.trimmed().isEmpty())
        return Befund{0, Befundart::BegruendungFehlt,
                      QStringLiteral("Faktor %1 über dem Schwellenwert %2 ohne schriftliche Begründung (%3).")
                          .arg(faktorText, Gebuehrenregeln::faktorText(rahmen->schwelle), ord.fundstelleBegruendung),
                      betragBei(rahmen->schwelle)};
    if (z.betrag && l.hatPunkte) {
        const double soll = z.anzahl * Gebuehrenregeln::gebuehr(l.punkte, ord.punktwert, faktor);
        if (std::llabs(cent(*z.betrag) - cent(soll)) > 1) {
            const QString rechnung =
                QStringLiteral("%1 × %2 Punkte × %3 Cent × %4")
                    .arg(anzahlText(z.anzahl), GermanMoney::plain(l.punkte),
                         QString::number(ord.punktwert * 100.0, 'g', 8).replace(u'.', u','), faktorText);
            std::optional<double> anerkannt;
            if (cent(*z.betrag) > cent(soll))
                anerkannt = Gebuehrenregeln::aufCentRunden(soll);
            return Befund{0, Befundart::BetragFalsch,
                          QStringLiteral("Betrag %1 statt %2 (%3, einmal nach dem Faktor auf den Cent gerundet, %4).")
                              .arg(euro(*z.betrag), euro(soll), rechnung, ord.fundstelleRundung),
                          anerkannt};
        }
    }
    return std::nullopt;
}

std::optional<Befund> Gebuehrenpruefung::summePruefen(const Beleg &beleg) const
{
    if (!beleg.betrag || beleg.positionen.isEmpty())
        return std::nullopt;
    qint64 summe = 0;
    Gebuehrenordnung ordnung = Gebuehrenordnung::Keine;
    for (const Rechnungszeile &z : beleg.positionen) {
        if (!z.betrag)
            return std::nullopt; // a line without an amount: the sum cannot be checked
        summe += cent(*z.betrag);
        if (ordnung == Gebuehrenordnung::Keine)
            ordnung = z.ordnung;
    }
    const qint64 minderung = beleg.minderung ? cent(*beleg.minderung) : 0;
    if (std::llabs(summe - minderung - cent(*beleg.betrag)) <= 1)
        return std::nullopt;
    QString wo;
    if (ordnung == Gebuehrenordnung::GOAe)
        wo = QStringLiteral(" (§ 12 Abs. 2 GOÄ)");
    else if (ordnung == Gebuehrenordnung::GOZ)
        wo = QStringLiteral(" (§ 10 Abs. 2 GOZ)");
    const QString ergebnis =
        minderung ? QStringLiteral("%1, abzüglich der Minderung von %2 also %3")
                        .arg(euro(summe / 100.0), euro(minderung / 100.0), euro((summe - minderung) / 100.0))
                  : euro(summe / 100.0);
    return Befund{0, Befundart::SummeFalsch,
                  QStringLiteral("Die Positionen ergeben %1, die Rechnung nennt als Rechnungsbetrag aber %2%3.")
                      .arg(ergebnis, euro(*beleg.betrag), wo),
                  std::nullopt};
}

} // namespace receipts
