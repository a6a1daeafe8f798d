#include "ledger/Jahresdiagramm.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QStringList>
#include <cmath>

namespace {
const QColor Textfarbe(0x20, 0x20, 0x20);
const QColor Gitterfarbe(0xe0, 0xe0, 0xe0);
const QColor Nullfarbe(0x60, 0x60, 0x60);
// Four calm hues whose lightness differs enough to tell them apart in grey.
const QColor Farben[Jahresdiagramm::Reihen] = {QColor(0x2f, 0x4b, 0x7c), QColor(0x6a, 0xa8, 0x8a),
                                               QColor(0xe3, 0xc5, 0x7a), QColor(0xb0, 0x53, 0x3f)};
constexpr int HoechstensSchritte = 6;
constexpr double Toleranz = 1e-6; // in steps: sums of cents must not push the axis one step on
} // namespace

struct Jahresdiagramm::Aufteilung
{
    QFont titelschrift;
    double zeile = 0; // line height of the normal font
    QRectF titel;
    QRectF flaeche;
    double jahreOben = 0;
    double jahrBreite = 0;
    Achse achse;
    QStringList achsentexte;
    QVector<QRectF> legende; // per series: swatch and name
    double kaestchen = 0;
};

QVector<double> Jahresdiagramm::Achse::werte() const
{
    QVector<double> w;
    const int n = qRound((bis - von) / schritt);
    for (int i = 0; i <= n; ++i)
        w.append(von + i * schritt);
    return w;
}

QString Jahresdiagramm::reihenname(int reihe)
{
    switch (reihe) {
    case 0: return QStringLiteral("Rechnungen");
    case 1: return QStringLiteral("Beihilfe");
    case 2: return QStringLiteral("Versicherung");
    default: return QStringLiteral("Eigenanteil");
    }
}

QColor Jahresdiagramm::farbe(int reihe)
{
    return Farben[qBound(0, reihe, Reihen - 1)];
}

Jahresdiagramm::Achse Jahresdiagramm::achse(double kleinster, double groesster)
{
    const double unten = std::min(0.0, kleinster);
    const double oben = std::max(0.0, groesster);
    if (!(oben - unten > 0) || !std::isfinite(oben - unten))
        return {};
    double basis = std::pow(10.0, std::floor(std::log10((oben - unten) / HoechstensSchritte)));
    for (;; basis *= 10) {
        for (const double faktor : {1.0, 2.0, 2.5, 5.0}) {
            const double schritt = faktor * basis;
            if (schritt < 1 || schritt != std::floor(schritt))
                continue;
            const double von = std::floor(unten / schritt + Toleranz) * schritt;
            const double bis = std::ceil(oben / schritt - Toleranz) * schritt;
            if ((bis - von) / schritt <= HoechstensSchritte + Toleranz)
                return {von, bis, schritt};
        }
    }
}

QString Jahresdiagramm::zahl(double wert)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(qRound64(wert));
}

void Jahresdiagramm::setJahre(const QVector<Uebersicht::Jahr> &jahre)
{
    m_gruppen.clear();
    for (const Uebersicht::Jahr &j : jahre) {
        if (j.jahr != 0)
            m_gruppen.append({QString::number(j.jahr), {j.rechnung, j.erstattung, j.erstattungV, j.eigenanteil()}});
    }
}

Jahresdiagramm::Achse Jahresdiagramm::achse() const
{
    double kleinster = 0, groesster = 0;
    for (const Gruppe &g : m_gruppen) {
        for (const double w : g.werte) {
            kleinster = std::min(kleinster, w);
            groesster = std::max(groesster, w);
        }
    }
    return achse(kleinster, groesster);
}

