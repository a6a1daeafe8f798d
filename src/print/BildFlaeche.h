#pragma once

#include "print/MalerFlaeche.h"

#include <QImage>
#include <QPainter>

// One A4 page as a white picture at the given resolution. With a file name,
// EndDoc saves it as PNG (atomically). With a printer resolution, lines are
// as wide as DrawWidth pixels of that printer (so a page keeps the look of
// its PDF); without, DrawWidth counts the picture's own pixels.
class BildFlaeche : public MalerFlaeche
{
public:
    explicit BildFlaeche(int dpi = 150, const QString &datei = {}, int druckerDpi = 0);
    ~BildFlaeche() override;

    // The picture drawn so far (complete after EndDoc).
    const QImage &bild() const { return m_bild; }

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    int m_dpi;
    QString m_datei;
    QImage m_bild;
    QPainter m_maler;
    bool m_fertig = false;
};
