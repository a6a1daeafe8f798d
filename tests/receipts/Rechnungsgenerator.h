#pragma once

#include "receipts/Beleg.h"

#include <QImage>
#include <QList>
#include <QString>

// Invoices of several kinds laid out with QPainter: as text PDFs, as 300-dpi
// scans (slightly turned, noisy, JPEG) and as phone photos (about 170 dpi,
// turned a few degrees, blurred). Each invoice knows what a reader should
// find on it.
namespace rechnungen {

enum class Art { Hausarzt, Internist, Zahnarzt, Labor, Wahlleistung, Heilpraktiker, ZweiSeiten };

struct Vorlage
{
    Art art;
    receipts::Beleg erwartet;      // what is printed, amounts computed by the law
    QStringList kopfzeilen;        // letterhead lines below the issuer
    QString schrift;
    int spaltenfolge = 0;          // 0, 1, 2: three different column orders
    bool girocode = false;
    bool datumJedeZeile = true;    // else the date stands only on a day's first line
    int zeilenSeite1 = 99;         // fee lines on page 1, the rest on page 2
    double summeVorMinderung = 0;
    // The GiroCode may carry other values than the print (empty: the printed ones).
    std::optional<double> giroBetrag;
    QString giroIban;
};

// The invoice of a kind; variante changes font, column order and GiroCode.
Vorlage vorlage(Art art, int variante = 0);
QList<Vorlage> alleArten();
// Ten invoices of all kinds and several looks, for measuring.
QList<Vorlage> zehnRechnungen();

bool pdfSchreiben(const Vorlage &v, const QString &datei);
// The pages drawn into pictures at dpi, grey.
QList<QImage> seitenbilder(const Vorlage &v, int dpi);
// A 300-dpi scan: turned by winkel degrees, noise, JPEG at quality 80.
QImage scan(const QImage &seite, double winkel, unsigned saat);
// A phone photo: turned, blurred, unevenly lit, at about 170 dpi.
QImage foto(const QImage &seite, double winkel, unsigned saat);

// Pictures as one TIFF file, a page each (grey, LZW), at dpi.
bool tiffSchreiben(const QList<QImage> &seiten, int dpi, const QString &datei);

// The differences between a reading and what is printed, one text each;
QStringList unterschiede(const receipts::Beleg &gelesen, const receipts::Beleg &erwartet);
// Fee lines of erwartet found exactly so in gelesen.
int richtigeZeilen(const receipts::Beleg &gelesen, const receipts::Beleg &erwartet);

} // namespace rechnungen
