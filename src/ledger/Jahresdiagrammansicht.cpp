#include "ledger/Jahresdiagrammansicht.h"

#include <QPainter>

Jahresdiagrammansicht::Jahresdiagrammansicht(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Jahresdiagrammansicht::setJahre(const QVector<Uebersicht::Jahr> &jahre)
{
    m_diagramm.setJahre(jahre);
    update();
}

void Jahresdiagrammansicht::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    m_diagramm.zeichnen(p, rect(), font());
}
