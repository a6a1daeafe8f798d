#include "print/Layoutinterpreter.h"

#include "fields/Feldtabelle.h"
#include "fields/Zusatzfeldtabelle.h"
#include "print/Belegquelle.h"
#include "print/Formularkatalog.h"
#include "print/Fortschritt.h"
#include "print/Layoutquelle.h"
#include "print/Seitenflaeche.h"

#include <QColor>
#include <QDir>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {
const QColor kGrau(230, 230, 230);

bool istTrenner(QChar c, bool dollar)
{
    return c == u' ' || c == u',' || (dollar && c == u'$');
}

// An answer wider than the room of its row gets a smaller font, down to
// 6 pt; what is still too wide is cut and ends in "…". The caller restores
// the font size.
constexpr double kKleinsteSchrift = 6;

QString einpassen(Seitenflaeche &s, QString text, double raum)
{
    const double grenze = raum + 0.001; // a micrometre of rounding
    if (raum <= 0 || s.TextWidth(text) <= grenze)
        return text;
    while (s.fontSize() > kKleinsteSchrift && s.TextWidth(text) > grenze) {
        const double passend = s.fontSize() * raum / s.TextWidth(text);
        s.setFontSize(std::max(kKleinsteSchrift, std::min(passend, s.fontSize() - 0.25)));
    }
    if (s.TextWidth(text) > grenze) {
        while (text.size() > 1 && s.TextWidth(text + u'…') > grenze)
            text.chop(1);
        text += u'…';
    }
    return text;
}
} // namespace

Layoutinterpreter::Feldindex::Feldindex(const Feldtabelle *felder, const Zusatzfeldtabelle *zusatz)
{
    if (felder) {
        for (const Feldtabelle::Zeile &z : felder->zeilen()) {
            if (z.name.isEmpty())
                continue;
            Eintrag &e = m_felder[z.name.mid(1)];
            e.wert = z.wert;
            e.geaendert = e.geaendert || z.geaendert();
        }
    }
    if (zusatz) {
        for (const Zusatzfeldtabelle::Zeile &z : zusatz->zeilen()) {
            if (z.name.isEmpty())
                continue;
            m_felder[z.name.mid(1)].wert = z.wert;
        }
    }
}

const Layoutinterpreter::Feldindex::Eintrag *Layoutinterpreter::Feldindex::finde(const QString &name) const
{
    const auto it = m_felder.constFind(name);
    return it == m_felder.constEnd() ? nullptr : &*it;
}

QString Layoutinterpreter::nichtGefunden(const QString &layout)
{
    return QStringLiteral("Druckvorlage \"%1\" nicht gefunden.").arg(layout);
}

