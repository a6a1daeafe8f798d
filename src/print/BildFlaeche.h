#pragma once

#include "print/MalerFlaeche.h"

#include <QImage>
#include <QPainter>

// One A4 page as a white picture at the given resolution. With a file name,
// EndDoc saves it as PNG (atomically).
class BildFlaeche : public MalerFlaeche
{
public:
    explicit BildFlaeche(int dpi = 150, const QString &datei = {});
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
