#pragma once

#include "print/MalerFlaeche.h"
#include "print/PdfDatei.h"

// Several A4 pages into one PDF file at 600 dpi: every EndDoc ends a page,
// the next drawing starts a new one. fertig() writes the file, completely
// or not at all.
class MehrseitenPdf : public MalerFlaeche
{
public:
    explicit MehrseitenPdf(const QString &datei, const QString &titel = {});
    ~MehrseitenPdf() override;

    int seiten() const { return m_seiten; }
    bool fertig();

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    PdfDatei m_datei;
    bool m_gescheitert = false;
    bool m_seiteOffen = false;
    int m_seiten = 0;
};
