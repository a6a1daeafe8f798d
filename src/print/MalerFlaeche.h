#pragma once

#include "print/Seitenflaeche.h"

#include <QFont>
#include <QFontMetricsF>
#include <QTransform>
#include <optional>

class QPainter;
class QPaintDevice;

// The page surface on a QPainter: printers, PDF files, pictures and the
// preview all draw through here. Millimetres are turned into device pixels
// with the device's resolution. Texts are measured and drawn in twips and
// scaled onto the device, so a text is equally wide on every device. A painter that already carries a scale (the zoomed
// preview) passes that factor as zoom, so that DrawWidth stays in device
// pixels.
class MalerFlaeche : public Seitenflaeche
{
public:
    // Draws on a painter that is already active (not owned).
    explicit MalerFlaeche(QPainter *maler = nullptr, double zoom = 1.0);
    ~MalerFlaeche() override;

protected:
    // The active painter, opening the device on first use; nullptr when the
    // device cannot be opened (the operation is then skipped).
    virtual QPainter *maler();

    void zeileZeichnen(double blattX, double blattY, const QString &zeile) override;
    double zeilenbreite(const QString &zeile) override;
    double zeilenhoehe() override;
    void linieZeichnen(double x1, double y1, double x2, double y2) override;
    void flaecheZeichnen(double x1, double y1, double x2, double y2, const QColor &farbe) override;
    void schriftGeaendert() override;

    void setMaler(QPainter *maler);
    // Device pixels per DrawWidth pixel (a picture standing in for a
    // printer of another resolution); never thinner than one pixel.
    void setStrichfaktor(double faktor) { m_strichfaktor = faktor > 0 ? faktor : 1.0; }

private:
    const QFontMetricsF &metrik();
    double pxX(double mm) const { return mm * m_pxProMmX; }
    double pxY(double mm) const { return mm * m_pxProMmY; }

    QPainter *m_maler = nullptr;
    double m_zoom = 1.0;
    double m_strichfaktor = 1.0;
    double m_pxProMmX = 96 / 25.4;
    double m_pxProMmY = 96 / 25.4;
    QTransform m_basis;
    QFont m_font; // measured in twips
    std::optional<QFontMetricsF> m_metrik;
    bool m_fontGesetzt = false;
};
