#pragma once

#include "print/Seitenflaeche.h"

#include <QColor>
#include <QFont>
#include <QVector>
#include <memory>

class QImage;

// A surface that keeps every call made on it, with the surface state at the
// time of the call. Tests read it back; the preview draws it again at any
// zoom (abspielen).
class Aufzeichnungsflaeche : public Seitenflaeche
{
public:
    // Fest: every character is 0.2 mm per point wide and a line 0.4 mm per
    // point high (predictable positions for tests). Schrift: the real widths
    // of the font, independent of any screen.
    enum class Metrik { Fest, Schrift };

    struct Aufruf
    {
        enum Art {
            ScaleMode, ScaleLeft, ScaleTop, FontName, FontSize, FontBold, DrawWidth,
            CurrentX, CurrentY, Orientation, Print, Line, Box, EndDoc
        };
        Art art;
        QString text;              // Print, FontName
        double a = 0, b = 0;       // values; Line/Box first corner; Print position
        double c = 0, d = 0;       // Line/Box second corner
        QColor farbe;
        // State when the call was made.
        double scaleLeft = 0, scaleTop = 0;
        QString fontName;
        double fontSize = 0;
        bool fontBold = false;
        int drawWidth = 1;
    };

    // A printed text with its place in user and sheet coordinates.
    struct Text
    {
        QString text;
        double x, y;           // user coordinates (CurrentX, CurrentY)
        double blattX, blattY; // sheet millimetres
        double fontSize;
        bool fontBold;
        QString fontName;
    };
    struct Strich
    {
        double x1, y1, x2, y2; // sheet millimetres
        int drawWidth;
    };
    struct Flaeche
    {
        double x1, y1, x2, y2; // sheet millimetres
        QColor farbe;
    };

    explicit Aufzeichnungsflaeche(Metrik metrik = Metrik::Fest);
    ~Aufzeichnungsflaeche() override;

    void setScaleMode(int modus) override;
    void setScaleLeft(double mm) override;
    void setScaleTop(double mm) override;
    void setFontName(const QString &name) override;
    void setFontSize(double punkte) override;
    void setFontBold(bool fett) override;
    void setDrawWidth(int pixel) override;
    void setCurrentX(double x) override;
    void setCurrentY(double y) override;
    void setOrientation(int orientierung) override;
    void Print(const QString &text) override;
    void Line(double x1, double y1, double x2, double y2) override;
    void Box(double x1, double y1, double x2, double y2, const QColor &farbe) override;
    bool EndDoc() override;

    const QVector<Aufruf> &aufrufe() const { return m_aufrufe; }
    // Texts that are not blank, lines and boxes, in drawing order.
    QVector<Text> texte() const;
    QVector<Strich> striche() const;
    QVector<Flaeche> flaechen() const;
    int endDocs() const;
    void leeren();

    // Issues the recorded calls again on another surface (EndDoc excepted).
    void abspielen(Seitenflaeche &ziel) const;

protected:
    void zeileZeichnen(double, double, const QString &) override {}
    double zeilenbreite(const QString &zeile) override;
    double zeilenhoehe() override;
    void linieZeichnen(double, double, double, double) override {}
    void flaecheZeichnen(double, double, double, double, const QColor &) override {}
    void schriftGeaendert() override;

private:
    Aufruf neu(Aufruf::Art art) const;

    Metrik m_metrik;
    QVector<Aufruf> m_aufrufe;
    struct Schriftmass;
    std::unique_ptr<Schriftmass> m_mass;
};
