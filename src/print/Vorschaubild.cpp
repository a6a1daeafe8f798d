#include "print/Vorschaubild.h"

#include "print/MalerFlaeche.h"
#include "shell/Hauptform.h"

#include <QPaintEvent>
#include <QPainter>

Vorschaubild::Vorschaubild(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Bild"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(grundgroesse());
    neueSeite();
}

Aufzeichnungsflaeche &Vorschaubild::neueSeite()
{
    m_seiten.push_back(std::make_unique<Aufzeichnungsflaeche>(Aufzeichnungsflaeche::Metrik::Schrift));
    setSeite(seitenzahl() - 1);
    return flaeche();
}

void Vorschaubild::setSeite(int seite)
{
    seite = std::clamp(seite, 0, seitenzahl() - 1);
    if (seite == m_seite && !m_puffer.isNull())
        return;
    m_seite = seite;
    aktualisieren();
}

QSize Vorschaubild::grundgroesse()
{
    return QSize(Hauptform::twipsZuPixel(BreiteTwips, true), Hauptform::twipsZuPixel(HoeheTwips, false));
}

void Vorschaubild::setZoom(double zoom)
{
    zoom = std::clamp(zoom, 0.05, 8.0);
    if (zoom == m_zoom && size() == (QSizeF(grundgroesse()) * m_zoom).toSize())
        return;
    m_zoom = zoom;
    resize((QSizeF(grundgroesse()) * m_zoom).toSize());
    m_puffer = QImage();
    update();
}

void Vorschaubild::aktualisieren()
{
    m_puffer = QImage();
    update();
}

void Vorschaubild::zeichnen()
{
    const qreal dpr = devicePixelRatioF();
    m_puffer = QImage(size() * dpr, QImage::Format_RGB32);
    m_puffer.setDevicePixelRatio(dpr);
    // Millimetres convert with the screen's resolution, as on the window.
    const int dpm = qRound(logicalDpiX() / 0.0254);
    m_puffer.setDotsPerMeterX(dpm);
    m_puffer.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    m_puffer.fill(Qt::white);
    QPainter p(&m_puffer);
    p.scale(m_zoom, m_zoom);
    MalerFlaeche ziel(&p, m_zoom * dpr);
    flaeche().abspielen(ziel);
}

void Vorschaubild::paintEvent(QPaintEvent *event)
{
    if (m_puffer.isNull() || m_puffer.size() != size() * devicePixelRatioF())
        zeichnen();
    QPainter p(this);
    const QRect r = event->rect();
    p.drawImage(r, m_puffer, QRectF(QPointF(r.topLeft()) * devicePixelRatioF(), QSizeF(r.size()) * devicePixelRatioF()));
}
