#pragma once

#include <QImage>
#include <QSize>

class QPainter;

// The title picture of the start screen and the maker's information: a
// blue card with the program's emblem, name and purpose.
namespace Titelzeichnung {
QSize groesse();
// Draws the picture into the rectangle (0, 0, size) of any paint device.
void zeichnen(QPainter &p, const QSize &size);
// The picture at its own size on a transparent ground.
QImage bild();
} // namespace Titelzeichnung
