// Tesseract for the words, Leptonica to straighten the page, zxing-cpp for
// the GiroCode.
#include "receipts/Texterkennung.h"

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <leptonica/allheaders.h>
#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <QFile>

#include <cmath>
#include <cstdio>

namespace receipts {

QImage alsGrau(const QImage &bild)
{
    return bild.format() == QImage::Format_Grayscale8 ? bild : bild.convertToFormat(QImage::Format_Grayscale8);
}

namespace {

Pix *alsPix(const QImage &grau)
{
    Pix *pix = pixCreate(grau.width(), grau.height(), 8);
    l_uint32 *daten = pixGetData(pix);
    const int wpl = pixGetWpl(pix);
    for (int y = 0; y < grau.height(); ++y) {
        const uchar *zeile = grau.constScanLine(y);
        l_uint32 *ziel = daten + y * wpl;
        for (int x = 0; x < grau.width(); ++x)
            SET_DATA_BYTE(ziel, x, zeile[x]);
    }
    return pix;
}

bool abbrechenAbfragen(void *daten, int)
{
    const auto *flag = static_cast<const std::atomic_bool *>(daten);
    return flag && flag->load();
}

} // namespace

Texterkennung::Texterkennung() = default;
Texterkennung::~Texterkennung()
{
    if (m_api)
        m_api->End();
}

bool Texterkennung::bereit(QString *fehler)
{
    if (m_bereit)
        return true;
    m_api = std::make_unique<tesseract::TessBaseAPI>();
    if (m_api->Init(nullptr, "deu", tesseract::OEM_LSTM_ONLY) != 0) {
        m_api.reset();
        if (fehler)
            *fehler = QStringLiteral("Die Texterkennung kann nicht starten: das deutsche Sprachmodell von Tesseract (tesseract-ocr-deu) fehlt.");
        return false;
    }
    m_api->SetPageSegMode(tesseract::PSM_AUTO);
    m_bereit = true;
    return true;
}

QList<Textwort> Texterkennung::lesen(const QImage &seite, int dpi, const std::atomic_bool *abbrechen)
{
    QList<Textwort> woerter;
    if (!m_bereit || seite.isNull())
        return woerter;
    QImage grau = alsGrau(seite);
    if (dpi <= 0)
        dpi = int(std::lround(grau.width() / 8.27));
    // The engine reads best at about 300 dpi: phone photos are enlarged.
    if (dpi > 0 && dpi < 240) {
        const double faktor = 300.0 / dpi;
        grau = grau.scaled(int(grau.width() * faktor), int(grau.height() * faktor), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
        dpi = 300;
    }
    const double massstab = 1000.0 / grau.width();
    Pix *pix = alsPix(grau);
    grau = QImage();
    // Straighten a page scanned or photographed at a slant.
    if (Pix *gerade = pixDeskew(pix, 0)) {
        pixDestroy(&pix);
        pix = gerade;
    }
    m_api->SetImage(pix);
    m_api->SetSourceResolution(dpi);
    tesseract::ETEXT_DESC monitor;
    monitor.cancel = abbrechenAbfragen;
    monitor.cancel_this = const_cast<std::atomic_bool *>(abbrechen);
    // A page that keeps the engine busy for minutes is no invoice page.
    monitor.set_deadline_msecs(90000);
    if (m_api->Recognize(&monitor) == 0) {
        std::unique_ptr<tesseract::ResultIterator> it(m_api->GetIterator());
        if (it) {
            do {
                std::unique_ptr<char[]> text(it->GetUTF8Text(tesseract::RIL_WORD));
                if (!text)
                    continue;
                int x1, y1, x2, y2;
                if (!it->BoundingBox(tesseract::RIL_WORD, &x1, &y1, &x2, &y2))
                    continue;
                if (it->Confidence(tesseract::RIL_WORD) < 20)
                    continue;
                const QString t = QString::fromUtf8(text.get()).trimmed();
                if (t.isEmpty())
                    continue;
                woerter.append(Textwort{t, x1 * massstab, y1 * massstab, x2 * massstab, y2 * massstab});
            } while (it->Next(tesseract::RIL_WORD));
        }
    }
    m_api->Clear();
    pixDestroy(&pix);
    return woerter;
}

int tiffSeitenzahl(const QString &datei)
{
    FILE *f = fopenReadStream(QFile::encodeName(datei).constData());
    if (!f)
        return 0;
    l_int32 anzahl = 0;
    if (tiffGetCount(f, &anzahl) != 0)
        anzahl = 0;
    fclose(f);
    return anzahl;
}

QImage tiffSeite(const QString &datei, int index, int *dpi)
{
    Pix *pix = pixReadTiff(QFile::encodeName(datei).constData(), index);
    if (!pix)
        return {};
    Pix *grau = pixConvertTo8(pix, 0);
    pixDestroy(&pix);
    if (!grau)
        return {};
    if (dpi)
        *dpi = pixGetXRes(grau);
    QImage bild(pixGetWidth(grau), pixGetHeight(grau), QImage::Format_Grayscale8);
    const l_uint32 *daten = pixGetData(grau);
    const int wpl = pixGetWpl(grau);
    for (int y = 0; y < bild.height(); ++y) {
        uchar *zeile = bild.scanLine(y);
        const l_uint32 *quelle = daten + y * wpl;
        for (int x = 0; x < bild.width(); ++x)
            zeile[x] = uchar(GET_DATA_BYTE(quelle, x));
    }
    pixDestroy(&grau);
    return bild;
}

std::optional<GiroCodeInhalt> giroCodeSuchen(const QImage &bild)
{
    const QImage grau = alsGrau(bild);
    ZXing::DecodeHints hinweise;
    hinweise.setFormats(ZXing::BarcodeFormat::QRCode);
    hinweise.setTryHarder(true);
    hinweise.setTryRotate(true);
    const ZXing::ImageView ansicht(grau.constBits(), grau.width(), grau.height(), ZXing::ImageFormat::Lum,
                                   int(grau.bytesPerLine()));
    for (const ZXing::Result &r : ZXing::ReadBarcodes(ansicht, hinweise)) {
        if (!r.isValid())
            continue;
        if (auto g = giroCodeAuswerten(QString::fromStdString(r.text())))
            return g;
    }
    return std::nullopt;
}

} // namespace receipts
