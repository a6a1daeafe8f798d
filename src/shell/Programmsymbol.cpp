#include "shell/Programmsymbol.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace Programmsymbol {

namespace {
class Engine : public QIconEngine
{
public:
    void paint(QPainter *p, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        p->save();
        if (mode == QIcon::Disabled)
            p->setOpacity(0.45);
        zeichnen(*p, rect);
        p->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(), size), mode, state);
        return pm;
    }
    // Task bars and window managers pick from these; any size can be drawn.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
    }
    QIconEngine *clone() const override { return new Engine; }
    QString key() const override { return QStringLiteral("velmora-symbol"); }
};
} // namespace

QIcon icon()
{
    return QIcon(new Engine);
}

void zeichnen(QPainter &p, const QRectF &ziel)
{
    // Coordinates of a 128 × 128 design, scaled into the square centred in ziel.
    const qreal seite = qMin(ziel.width(), ziel.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(ziel.center().x() - seite / 2, ziel.center().y() - seite / 2);
    p.scale(seite / 128.0, seite / 128.0);
    const QColor linie(0x3c, 0x4a, 0x5a);

    QPainterPath blatt;
    blatt.moveTo(28, 8);
    blatt.lineTo(82, 8);
    blatt.lineTo(108, 34);
    blatt.lineTo(108, 116);
    blatt.quadTo(108, 120, 104, 120);
    blatt.lineTo(28, 120);
    blatt.quadTo(24, 120, 24, 116);
    blatt.lineTo(24, 12);
    blatt.quadTo(24, 8, 28, 8);
    p.setPen(QPen(linie, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(blatt);
    QPainterPath ecke;
    ecke.moveTo(82, 8);
    ecke.lineTo(82, 30);
    ecke.quadTo(82, 34, 86, 34);
    ecke.lineTo(108, 34);
    p.setBrush(QColor(0xdf, 0xe6, 0xee));
    p.drawPath(ecke);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0x9e));
    p.drawRoundedRect(QRectF(36, 22, 34, 8), 2, 2);
    p.setPen(QPen(QColor(0x8a, 0x97, 0xa6), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(36, 46, 94, 46));
    p.drawLine(QLineF(36, 58, 94, 58));
    p.drawLine(QLineF(36, 70, 72, 70));
    p.setPen(QPen(linie, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(36, 82, 10, 10));
    p.setPen(QPen(QColor(0x8b, 0, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(38, 87), QPointF(41, 90), QPointF(46, 83)}));

    // The euro seal.
    p.setPen(QPen(QColor(0x1b, 0x4d, 0x1f), 3));
    p.setBrush(QColor(0x2e, 0x7d, 0x32));
    p.drawEllipse(QPointF(88, 96), 22, 22);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(84, 84, 24, 24), 90 * 16, 180 * 16);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QLineF(74, 93, 90, 93));
    p.drawLine(QLineF(74, 100, 88, 100));
    p.restore();
}

} // namespace Programmsymbol
