#pragma once

#include "print/MalerFlaeche.h"

#include <QPainter>

class QPrinter;

// The page surface on a real printer (CUPS on Linux). The whole sheet is
// drawable with the origin at its top-left corner. Orientation goes to the
// printer object itself, so it outlasts the job the way the print dialog's
// runs expect (they restore it afterwards).
class DruckerFlaeche : public MalerFlaeche
{
public:
    DruckerFlaeche(QPrinter &drucker, const QString &auftragsname);
    ~DruckerFlaeche() override;

    void setOrientation(int orientierung) override;

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    QPrinter &m_drucker;
    QPainter m_maler;
    bool m_fertig = false;
};
