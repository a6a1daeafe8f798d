#pragma once

#include "receipts/Beleg.h"

#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

// The ledger's door to the invoice reader: reading a file (with the fee
// check of tarvik.mdb), its pages as pictures, which files it takes.
// Runs on any thread.
namespace Belegzugang {

struct Optionen
{
    const std::atomic_bool *abbrechen = nullptr;
    std::function<void(int, int)> fortschritt;
    QString tarvikPfad; // empty: no fee check
};

bool lesen(const QString &datei, const Optionen &optionen, receipts::Beleg *beleg, QString *fehler);
QList<QImage> seiten(const QString &datei, int dpi, QString *fehler);
bool istBelegdatei(const QString &datei);
// Where the reader module lies.
QString modulpfad();
inline QString dateifilter() { return QStringLiteral("Belege (*.pdf *.jpg *.jpeg *.png *.tif *.tiff)"); }

} // namespace Belegzugang
