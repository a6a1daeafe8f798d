#pragma once

#include "print/Aufzeichnungsflaeche.h"

#include <QImage>
#include <QWidget>
#include <memory>
#include <vector>

// The preview picture: a white sheet of 17000 x 17008 twips that keeps what
// was drawn on it and shows it at the chosen zoom. A run of several pages
// keeps one drawing per page; the picture shows one of them.
class Vorschaubild : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BreiteTwips = 17000;
    static constexpr int HoeheTwips = 17008;

    explicit Vorschaubild(QWidget *parent = nullptr);

    // The surface of the shown page; the printing runs draw on it.
    Aufzeichnungsflaeche &flaeche() { return *m_seiten.at(m_seite); }
    // Adds an empty page after the last and shows it.
    Aufzeichnungsflaeche &neueSeite();
    int seitenzahl() const { return int(m_seiten.size()); }
    int seite() const { return m_seite; } // from 0
    void setSeite(int seite);
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

    std::vector<std::unique_ptr<Aufzeichnungsflaeche>> m_seiten;
    int m_seite = 0;
    double m_zoom = 1.0;
    QImage m_puffer;
};
