// Reading an invoice file: the pages of a PDF give their text layer, pages
// without one and pictures go through the text recognition; the pages are
// worked on by as many threads as there are cores, each with its own engine
// and its own handle on the file. The text of all pages then goes through
// the text-to-invoice step, the GiroCode and the fee check.
#include "receipts/Belegleser.h"

#include "receipts/Belegtext.h"
#include "receipts/Gebuehrenpruefung.h"
#include "receipts/Texterkennung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <poppler/qt6/poppler-qt6.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace receipts {

namespace {

// An invoice has a few pages; a file with more is refused before any work.
constexpr int HoechsteSeitenzahl = 30;
// Dots per inch for the text recognition and for finding the GiroCode on a
// page with a text layer.
constexpr int OcrDpi = 300;
constexpr int CodeDpi = 120;
// A PDF page with less text than this is taken for a scan.
constexpr int MindestTextlaenge = 20;

enum class Art { Keine, Pdf, Tiff, Bild };

Art artDerDatei(const QString &datei)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return Art::Keine;
    const QByteArray kopf = f.read(1024);
    if (kopf.contains("%PDF-"))
        return Art::Pdf;
    if (kopf.startsWith(QByteArray("II*\0", 4)) || kopf.startsWith(QByteArray("MM\0*", 4)))
        return Art::Tiff;
    f.seek(0);
    QImageReader r(&f);
    return r.canRead() ? Art::Bild : Art::Keine;
}

struct Seitenergebnis
{
    QList<Textwort> woerter;
    bool ocr = false;
    std::optional<GiroCodeInhalt> giro;
};

// Everything one worker thread needs of the file.
class Seitenquelle
{
public:
    Seitenquelle(const QString &datei, Art art) : m_datei(datei), m_art(art) {}

    bool oeffnen()
    {
        if (m_art == Art::Pdf) {
            m_pdf = Poppler::Document::load(m_datei);
            if (!m_pdf || m_pdf->isLocked())
                return false;
            m_pdf->setRenderHint(Poppler::Document::Antialiasing, true);
            m_pdf->setRenderHint(Poppler::Document::TextAntialiasing, true);
            return true;
        }
        if (m_art == Art::Tiff)
            return true;
        m_bild = std::make_unique<QImageReader>(m_datei);
        // A phone photo says in its EXIF data which way is up.
        m_bild->setAutoTransform(true);
        return m_bild->canRead();
    }

    // False only when the text recognition is needed and cannot start.
    bool lesen(int index, Texterkennung *ocr, const std::atomic_bool *abbrechen, Seitenergebnis *ergebnis, QString *fehler)
    {
        Seitenergebnis &e = *ergebnis;
        if (m_art == Art::Pdf) {
            std::unique_ptr<Poppler::Page> seite(m_pdf->page(index));
            if (!seite)
                return true;
            const QSizeF groesse = seite->pageSizeF();
            int laenge = 0;
            QList<Textwort> woerter;
            if (groesse.width() > 0) {
                const double m = 1000.0 / groesse.width();
                for (const auto &box : seite->textList()) {
                    const QRectF r = box->boundingBox();
                    woerter.append(Textwort{box->text(), r.left() * m, r.top() * m, r.right() * m, r.bottom() * m});
                    laenge += int(box->text().size());
                }
            }
            if (laenge >= MindestTextlaenge) {
                e.woerter = woerter;
                e.giro = giroCodeSuchen(seite->renderToImage(CodeDpi, CodeDpi));
                return true;
            }
            if (!ocr->bereit(fehler))
                return false;
            const QImage bild = alsGrau(seite->renderToImage(OcrDpi, OcrDpi));
            e.ocr = true;
            e.giro = giroCodeSuchen(bild);
            e.woerter = ocr->lesen(bild, OcrDpi, abbrechen);
            return true;
        }
        int dpi = 0;
        QImage bild;
        if (m_art == Art::Tiff) {
            bild = tiffSeite(m_datei, index, &dpi);
        } else {
            bild = m_bild->read();
            if (bild.dotsPerMeterX() > 0)
                dpi = int(bild.dotsPerMeterX() * 0.0254 + 0.5);
        }
        if (bild.isNull())
            return true;
        if (!ocr->bereit(fehler))
            return false;
        // Only a resolution that fits a page of A5 to A3 width is believed.
        if (dpi > 0) {
            const double breiteZoll = bild.width() / double(dpi);
            if (breiteZoll < 5 || breiteZoll > 12)
                dpi = 0;
        }
        bild = alsGrau(bild);
        e.ocr = true;
        e.giro = giroCodeSuchen(bild);
        e.woerter = ocr->lesen(bild, dpi, abbrechen);
        return true;
    }

private:
    QString m_datei;
    Art m_art;
    std::unique_ptr<Poppler::Document> m_pdf;
    std::unique_ptr<QImageReader> m_bild;
};

QString nativ(const QString &datei)
{
    return QDir::toNativeSeparators(datei);
}

