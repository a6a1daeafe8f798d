#pragma once

#include <QIcon>

class QPainter;
class QRectF;

// The program's symbol (the one of the desktop entry): a filled-in form
// with a euro seal. Drawn at whatever size a window asks for, so no image
// file is read for it.
namespace Programmsymbol {
QIcon icon();
void zeichnen(QPainter &p, const QRectF &ziel);
} // namespace Programmsymbol
