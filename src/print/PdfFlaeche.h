#pragma once

#include "print/MalerFlaeche.h"

#include <QPainter>
#include <QSaveFile>
#include <memory>

class QPdfWriter;

// One A4 page into a PDF file at 600 dpi; the whole sheet is drawable with
// the origin at its top-left corner. The file is written completely at
// EndDoc or not at all.
class PdfFlaeche : public MalerFlaeche
{
public:
    explicit PdfFlaeche(const QString &datei, const QString &titel = {});
    ~PdfFlaeche() override;

    static constexpr int Aufloesung = 600;

protected:
    QPainter *maler() override;
    bool abschliessen() override;

private:
    QString m_datei;
    QString m_titel;
    std::unique_ptr<QSaveFile> m_ausgabe;
    std::unique_ptr<QPdfWriter> m_schreiber;
    QPainter m_maler;
    bool m_gescheitert = false;
};
