#include "shell/Titelbild.h"

#include "shell/Titelzeichnung.h"
#include "shell/TitelbildDaten.h"

#include <QPainter>

Titelbild::Titelbild(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Bild"));
    resize(sizeHint());
}

QSize Titelbild::sizeHint() const
{
    return Titelzeichnung::groesse();
}

QImage Titelbild::gespeichert()
{
    // The pixels stay in the program's read-only data; nothing is copied.
    return QImage(reinterpret_cast<const uchar *>(titelbilddaten::pixel), titelbilddaten::breite,
                  titelbilddaten::hoehe, titelbilddaten::breite * 4, QImage::Format_ARGB32_Premultiplied);
}

void Titelbild::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (size() == QSize(titelbilddaten::breite, titelbilddaten::hoehe) && devicePixelRatioF() == 1.0)
        p.drawImage(0, 0, gespeichert());
    else
        Titelzeichnung::zeichnen(p, size());
}
