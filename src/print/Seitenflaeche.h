#pragma once

#include <QColor>
#include <QString>

// A page measured in millimetres: the printer, a PDF file, a picture or the
// preview. Texts are placed by the top-left corner of their line; a text with
// line breaks continues each further line at x = 0, one line lower.
// User coordinates map to the sheet as (x - ScaleLeft, y - ScaleTop) mm from
// its top-left corner.
class Seitenflaeche
{
public:
    virtual ~Seitenflaeche();

    virtual void setScaleMode(int modus);
    int scaleMode() const { return m_scaleMode; }
    virtual void setScaleLeft(double mm);
    double scaleLeft() const { return m_scaleLeft; }
    virtual void setScaleTop(double mm);
    double scaleTop() const { return m_scaleTop; }

    virtual void setFontName(const QString &name);
    QString fontName() const { return m_fontName; }
    // Sizes that are not positive (or not finite) leave the size as it was.
    virtual void setFontSize(double punkte);
    double fontSize() const { return m_fontSize; }
    virtual void setFontBold(bool fett);
    bool fontBold() const { return m_fontBold; }
    // Line width in device pixels; values below 1 count as 1.
    virtual void setDrawWidth(int pixel);
    int drawWidth() const { return m_drawWidth; }

    virtual void setCurrentX(double x);
    virtual void setCurrentY(double y);
    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }

    // 1 portrait, 2 landscape; other values are ignored. Takes effect for a
    // job that has not started drawing yet.
    virtual void setOrientation(int orientierung);
    int orientation() const { return m_orientation; }

    virtual void Print(const QString &text);
    double TextWidth(const QString &text);
    double TextHeight(const QString &text);
    // A black line of the current width.
    virtual void Line(double x1, double y1, double x2, double y2);
    // A box between two corners filled with the colour, without outline.
    virtual void Box(double x1, double y1, double x2, double y2, const QColor &farbe);
    // Completes the page. False (with fehler()) when it could not be output.
    virtual bool EndDoc();
    QString fehler() const { return m_fehler; }

    // Sheet millimetres of a user coordinate.
    double blattX(double x) const { return x - m_scaleLeft; }
    double blattY(double y) const { return y - m_scaleTop; }

    static QStringList zeilen(const QString &text);

protected:
    // Hooks of the concrete surfaces, all in sheet millimetres.
    virtual void zeileZeichnen(double blattX, double blattY, const QString &zeile) = 0;
    virtual double zeilenbreite(const QString &zeile) = 0;
    virtual double zeilenhoehe() = 0;
    virtual void linieZeichnen(double x1, double y1, double x2, double y2) = 0;
    virtual void flaecheZeichnen(double x1, double y1, double x2, double y2, const QColor &farbe) = 0;
    virtual bool abschliessen() { return true; }
    virtual void schriftGeaendert() {}

    void setFehler(const QString &fehler) { m_fehler = fehler; }

private:
    int m_scaleMode = 6;
    double m_scaleLeft = 0;
    double m_scaleTop = 0;
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10;
    bool m_fontBold = false;
    int m_drawWidth = 1;
    double m_currentX = 0;
    double m_currentY = 0;
    int m_orientation = 1;
    QString m_fehler;
};
