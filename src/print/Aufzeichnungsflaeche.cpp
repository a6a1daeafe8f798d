#include "print/Aufzeichnungsflaeche.h"

#include "print/Schriften.h"

#include <QFontMetricsF>
#include <optional>

struct Aufzeichnungsflaeche::Schriftmass
{
    std::optional<QFontMetricsF> metrik;
};

Aufzeichnungsflaeche::Aufzeichnungsflaeche(Metrik metrik)
    : m_metrik(metrik)
{
    schriftGeaendert();
}

Aufzeichnungsflaeche::~Aufzeichnungsflaeche() = default;

Aufzeichnungsflaeche::Aufruf Aufzeichnungsflaeche::neu(Aufruf::Art art) const
{
    Aufruf a;
    a.art = art;
    a.scaleLeft = scaleLeft();
    a.scaleTop = scaleTop();
    a.fontName = fontName();
    a.fontSize = fontSize();
    a.fontBold = fontBold();
    a.drawWidth = drawWidth();
    return a;
}

void Aufzeichnungsflaeche::schriftGeaendert()
{
    if (m_metrik != Metrik::Schrift)
        return;
    // The same twips metrics as the painting surfaces.
    if (!m_mass)
        m_mass = std::make_unique<Schriftmass>();
    m_mass->metrik = Schriften::twips(fontName(), fontSize(), fontBold()).metrik;
}

double Aufzeichnungsflaeche::zeilenbreite(const QString &zeile)
{
    if (m_metrik == Metrik::Fest || !m_mass)
        return zeile.size() * fontSize() * 0.2;
    return m_mass->metrik->horizontalAdvance(zeile) / Schriften::TwipsProMm;
}

double Aufzeichnungsflaeche::zeilenhoehe()
{
    if (m_metrik == Metrik::Fest || !m_mass)
        return fontSize() * 0.4;
    return m_mass->metrik->height() / Schriften::TwipsProMm;
}

#define VELMORA_WERT(Methode, ArtName, Typ, Feld)                                                                   \
    void Aufzeichnungsflaeche::Methode(Typ wert)                                                                    \
    {                                                                                                               \
        Aufruf a = neu(Aufruf::ArtName);                                                                            \
        a.Feld = wert;                                                                                              \
        m_aufrufe.append(a);                                                                                        \
        Seitenflaeche::Methode(wert);                                                                               \
    }

VELMORA_WERT(setScaleMode, ScaleMode, int, a)
VELMORA_WERT(setScaleLeft, ScaleLeft, double, a)
VELMORA_WERT(setScaleTop, ScaleTop, double, a)
VELMORA_WERT(setFontSize, FontSize, double, a)
VELMORA_WERT(setFontBold, FontBold, bool, a)
VELMORA_WERT(setDrawWidth, DrawWidth, int, a)
VELMORA_WERT(setCurrentX, CurrentX, double, a)
VELMORA_WERT(setCurrentY, CurrentY, double, a)
VELMORA_WERT(setOrientation, Orientation, int, a)
#undef VELMORA_WERT

void Aufzeichnungsflaeche::setFontName(const QString &name)
{
    Aufruf a = neu(Aufruf::FontName);
    a.text = name;
    m_aufrufe.append(a);
    Seitenflaeche::setFontName(name);
}

void Aufzeichnungsflaeche::Print(const QString &text)
{
    Aufruf a = neu(Aufruf::Print);
    a.text = text;
    a.a = currentX();
    a.b = currentY();
    m_aufrufe.append(a);
    Seitenflaeche::Print(text);
}

void Aufzeichnungsflaeche::Line(double x1, double y1, double x2, double y2)
{
    Aufruf a = neu(Aufruf::Line);
    a.a = x1, a.b = y1, a.c = x2, a.d = y2;
    m_aufrufe.append(a);
}

void Aufzeichnungsflaeche::Box(double x1, double y1, double x2, double y2, const QColor &farbe)
{
    Aufruf a = neu(Aufruf::Box);
    a.a = x1, a.b = y1, a.c = x2, a.d = y2;
    a.farbe = farbe;
    m_aufrufe.append(a);
}

bool Aufzeichnungsflaeche::EndDoc()
{
    m_aufrufe.append(neu(Aufruf::EndDoc));
    return true;
}

QVector<Aufzeichnungsflaeche::Text> Aufzeichnungsflaeche::texte() const
{
    QVector<Text> t;
    for (const Aufruf &a : m_aufrufe)
        if (a.art == Aufruf::Print && !a.text.trimmed().isEmpty())
            t.append(Text{a.text, a.a, a.b, a.a - a.scaleLeft, a.b - a.scaleTop, a.fontSize, a.fontBold, a.fontName});
    return t;
}

QVector<Aufzeichnungsflaeche::Strich> Aufzeichnungsflaeche::striche() const
{
    QVector<Strich> s;
    for (const Aufruf &a : m_aufrufe)
        if (a.art == Aufruf::Line)
            s.append(Strich{a.a - a.scaleLeft, a.b - a.scaleTop, a.c - a.scaleLeft, a.d - a.scaleTop, a.drawWidth});
    return s;
}

QVector<Aufzeichnungsflaeche::Flaeche> Aufzeichnungsflaeche::flaechen() const
{
    QVector<Flaeche> f;
    for (const Aufruf &a : m_aufrufe)
        if (a.art == Aufruf::Box)
            f.append(Flaeche{a.a - a.scaleLeft, a.b - a.scaleTop, a.c - a.scaleLeft, a.d - a.scaleTop, a.farbe});
    return f;
}

int Aufzeichnungsflaeche::endDocs() const
{
    int n = 0;
    for (const Aufruf &a : m_aufrufe)
        n += a.art == Aufruf::EndDoc;
    return n;
}

void Aufzeichnungsflaeche::leeren()
{
    m_aufrufe.clear();
}

void Aufzeichnungsflaeche::abspielen(Seitenflaeche &ziel) const
{
    for (const Aufruf &a : m_aufrufe) {
        switch (a.art) {
        case Aufruf::ScaleMode: ziel.setScaleMode(int(a.a)); break;
        case Aufruf::ScaleLeft: ziel.setScaleLeft(a.a); break;
        case Aufruf::ScaleTop: ziel.setScaleTop(a.a); break;
        case Aufruf::FontName: ziel.setFontName(a.text); break;
        case Aufruf::FontSize: ziel.setFontSize(a.a); break;
        case Aufruf::FontBold: ziel.setFontBold(a.a != 0); break;
        case Aufruf::DrawWidth: ziel.setDrawWidth(int(a.a)); break;
        case Aufruf::CurrentX: ziel.setCurrentX(a.a); break;
        case Aufruf::CurrentY: ziel.setCurrentY(a.a); break;
        case Aufruf::Orientation: ziel.setOrientation(int(a.a)); break;
        case Aufruf::Print:
            ziel.setCurrentX(a.a);
            ziel.setCurrentY(a.b);
            ziel.Print(a.text);
            break;
        case Aufruf::Line: ziel.Line(a.a, a.b, a.c, a.d); break;
        case Aufruf::Box: ziel.Box(a.a, a.b, a.c, a.d, a.farbe); break;
        case Aufruf::EndDoc: break;
        }
    }
}
