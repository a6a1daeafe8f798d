#pragma once

#include "print/Aufzeichnungsflaeche.h"

#include <QImage>
#include <QWidget>

// The preview picture: a white sheet of 17000 x 17008 twips that keeps what
// was drawn on it and shows it at the chosen zoom.
class Vorschaubild : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BreiteTwips = 17000;
    static constexpr int HoeheTwips = 17008;

    explicit Vorschaubild(QWidget *parent = nullptr);

    // The surface the printing runs draw on.
    Aufzeichnungsflaeche &flaeche() { return m_flaeche; }
    // Shows the drawing again after a run.
    void aktualisieren();

    double zoom() const { return m_zoom; }
    void setZoom(double zoom);
    // Size of the picture at zoom 1, in pixels.
    static QSize grundgroesse();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void zeichnen();

    Aufzeichnungsflaeche m_flaeche{Aufzeichnungsflaeche::Metrik::Schrift};
    double m_zoom = 1.0;
    QImage m_puffer;
};
