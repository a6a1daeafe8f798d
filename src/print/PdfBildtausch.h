#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>

// Qt's PDF writer stores every picture as a colour JPEG of quality 94: a
// scanned receipt takes more than a megabyte a page. The submission PDF
// draws a small stand-in picture of a size of its own instead and swaps
// it, in the finished file, for a grey JPEG of the real receipt.
class PdfBildtausch
{
public:
    struct Bild
    {
        QSize platzhalter;   // the stand-in's size in pixels, unique in the file
        QSize groesse;       // the JPEG's size in pixels
        QByteArray jpeg;     // a one-channel (grey) JPEG
    };

    // The stand-in for the n-th picture (from 0): one pixel wide, and a
    // height no other picture of a form has.
    static QSize platzhalter(int n) { return QSize(1, ErsteHoehe + n); }
    static constexpr int ErsteHoehe = 7919;

    // The file with every stand-in's picture object replaced by its JPEG;
    // the objects keep their numbers, the cross-reference table is written
    // anew. Empty with a reason when the file is not a PDF as Qt writes it
    // or a stand-in is missing.
    static QByteArray tauschen(const QByteArray &pdf, const QList<Bild> &bilder, QString *fehler);
};
