#pragma once

#include "print/MalerFlaeche.h"
#include "print/PdfDatei.h"

// One A4 page into a PDF file at 600 dpi; the whole sheet is drawable with
// the origin at its top-left corner. The file is written completely at
// EndDoc or not at all.
class PdfFlaeche : public MalerFlaeche
{
public:
    explicit PdfFlaeche(const QString &datei, const QString &titel = {});
    ~PdfFlaeche() override;

    static constexpr int Aufloesung = PdfDatei::Aufloesung;

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    PdfDatei m_datei;
    bool m_begonnen = false;
    bool m_gescheitert = false;
};