std::optional<double> Layoutinterpreter::zahl(const QVariant &wert)
{
    if (!wert.isValid() || wert.isNull())
        return std::nullopt;
    double v = 0;
    bool ok = false;
    switch (wert.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Bool:
        v = wert.toDouble(&ok);
        break;
    default: {
        QString t = wert.toString().trimmed();
        v = t.toDouble(&ok);
        if (!ok) {
            t.replace(u',', u'.');
            v = t.toDouble(&ok);
        }
        break;
    }
    }
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<int> Layoutinterpreter::ganzzahl(const QVariant &wert)
{
    const std::optional<double> v = zahl(wert);
    if (!v)
        return std::nullopt;
    const double r = std::nearbyint(*v); // halves to the even number
    if (r < std::numeric_limits<int>::min() || r > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(r);
}

std::optional<int> Layoutinterpreter::offsetWert(const QString &text)
{
    static const QRegularExpression muster(QStringLiteral("^[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)$"));
    const QString t = text.trimmed();
    if (!muster.match(t).hasMatch())
        return std::nullopt;
    QString punkt = t;
    punkt.replace(u',', u'.');
    bool ok = false;
    const double v = punkt.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    const double r = std::nearbyint(v);
    if (std::abs(r) > 32767)
        return std::nullopt;
    return int(r);
}

QString Layoutinterpreter::ersetzen(const QString &inhalt, const Druckvariante &variante, const Feldindex &felder,
                                    const QString &pKVP, bool *aenderung)
{
    // 1. Slots: every word and every separator takes one.
    struct Slot
    {
        QString wort;
        QString wert;
    };
    QVarLengthArray<Slot, 16> faecher;
    const int maximum = std::max(variante.faecher, 0);
    bool neuerSlot = true;
    for (const QChar c : inhalt) {
        if (istTrenner(c, variante.dollar)) {
            if (faecher.size() >= maximum)
                break;
            faecher.append(Slot{QString(c), QString(c)});
            neuerSlot = true;
            continue;
        }
        if (neuerSlot) {
            if (faecher.size() >= maximum)
                break;
            faecher.append(Slot{});
            neuerSlot = false;
        }
        faecher.last().wort.append(c);
    }
    // 2. The person code of an insurance list.
    if (variante.person) {
        for (Slot &s : faecher) {
            const qsizetype p = s.wort.indexOf(QLatin1String("[#P]"));
            if (p >= 0)
                s.wort = s.wort.left(p) + pKVP;
        }
    }
    // 3. Field values; 4. joined in slot order.
    const bool aenderungTesten = variante.aenderung == Druckvariante::Aenderung::KomplettOderGeaendert;
    QString ergebnis;
    for (Slot &s : faecher) {
        if (const Feldindex::Eintrag *e = felder.finde(s.wort)) {
            s.wert = e->wert;
            if (aenderungTesten && e->geaendert && aenderung)
                *aenderung = true;
        }
        ergebnis += s.wert;
    }
    // 5. A check-box field followed by "$" shows the rest only when ticked.
    if (variante.dollar) {
        if (ergebnis.startsWith(QLatin1String("0$")))
            ergebnis.clear();
        else if (ergebnis.startsWith(QLatin1String("1$")))
            ergebnis.remove(0, 2);
    }
    return ergebnis;
}

std::optional<Layout> Layoutinterpreter::vorlage(const Druckauftrag &auftrag, QString *fehler)
{
    auto melden = [fehler](const QString &text) {
        if (fehler)
            *fehler = text;
        return std::nullopt;
    };
    // A damaged database is no missing layout: an empty catalogue entry or
    // unreadable rows come from the file, not from the form kind.
    QString grund;
    if (!Formularkatalog::lesbar(auftrag.datenbank, &grund))
        return melden(Formularkatalog::unlesbarMeldung(auftrag.datenbank, grund));
    if (auftrag.layout.isEmpty())
        return melden(QStringLiteral("Druckvorlage nicht gefunden: für diese Seite ist keine Vorlage hinterlegt."));
    const bool euro = auftrag.variante.euroSchalter && auftrag.euro;
    std::optional<Layout> layout = Layoutquelle::lesen(auftrag.datenbank, auftrag.layout, euro, &grund);
    if (!layout)
        return melden(Formularkatalog::unlesbarMeldung(auftrag.datenbank, grund));
    if (layout->isEmpty())
        return melden(nichtGefunden(auftrag.layout) + (euro ? QStringLiteral(" (Euro-Ausgabe)") : QString()));
    return layout;
}

Druckergebnis Layoutinterpreter::drucken(const Druckauftrag &auftrag, Seitenflaeche &flaeche)
{
    Druckergebnis ergebnis;
    const std::optional<Layout> layout = vorlage(auftrag, &ergebnis.fehler);
    if (!layout)
        return ergebnis;
    return zeichnen(auftrag, *layout, flaeche);
}

Druckergebnis Layoutinterpreter::zeichnen(const Druckauftrag &auftrag, const Layout &layout, Seitenflaeche &s)
{
    const Druckvariante &v = auftrag.variante;
    Druckergebnis ergebnis;

    // Prepare the surface.
    s.setScaleMode(6);
    int gemerkt = s.orientation();
    if (v.drucker) {
        if (v.orientierung == Druckvariante::Orientierung::Merken) {
            s.setOrientation(2);
            s.setOrientation(auftrag.querformat ? 2 : 1);
        } else if (v.orientierung == Druckvariante::Orientierung::ZweiDannEins) {
            s.setOrientation(2);
            s.setOrientation(1);
        }
    }
    s.Print(QStringLiteral(" "));
    s.setFontName(QStringLiteral("Arial"));
    s.setFontSize(10);
    s.Print(QStringLiteral(" "));
    s.setFontName(QStringLiteral("Arial"));
    s.setFontSize(6);
    s.setDrawWidth(v.drawWidth);
    s.Print(QStringLiteral(" "));
    if (v.offset)
        if (const std::optional<int> o = offsetWert(auftrag.offset))
            s.setScaleTop(*o);
    if (v.scaleLeft)
        s.setScaleLeft(-10);
    s.setFontBold(true);
    s.Print(QStringLiteral(" "));

    Fortschritt *fortschritt = v.fortschritt ? auftrag.fortschritt : nullptr;
    if (fortschritt)
        fortschritt->beginnen(int(layout.size()));

    const Feldindex felder(auftrag.felder, v.zusatzfelder ? auftrag.zusatz : nullptr);
    const bool mitListen = v.listen && auftrag.belege && auftrag.belege->Belegeanzahl() >= 1;

    int gezaehlt = 0;
    for (const Layoutzeile &z : layout) {
        ++gezaehlt;
        if (fortschritt)
            fortschritt->setzen(gezaehlt);

        const int art = ganzzahl(z.Art).value_or(-1);
        const double x = zahl(z.x).value_or(0);
        const double y = zahl(z.y).value_or(0) + zahl(z.BeginnY).value_or(0);
        const double hoehe = zahl(z.Hoehe).value_or(0);
        const double breite = zahl(z.Breite).value_or(0);
        QString inhalt = z.Inhalt.isValid() && !z.Inhalt.isNull() ? z.Inhalt.toString() : QString();
        const std::optional<double> groesse = zahl(z.Schriftgroesse);
        const QString typ = z.Schrifttyp.isValid() && !z.Schrifttyp.isNull() ? z.Schrifttyp.toString() : QString();

        bool markiert = false;
        if (v.aenderung == Druckvariante::Aenderung::ImmerAn)
            markiert = true;
        else if (v.aenderung == Druckvariante::Aenderung::KomplettOderGeaendert)
            markiert = auftrag.komplett;
        const double abstand = hoehe == 0 ? 6.0 : hoehe;

        if (art > 10 && art != 15 && (!v.listen || art < 40))
            inhalt = ersetzen(inhalt, v, felder, auftrag.pKVP, &markiert);

        if (v.nurInhalteSchalter && auftrag.nurInhalte && art < 10)
            continue;

        if (groesse)
            s.setFontSize(*groesse);
        s.setFontBold(typ != QLatin1String("N"));

        if (v.aenderung != Druckvariante::Aenderung::NichtAngewandt && art > 20 && art < 30 && !markiert)
            inhalt.clear();
        const double punkte = s.fontSize();
        if ((art >= 11 && art <= 13) || (art >= 21 && art <= 23))
            inhalt = einpassen(s, inhalt, breite);

        switch (art) {
        case 1:
        case 11:
        case 21:
            s.setCurrentX(x);
            s.setCurrentY(y);
            s.Print(inhalt);
            break;
        case 2:
        case 12:
        case 22:
            s.setCurrentX(x + breite - s.TextWidth(inhalt));
            s.setCurrentY(y);
            s.Print(inhalt);
            break;
        case 3:
        case 13:
        case 23:
            s.setCurrentX(x + (breite - s.TextWidth(inhalt)) / 2);
            s.setCurrentY(y + (hoehe - s.TextHeight(inhalt)) / 2);
            s.Print(inhalt);
            break;
        case 4:
            if (breite == 0 || hoehe == 0) {
                s.Line(x, y, x + breite, y + hoehe);
            } else {
                s.Line(x, y, x + breite, y);
                s.Line(x, y, x, y + hoehe);
                s.Line(x, y + hoehe, x + breite, y + hoehe);
                s.Line(x + breite, y, x + breite, y + hoehe);
            }
            break;
        case 0:
            s.Box(x, y, x + breite, y + hoehe, kGrau);
            break;
        case 14:
        case 24:
        case 16:
        case 26:
            // Option buttons answer "Wahr"/"Falsch" where check boxes answer
            // "1"/"0"; a chosen option is crossed like a ticked box.
            if ((art == 14 || art == 24) ? (inhalt == QLatin1String("1") || inhalt == QLatin1String("Wahr"))
                                         : (inhalt == QLatin1String("0") || inhalt == QLatin1String("Falsch"))) {
                s.Line(x, y, x + breite, y + hoehe);
                s.Line(x + breite, y, x, y + hoehe);
            }
            break;
        case 41:
        case 42:
        case 43:
            if (mitListen) {
                // Numbers outside the receipts give the skip marker anyway.
                const int von = std::max(auftrag.belege->ersterBeleg(), 1);
                const int bis = std::min(auftrag.belege->letzterBeleg(), auftrag.belege->Belegeanzahl());
                int zaehler = 0;
                for (int nr = von; nr <= bis; ++nr) {
                    const QString wert = auftrag.belege->Aufwendungswert(inhalt, nr);
                    if (wert == Belegquelle::Auslassung)
                        continue;
                    ++zaehler;
                    s.setCurrentY(y + zaehler * abstand);
                    if (art == 41)
                        s.setCurrentX(x);
                    else if (art == 42)
                        s.setCurrentX(x + breite - s.TextWidth(wert));
                    else
                        s.setCurrentX(x + (breite - s.TextWidth(wert)) / 2);
                    s.Print(wert);
                }
            }
            break;
        default:
            // Kind 15 (a computed text no row places) and unknown kinds draw nothing.
            break;
        }
        if (s.fontSize() != punkte)
            s.setFontSize(punkte);
        ++ergebnis.zeilen;
    }

    ergebnis.ok = true;
    if (v.drucker) {
        if (!s.EndDoc()) {
            ergebnis.ok = false;
            ergebnis.fehler = s.fehler().isEmpty() ? QStringLiteral("Der Druck konnte nicht abgeschlossen werden.")
                                                   : s.fehler();
        }
        if (v.orientierung == Druckvariante::Orientierung::Merken)
            s.setOrientation(gemerkt);
    }
    if (fortschritt && v.fortschrittVerbergen)
        fortschritt->beenden();
    return ergebnis;
}