// Opens a PDF for reading; null with the reason when it is damaged or
// locked by a password.
std::unique_ptr<Poppler::Document> pdfOeffnen(const QString &datei, QString *grund)
{
    auto pdf = Poppler::Document::load(datei);
    if (!pdf)
        *grund = QStringLiteral("Die PDF-Datei %1 ist beschädigt.").arg(nativ(datei));
    else if (pdf->isLocked())
        *grund = QStringLiteral("Die PDF-Datei %1 ist mit einem Kennwort geschützt.").arg(nativ(datei));
    else
        return pdf;
    return nullptr;
}

} // namespace

bool Belegleser::lesen(const QString &datei, const Optionen &optionen, Beleg *beleg, QString *fehler)
{
    auto scheitern = [&](const QString &grund) {
        if (fehler)
            *fehler = grund;
        return false;
    };
    *beleg = Beleg{};
    beleg->datei = datei;
    const QFileInfo info(datei);
    if (!info.exists())
        return scheitern(QStringLiteral("Die Datei %1 gibt es nicht.").arg(nativ(datei)));
    if (!info.isFile() || !info.isReadable())
        return scheitern(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(nativ(datei)));
    if (info.size() > 200LL * 1024 * 1024)
        return scheitern(QStringLiteral("Die Datei %1 ist mit %2 MB zu groß für einen Beleg.")
                             .arg(nativ(datei))
                             .arg(info.size() / (1024 * 1024)));
    const Art art = artDerDatei(datei);
    if (art == Art::Keine)
        return scheitern(QStringLiteral("Die Datei %1 ist weder ein PDF noch ein Bild (JPEG, PNG, TIFF).").arg(nativ(datei)));

    int seitenzahl = 0;
    if (art == Art::Pdf) {
        QString grund;
        auto pdf = pdfOeffnen(datei, &grund);
        if (!pdf)
            return scheitern(grund);
        seitenzahl = pdf->numPages();
    } else if (art == Art::Tiff) {
        seitenzahl = tiffSeitenzahl(datei);
        if (seitenzahl <= 0)
            return scheitern(QStringLiteral("Die TIFF-Datei %1 ist beschädigt.").arg(nativ(datei)));
    } else {
        QImageReader r(datei);
        seitenzahl = 1;
        if (r.size().isValid() && qint64(r.size().width()) * r.size().height() > 120LL * 1000 * 1000)
            return scheitern(QStringLiteral("Das Bild %1 ist zu groß für einen Beleg.").arg(nativ(datei)));
    }
    if (seitenzahl <= 0)
        return scheitern(QStringLiteral("Die Datei %1 hat keine Seite.").arg(nativ(datei)));
    if (seitenzahl > HoechsteSeitenzahl)
        return scheitern(QStringLiteral("Die Datei %1 hat %2 Seiten; ein Beleg hat höchstens %3.")
                             .arg(nativ(datei))
                             .arg(seitenzahl)
                             .arg(HoechsteSeitenzahl));

    // The pages, shared out among the threads.
    QList<Seitenergebnis> ergebnisse(seitenzahl);
    std::mutex sperre;
    std::condition_variable fertigSignal;
    int naechste = 0, fertig = 0, laufend = 0;
    QString threadFehler;
    const int threads = std::clamp(int(std::thread::hardware_concurrency()), 1, std::min(4, seitenzahl));
    laufend = threads;
    auto arbeiter = [&]() {
        Seitenquelle quelle(datei, art);
        Texterkennung ocr;
        QString grund;
        const bool offen = quelle.oeffnen();
        for (;;) {
            int index;
            {
                std::lock_guard<std::mutex> l(sperre);
                if (!offen && threadFehler.isEmpty())
                    threadFehler = QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(nativ(datei));
                if (naechste >= seitenzahl || !threadFehler.isEmpty()
                    || (optionen.abbrechen && optionen.abbrechen->load()))
                    break;
                index = naechste++;
            }
            // The engine starts only when a page needs it; its model loads once per thread.
            Seitenergebnis e;
            const bool engineOk = quelle.lesen(index, &ocr, optionen.abbrechen, &e, &grund);
            std::lock_guard<std::mutex> l(sperre);
            if (!engineOk && threadFehler.isEmpty())
                threadFehler = grund;
            ergebnisse[index] = std::move(e);
            ++fertig;
            fertigSignal.notify_all();
        }
        std::lock_guard<std::mutex> l(sperre);
        --laufend;
        fertigSignal.notify_all();
    };
    std::vector<std::thread> pool;
    for (int i = 0; i < threads; ++i)
        pool.emplace_back(arbeiter);
    {
        std::unique_lock<std::mutex> l(sperre);
        int gemeldet = 0;
        while (laufend > 0) {
            fertigSignal.wait(l);
            if (fertig != gemeldet && optionen.fortschritt) {
                gemeldet = fertig;
                const int f = fertig;
                l.unlock();
                optionen.fortschritt(f, seitenzahl);
                l.lock();
            }
        }
    }
    for (std::thread &t : pool)
        t.join();
    if (!threadFehler.isEmpty())
        return scheitern(threadFehler);
    if (optionen.abbrechen && optionen.abbrechen->load())
        return scheitern(QStringLiteral("Abgebrochen"));

    QList<Textzeile> zeilen;
    bool ocrGelesen = false;
    std::optional<GiroCodeInhalt> giro;
    for (int i = 0; i < seitenzahl; ++i) {
        zeilen += zeilenBilden(i + 1, ergebnisse[i].woerter);
        ocrGelesen = ocrGelesen || ergebnisse[i].ocr;
        if (!giro && ergebnisse[i].giro)
            giro = ergebnisse[i].giro;
    }
    ergebnisse.clear();
    rechnungAuswerten(zeilen, beleg);
    beleg->datei = datei;
    beleg->seiten = seitenzahl;
    beleg->quelle = ocrGelesen ? QStringLiteral("ocr") : QStringLiteral("text");
    if (giro) {
        beleg->girocode = true;
        // The code is exact where the recognition may misread a digit; a
        // text layer is exact too and keeps its values.
        if (!giro->iban.isEmpty() && (ocrGelesen || beleg->iban.isEmpty())) {
            beleg->iban = giro->iban;
            beleg->herkunft.insert(QStringLiteral("iban"), QStringLiteral("GiroCode"));
        }
        if (giro->betrag && (ocrGelesen || !beleg->betrag)) {
            beleg->betrag = giro->betrag;
            beleg->herkunft.insert(QStringLiteral("betrag"), QStringLiteral("GiroCode"));
        }
        if (beleg->aussteller.isEmpty() && !giro->empfaenger.isEmpty()) {
            beleg->aussteller = giro->empfaenger;
            beleg->herkunft.insert(QStringLiteral("aussteller"), QStringLiteral("GiroCode"));
        }
    }
    if (!beleg->betrag && beleg->positionen.isEmpty() && beleg->rechnungsnummer.isEmpty())
        return scheitern(QStringLiteral("In %1 ist keine Rechnung zu erkennen: weder Rechnungsbetrag noch Rechnungsnummer noch Gebührenpositionen.")
                             .arg(nativ(datei)));
    if (optionen.pruefung)
        beleg->befunde = optionen.pruefung->pruefen(*beleg);
    return true;
}

