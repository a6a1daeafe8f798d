#pragma once

#include "print/MalerFlaeche.h"

#include <QPainter>

class Druckeranschluss;

// The page surface on a real printer (CUPS on Linux). The whole sheet is
// drawable with the origin at its top-left corner. Orientation goes to the
// printer object itself, so it outlasts the job the way the print dialog's
// runs expect (they restore it afterwards).
class DruckerFlaeche : public MalerFlaeche
{
public:
    // Without a connection (the print-system module is missing) every page
    // fails with a message naming the printer.
    DruckerFlaeche(Druckeranschluss *anschluss, const QString &druckername, const QString &auftragsname);
    ~DruckerFlaeche() override;

    void setOrientation(int orientierung) override;

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    Druckeranschluss *m_anschluss;
    QString m_druckername;
    QPainter m_maler;
    bool m_fertig = false;
};
