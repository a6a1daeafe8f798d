#include "print/MalerFlaeche.h"

#include "print/Schriften.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
// Coordinates beyond a few metres are no page; they are not drawn.
bool vernuenftig(double mm)
{
    return std::isfinite(mm) && std::abs(mm) < 100000.0;
}
} // namespace

MalerFlaeche::MalerFlaeche(QPainter *maler, double zoom)
    : m_zoom(zoom > 0 ? zoom : 1.0)
{
    schriftGeaendert();
    setMaler(maler);
}

MalerFlaeche::~MalerFlaeche() = default;

void MalerFlaeche::setMaler(QPainter *maler)
{
    m_maler = maler;
    m_fontGesetzt = false;
    if (m_maler && m_maler->device()) {
        m_basis = m_maler->transform();
        m_pxProMmX = m_maler->device()->logicalDpiX() / 25.4;
        m_pxProMmY = m_maler->device()->logicalDpiY() / 25.4;
        m_maler->setRenderHint(QPainter::Antialiasing, true);
        m_maler->setRenderHint(QPainter::TextAntialiasing, true);
    }
}

QPainter *MalerFlaeche::maler()
{
    return m_maler;
}

void MalerFlaeche::schriftGeaendert()
{
    const Schriften::Twips &t = Schriften::twips(fontName(), fontSize(), fontBold());
    // Copies share their data; the cache may drop its entries.
    m_font = t.schrift;
    m_metrik = t.metrik;
    m_fontGesetzt = false;
}

const QFontMetricsF &MalerFlaeche::metrik()
{
    return *m_metrik;
}

void MalerFlaeche::zeileZeichnen(double blattX, double blattY, const QString &zeile)
{
    QPainter *p = maler();
    if (!p || !vernuenftig(blattX) || !vernuenftig(blattY) || zeile.trimmed().isEmpty())
        return;
    if (!m_fontGesetzt) {
        p->setFont(m_font);
        m_fontGesetzt = true;
    }
    p->setPen(Qt::black);
    // Twips -> device pixels, placed at the line's top-left corner.
    const QTransform twips(m_pxProMmX / Schriften::TwipsProMm, 0, 0, m_pxProMmY / Schriften::TwipsProMm,
                           pxX(blattX), pxY(blattY));
    p->setTransform(twips * m_basis);
    p->drawText(QPointF(0, metrik().ascent()), zeile);
    p->setTransform(m_basis);
}

double MalerFlaeche::zeilenbreite(const QString &zeile)
{
    return metrik().horizontalAdvance(zeile) / Schriften::TwipsProMm;
}

double MalerFlaeche::zeilenhoehe()
{
    return metrik().height() / Schriften::TwipsProMm;
}

void MalerFlaeche::linieZeichnen(double x1, double y1, double x2, double y2)
{
    QPainter *p = maler();
    if (!p || !vernuenftig(x1) || !vernuenftig(y1) || !vernuenftig(x2) || !vernuenftig(y2))
        return;
    QPen stift(Qt::black);
    stift.setWidthF(std::max(drawWidth() * m_strichfaktor, 1.0) / m_zoom);
    stift.setCapStyle(Qt::SquareCap);
    stift.setJoinStyle(Qt::MiterJoin);
    p->setPen(stift);
    p->drawLine(QPointF(pxX(x1), pxY(y1)), QPointF(pxX(x2), pxY(y2)));
}

void MalerFlaeche::flaecheZeichnen(double x1, double y1, double x2, double y2, const QColor &farbe)
{
    QPainter *p = maler();
    if (!p || !vernuenftig(x1) || !vernuenftig(y1) || !vernuenftig(x2) || !vernuenftig(y2))
        return;
    const QRectF r = QRectF(QPointF(pxX(x1), pxY(y1)), QPointF(pxX(x2), pxY(y2))).normalized();
    p->fillRect(r, farbe);
}
