#include "Formularpruefung.h"

#include "print/Aufzeichnungsflaeche.h"
#include "print/Layoutinterpreter.h"
#include "print/Schriften.h"

#include <QRegularExpression>
#include <algorithm>

namespace formularpruefung {

namespace {
constexpr double kToleranz = 0.15;

QString ort(const Textkasten &t)
{
    return QStringLiteral("\"%1\" at %2/%3 mm").arg(t.text).arg(t.links, 0, 'f', 1).arg(t.oben, 0, 'f', 1);
}

bool ueberschneiden(double a1, double a2, double b1, double b2, double toleranz = kToleranz)
{
    return std::min(a2, b2) - std::max(a1, b1) > toleranz;
}
} // namespace

QList<Textkasten> textkaesten(const Aufzeichnungsflaeche &flaeche)
{
    QList<Textkasten> out;
    for (const Aufzeichnungsflaeche::Text &t : flaeche.texte()) {
        const Schriften::Twips &m = Schriften::twips(t.fontName, t.fontSize, t.fontBold);
        const QString text = t.text.trimmed();
        if (text.isEmpty())
            continue;
        // Leading blanks move the ink to the right.
        const double vorlauf = m.metrik.horizontalAdvance(t.text.left(t.text.indexOf(text))) / Schriften::TwipsProMm;
        const double breite = m.metrik.horizontalAdvance(text) / Schriften::TwipsProMm;
        const double ascent = m.metrik.ascent() / Schriften::TwipsProMm;
        const double kappe = m.metrik.capHeight() / Schriften::TwipsProMm;
        const double unterlaenge = m.metrik.descent() / Schriften::TwipsProMm;
        Textkasten k;
        k.text = text;
        k.links = t.blattX + vorlauf;
        k.rechts = k.links + breite;
        k.oben = t.blattY + ascent - kappe;
        // Descenders may touch a rule below; the body of the letters may not.
        k.unten = t.blattY + ascent + unterlaenge * 0.4;
        out.append(k);
    }
    return out;
}

QStringList ausserhalb(const Aufzeichnungsflaeche &flaeche)
{
    QStringList out;
    auto drin = [](double x, double y) {
        return x >= Rand - kToleranz && x <= BlattBreite - Rand + kToleranz && y >= Rand - kToleranz
            && y <= BlattHoehe - Rand + kToleranz;
    };
    for (const Textkasten &t : textkaesten(flaeche))
        if (!drin(t.links, t.oben) || !drin(t.rechts, t.unten))
            out.append(QStringLiteral("text %1 leaves the printable area").arg(ort(t)));
    for (const Aufzeichnungsflaeche::Strich &s : flaeche.striche())
        if (!drin(s.x1, s.y1) || !drin(s.x2, s.y2))
            out.append(QStringLiteral("line %1/%2-%3/%4 mm leaves the printable area")
                           .arg(s.x1, 0, 'f', 1).arg(s.y1, 0, 'f', 1).arg(s.x2, 0, 'f', 1).arg(s.y2, 0, 'f', 1));
    for (const Aufzeichnungsflaeche::Flaeche &f : flaeche.flaechen())
        if (!drin(f.x1, f.y1) || !drin(f.x2, f.y2))
            out.append(QStringLiteral("grey area %1/%2 mm leaves the printable area")
                           .arg(f.x1, 0, 'f', 1).arg(f.y1, 0, 'f', 1));
    return out;
}

QStringList durchgestrichen(const Aufzeichnungsflaeche &flaeche)
{
    QStringList out;
    const QVector<Aufzeichnungsflaeche::Strich> striche = flaeche.striche();
    for (const Textkasten &t : textkaesten(flaeche)) {
        for (const Aufzeichnungsflaeche::Strich &s : striche) {
            const double x1 = std::min(s.x1, s.x2), x2 = std::max(s.x1, s.x2);
            const double y1 = std::min(s.y1, s.y2), y2 = std::max(s.y1, s.y2);
            bool kreuzt = false;
            if (y2 - y1 < 0.01) // horizontal
                kreuzt = y1 > t.oben + kToleranz && y1 < t.unten - kToleranz && ueberschneiden(x1, x2, t.links, t.rechts);
            else if (x2 - x1 < 0.01) // vertical
                kreuzt = x1 > t.links + kToleranz && x1 < t.rechts - kToleranz && ueberschneiden(y1, y2, t.oben, t.unten);
            else // a cross in a check box
                kreuzt = ueberschneiden(x1, x2, t.links, t.rechts) && ueberschneiden(y1, y2, t.oben, t.unten);
            if (kreuzt) {
                out.append(QStringLiteral("text %1 is crossed by the line %2/%3-%4/%5 mm")
                               .arg(ort(t))
                               .arg(s.x1, 0, 'f', 1).arg(s.y1, 0, 'f', 1).arg(s.x2, 0, 'f', 1).arg(s.y2, 0, 'f', 1));
                break;
            }
        }
    }
    return out;
}

QStringList ueberlappend(const Aufzeichnungsflaeche &flaeche)
{
    QStringList out;
    const QList<Textkasten> k = textkaesten(flaeche);
    for (qsizetype i = 0; i < k.size(); ++i)
        for (qsizetype j = i + 1; j < k.size(); ++j)
            if (ueberschneiden(k[i].links, k[i].rechts, k[j].links, k[j].rechts)
                && ueberschneiden(k[i].oben, k[i].unten, k[j].oben, k[j].unten, 0.02))
                out.append(QStringLiteral("text %1 overlaps %2").arg(ort(k[i]), ort(k[j])));
    return out;
}

QStringList feldwoerter(const QString &inhalt)
{
    static const QRegularExpression trenner(QStringLiteral("[ ,$]+"));
    return inhalt.split(trenner, Qt::SkipEmptyParts);
}

QStringList zuBreit(const Layout &layout, const std::function<QString(const QString &inhalt)> &antwort)
{
    QStringList out;
    for (const Layoutzeile &z : layout) {
        const int art = Layoutinterpreter::ganzzahl(z.Art).value_or(-1);
        if (!((art >= 11 && art <= 13) || (art >= 21 && art <= 23)))
            continue;
        const double breite = Layoutinterpreter::zahl(z.Breite).value_or(0);
        if (breite <= 0)
            continue;
        const QString text = antwort(z.Inhalt.toString());
        const double pt = Layoutinterpreter::zahl(z.Schriftgroesse).value_or(10);
        const bool fett = z.Schrifttyp.toString() != QLatin1String("N");
        const double mm = Schriften::twips(QStringLiteral("Arial"), pt, fett).metrik.horizontalAdvance(text)
            / Schriften::TwipsProMm;
        if (mm > breite + kToleranz)
            out.append(QStringLiteral("\"%1\" (%2) is %3 mm wide, its row at %4/%5 has %6 mm")
                           .arg(text, z.Inhalt.toString())
                           .arg(mm, 0, 'f', 1)
                           .arg(Layoutinterpreter::zahl(z.x).value_or(0))
                           .arg(Layoutinterpreter::zahl(z.y).value_or(0) + Layoutinterpreter::zahl(z.BeginnY).value_or(0))
                           .arg(breite));
    }
    return out;
}

} // namespace formularpruefung
