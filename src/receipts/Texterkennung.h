#pragma once

#include "receipts/Belegtext.h"

#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <memory>
#include <optional>

namespace tesseract {
class TessBaseAPI;
}

namespace receipts {

// Text recognition of one page picture with Tesseract's German model. One
// object per thread: the engine is not shared.
class Texterkennung
{
public:
    Texterkennung();
    ~Texterkennung();
    Texterkennung(const Texterkennung &) = delete;
    Texterkennung &operator=(const Texterkennung &) = delete;

    // Starts the engine; false with a German reason when the German model is
    // missing.
    bool bereit(QString *fehler);

    // The words of a page (any format; dpi as scanned, 0 when unknown: then
    // the page is taken for A4 width). Straightened and, for low resolutions,
    // enlarged first. Positions in thousandths of the page width.
    QList<Textwort> lesen(const QImage &seite, int dpi, const std::atomic_bool *abbrechen);

private:
    std::unique_ptr<tesseract::TessBaseAPI> m_api;
    bool m_bereit = false;
};

// The page as 8-bit grey, the form both the engine and the code reader take.
QImage alsGrau(const QImage &bild);

// The pages of a TIFF file (read through Leptonica, which knows the
// compressions scanners write): their number, 0 when it is no TIFF, and one
// page as grey with its resolution in dpi (0 when not stated).
int tiffSeitenzahl(const QString &datei);
QImage tiffSeite(const QString &datei, int index, int *dpi);

// The GiroCode on a page picture, if there is one.
std::optional<GiroCodeInhalt> giroCodeSuchen(const QImage &grau);

} // namespace receipts
