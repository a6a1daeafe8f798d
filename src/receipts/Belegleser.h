#pragma once

#include "receipts/Beleg.h"

#include <QImage>
#include <QList>
#include <QString>

#include <atomic>
#include <functional>

namespace receipts {

class Gebuehrenpruefung;

// Reads invoices from PDF (text layer, else OCR), JPEG, PNG and TIFF. Runs
// on any thread; nothing here touches a widget and nothing leaves the machine.
class Belegleser
{
public:
    struct Optionen
    {
        // Set from another thread to stop a long reading; lesen() then fails
        // with the text "Abgebrochen".
        const std::atomic_bool *abbrechen = nullptr;
        // Called with (pages done, pages in all) while reading.
        std::function<void(int, int)> fortschritt;
        // The fee check to run over the lines read; none: no findings.
        const Gebuehrenpruefung *pruefung = nullptr;
    };

    // Reads one file. False with a German reason in *fehler when the file
    // cannot be read at all (missing, damaged, encrypted, too large, no
    // invoice). A file that is read but yields few values is no failure.
    static bool lesen(const QString &datei, const Optionen &optionen, Beleg *beleg, QString *fehler);

    // The pages of a file as pictures, for showing and bundling (about
    // dpi dots per inch); empty when the file cannot be rendered.
    static QList<QImage> seiten(const QString &datei, int dpi, QString *fehler);
};

} // namespace receipts
