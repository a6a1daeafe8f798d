#include "print/Seitenflaeche.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

Seitenflaeche::~Seitenflaeche() = default;

void Seitenflaeche::setScaleMode(int modus)
{
    m_scaleMode = modus;
}

void Seitenflaeche::setScaleLeft(double mm)
{
    if (std::isfinite(mm))
        m_scaleLeft = mm;
}

void Seitenflaeche::setScaleTop(double mm)
{
    if (std::isfinite(mm))
        m_scaleTop = mm;
}

void Seitenflaeche::setFontName(const QString &name)
{
    if (name == m_fontName)
        return;
    m_fontName = name;
    schriftGeaendert();
}

void Seitenflaeche::setFontSize(double punkte)
{
    if (!std::isfinite(punkte) || punkte <= 0)
        return;
    punkte = std::min(punkte, 1000.0);
    if (punkte == m_fontSize)
        return;
    m_fontSize = punkte;
    schriftGeaendert();
}

void Seitenflaeche::setFontBold(bool fett)
{
    if (fett == m_fontBold)
        return;
    m_fontBold = fett;
    schriftGeaendert();
}

void Seitenflaeche::setDrawWidth(int pixel)
{
    m_drawWidth = std::clamp(pixel, 1, 1000);
}

void Seitenflaeche::setCurrentX(double x)
{
    if (std::isfinite(x))
        m_currentX = x;
}

void Seitenflaeche::setCurrentY(double y)
{
    if (std::isfinite(y))
        m_currentY = y;
}

void Seitenflaeche::setOrientation(int orientierung)
{
    if (orientierung == 1 || orientierung == 2)
        m_orientation = orientierung;
}

QStringList Seitenflaeche::zeilen(const QString &text)
{
    static const QRegularExpression umbruch(QStringLiteral("\r\n|\n|\r"));
    return text.split(umbruch);
}

void Seitenflaeche::Print(const QString &text)
{
    const QStringList teile = zeilen(text);
    const double hoehe = zeilenhoehe();
    double y = m_currentY;
    for (int i = 0; i < teile.size(); ++i) {
        const double x = i == 0 ? m_currentX : 0.0;
        if (!teile.at(i).isEmpty())
            zeileZeichnen(blattX(x), blattY(y), teile.at(i));
        y += hoehe;
    }
    m_currentX = 0;
    m_currentY = y;
}

double Seitenflaeche::TextWidth(const QString &text)
{
    double breite = 0;
    for (const QString &z : zeilen(text))
        breite = std::max(breite, zeilenbreite(z));
    return breite;
}

double Seitenflaeche::TextHeight(const QString &text)
{
    return zeilen(text).size() * zeilenhoehe();
}

void Seitenflaeche::Line(double x1, double y1, double x2, double y2)
{
    linieZeichnen(blattX(x1), blattY(y1), blattX(x2), blattY(y2));
}

void Seitenflaeche::Box(double x1, double y1, double x2, double y2, const QColor &farbe)
{
    flaecheZeichnen(blattX(x1), blattY(y1), blattX(x2), blattY(y2), farbe);
}

bool Seitenflaeche::EndDoc()
{
    return abschliessen();
}