QList<QImage> Belegleser::seiten(const QString &datei, int dpi, QString *fehler)
{
    QList<QImage> bilder;
    auto scheitern = [&](const QString &grund) {
        if (fehler)
            *fehler = grund;
        return QList<QImage>();
    };
    const Art art = artDerDatei(datei);
    if (art == Art::Keine)
        return scheitern(QStringLiteral("Die Datei %1 ist weder ein PDF noch ein Bild (JPEG, PNG, TIFF).").arg(nativ(datei)));
    if (art == Art::Pdf) {
        QString grund;
        auto pdf = pdfOeffnen(datei, &grund);
        if (!pdf)
            return scheitern(grund);
        if (pdf->numPages() > HoechsteSeitenzahl)
            return scheitern(QStringLiteral("Die Datei %1 hat %2 Seiten; ein Beleg hat höchstens %3.")
                                 .arg(nativ(datei))
                                 .arg(pdf->numPages())
                                 .arg(HoechsteSeitenzahl));
        pdf->setRenderHint(Poppler::Document::Antialiasing, true);
        pdf->setRenderHint(Poppler::Document::TextAntialiasing, true);
        for (int i = 0; i < pdf->numPages(); ++i) {
            std::unique_ptr<Poppler::Page> seite(pdf->page(i));
            if (seite)
                bilder.append(seite->renderToImage(dpi, dpi));
        }
        return bilder;
    }
    QImageReader r(datei);
    r.setAutoTransform(true);
    const int anzahl = art == Art::Tiff ? std::min(tiffSeitenzahl(datei), HoechsteSeitenzahl) : 1;
    for (int i = 0; i < anzahl; ++i) {
        QImage bild = art == Art::Tiff ? tiffSeite(datei, i, nullptr) : r.read();
        if (bild.isNull())
            break;
        // About dpi: pictures are scaled as if they showed an A4-wide page.
        const int breite = int(8.27 * dpi);
        if (bild.width() > breite * 1.2) {
            // Qt scales grey pictures smoothly by a slow way round; in
            // 32 bits it is several times faster.
            if (!bild.hasAlphaChannel() && bild.format() != QImage::Format_RGB32)
                bild = bild.convertToFormat(QImage::Format_RGB32);
            bild = bild.scaledToWidth(breite, Qt::SmoothTransformation);
        }
        bilder.append(bild);
    }
    if (bilder.isEmpty())
        return scheitern(QStringLiteral("Das Bild %1 kann nicht gelesen werden.").arg(nativ(datei)));
    return bilder;
}

} // namespace receipts
