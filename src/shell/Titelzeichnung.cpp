#include "shell/Titelzeichnung.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStringList>

namespace Titelzeichnung {

QSize groesse()
{
    return {460, 260};
}

void zeichnen(QPainter &p, const QSize &size)
{
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(32, 74, 135));
    g.setColorAt(1, QColor(18, 44, 88));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(0, 0, size.width(), size.height()), 14, 14);
    // A stylised form sheet with a tick, the program's emblem.
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(30, 40, 70, 92));
    p.setPen(QPen(QColor(120, 130, 150), 2));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(40, 58 + i * 14), QPointF(90, 58 + i * 14));
    p.setPen(QPen(QColor(200, 40, 40), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(62, 112), QPointF(74, 126), QPointF(104, 88)}));

    p.setPen(Qt::white);
    QFont titel(QStringLiteral("Liberation Sans"), 34, QFont::Bold);
    p.setFont(titel);
    p.drawText(QRectF(120, 36, 330, 56), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velmora 2000"));
    QFont zeile(QStringLiteral("Liberation Sans"), 14);
    p.setFont(zeile);
    p.setPen(QColor(225, 232, 245));
    const QStringList zeilen = {QStringLiteral("Das digitale Antragsformular"), QStringLiteral("für die Beihilfe des Landes"),
                                QStringLiteral("Nordrhein-Westfalen")};
    for (int i = 0; i < zeilen.size(); ++i)
        p.drawText(QRectF(122, 100 + i * 26, 330, 26), Qt::AlignLeft | Qt::AlignVCenter, zeilen.at(i));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(30, 200), QPointF(430, 200));
    QFont klein(QStringLiteral("Liberation Sans"), 9);
    p.setFont(klein);
    p.setPen(QColor(200, 210, 230));
    p.drawText(QRectF(30, 208, 400, 40), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Programminformation V. 1.099"));
}

QImage bild()
{
    QImage b(groesse(), QImage::Format_ARGB32_Premultiplied);
    b.fill(Qt::transparent);
    QPainter p(&b);
    zeichnen(p, b.size());
    return b;
}

} // namespace Titelzeichnung