Jahresdiagramm::Aufteilung Jahresdiagramm::aufteilen(const QPainter &p, const QRectF &rahmen,
                                                     const QFont &schrift) const
{
    Aufteilung a;
    a.titelschrift = schrift;
    a.titelschrift.setBold(true);
    if (schrift.pointSizeF() > 0)
        a.titelschrift.setPointSizeF(schrift.pointSizeF() * 1.15);
    else
        a.titelschrift.setPixelSize(qRound(schrift.pixelSize() * 1.15));
    const QFontMetricsF fm(schrift, p.device());
    a.zeile = fm.height();
    const double rand = a.zeile * 0.6;
    const QRectF innen = rahmen.adjusted(rand, rand, -rand, -rand);
    a.titel = QRectF(innen.left(), innen.top(), innen.width(), QFontMetricsF(a.titelschrift, p.device()).height());

    // The legend flows into as many lines as the width needs, each centred.
    a.kaestchen = fm.ascent() * 0.8;
    const double abstand = a.zeile * 1.5;
    double breiten[Reihen];
    QVector<QVector<int>> zeilen(1);
    double breite = 0;
    for (int i = 0; i < Reihen; ++i) {
        breiten[i] = a.kaestchen + a.zeile * 0.4 + fm.horizontalAdvance(reihenname(i));
        const bool neu = !zeilen.last().isEmpty() && breite + abstand + breiten[i] > innen.width();
        if (neu)
            zeilen.append(QVector<int>());
        breite = zeilen.last().isEmpty() ? breiten[i] : breite + abstand + breiten[i];
        zeilen.last().append(i);
    }
    const double legendeOben = innen.bottom() - zeilen.size() * a.zeile;
    a.legende.resize(Reihen);
    double y = legendeOben;
    for (const QVector<int> &z : zeilen) {
        double w = abstand * (z.size() - 1);
        for (const int i : z)
            w += breiten[i];
        double x = innen.center().x() - w / 2;
        for (const int i : z) {
            a.legende[i] = QRectF(x, y, breiten[i], a.zeile);
            x += breiten[i] + abstand;
        }
        y += a.zeile;
    }

    // The tick labels stand left of the bars, the years below them.
    a.achse = achse();
    double links = 0;
    for (const double w : a.achse.werte()) {
        a.achsentexte.append(zahl(w));
        links = std::max(links, fm.horizontalAdvance(a.achsentexte.last()));
    }
    a.jahrBreite = fm.horizontalAdvance(QStringLiteral("0000"));
    for (const Gruppe &g : m_gruppen)
        a.jahrBreite = std::max(a.jahrBreite, fm.horizontalAdvance(g.beschriftung));
    a.jahreOben = legendeOben - rand - a.zeile;
    // Half a line of the lowest tick label hangs below the bars' area.
    const QPointF obenLinks(innen.left() + std::max(links + a.zeile * 0.4, a.jahrBreite / 2), a.titel.bottom() + rand);
    const QPointF untenRechts(innen.right() - a.jahrBreite / 2, a.jahreOben - a.zeile * 0.6);
    a.flaeche = QRectF(obenLinks, untenRechts);
    return a;
}

QRectF Jahresdiagramm::flaeche(const QPainter &p, const QRectF &rahmen, const QFont &schrift) const
{
    return aufteilen(p, rahmen, schrift).flaeche;
}

void Jahresdiagramm::zeichnen(QPainter &p, const QRectF &rahmen, const QFont &schrift) const
{
    const Aufteilung a = aufteilen(p, rahmen, schrift);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false); // crisp lines and bar edges
    p.setPen(Textfarbe);
    p.setFont(a.titelschrift);
    p.drawText(a.titel, Qt::AlignCenter,
               QFontMetricsF(a.titelschrift, p.device()).elidedText(titel(), Qt::ElideRight, a.titel.width()));
    p.setFont(schrift);
    for (int i = 0; i < Reihen; ++i) {
        const QRectF &e = a.legende.at(i);
        const QRectF k(e.left(), e.center().y() - a.kaestchen / 2, a.kaestchen, a.kaestchen);
        p.fillRect(k, farbe(i));
        p.drawText(QRectF(QPointF(k.right() + a.zeile * 0.4, e.top()), e.bottomRight()),
                   Qt::AlignLeft | Qt::AlignVCenter, reihenname(i));
    }

    const QRectF &f = a.flaeche;
    if (f.height() < a.zeile || f.width() < a.zeile) {
        p.restore();
        return; // too small for an axis
    }
    const auto hoehe = [&](double w) {
        return f.bottom() - (w - a.achse.von) / (a.achse.bis - a.achse.von) * f.height();
    };
    const QVector<double> werte = a.achse.werte();
    for (int i = 0; i < werte.size(); ++i) {
        const double y = hoehe(werte.at(i));
        p.setPen(QPen(Gitterfarbe, 0));
        p.drawLine(QPointF(f.left(), y), QPointF(f.right(), y));
        p.setPen(Textfarbe);
        p.drawText(QRectF(rahmen.left(), y - a.zeile / 2, f.left() - a.zeile * 0.4 - rahmen.left(), a.zeile),
                   Qt::AlignRight | Qt::AlignVCenter, a.achsentexte.at(i));
    }

    const int n = m_gruppen.size();
    const double null = hoehe(0);
    if (n > 0) {
        const double g = f.width() / n;
        const double b = std::max(1.0, std::min(g * 0.8 / Reihen, a.zeile * 1.5));
        for (int j = 0; j < n; ++j) {
            const double x = f.left() + j * g + (g - b * Reihen) / 2;
            for (int r = 0; r < Reihen; ++r) {
                const double w = m_gruppen.at(j).werte.at(r);
                if (w != 0)
                    p.fillRect(QRectF(QPointF(x + r * b, hoehe(w)), QPointF(x + (r + 1) * b, null)).normalized(),
                               farbe(r));
            }
        }
        // Every k-th year when they do not fit side by side; the newest is always named.
        const int k = std::max(1, int(std::ceil((a.jahrBreite + a.zeile * 0.8) / g)));
        p.setPen(Textfarbe);
        for (int j = n - 1; j >= 0; j -= k) {
            const double mitte = f.left() + (j + 0.5) * g;
            p.drawText(QRectF(mitte - a.jahrBreite, a.jahreOben, 2 * a.jahrBreite, a.zeile),
                       Qt::AlignHCenter | Qt::AlignTop, m_gruppen.at(j).beschriftung);
        }
    }
    p.setPen(QPen(Nullfarbe, 0));
    p.drawLine(QPointF(f.left(), null), QPointF(f.right(), null));
    p.restore();
}
