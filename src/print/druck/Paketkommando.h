#pragma once

#include "print/Einreichungspaket.h"

class Feldtabelle;

// velmora-druck --paket --antrag KENNUNG --pdf DATEI: the stored application
// with its expense lists and the pictures of its receipts in one PDF to
// hand in, with the fields of the field file.
class Paketkommando
{
public:
    // Returns the exit code; messages (German, ending in a line break) go into meldung.
    static int ausfuehren(const QString &datenbank, const QString &datenverzeichnis, const QString &formular,
                          const Katalogeintrag &eintrag, Feldtabelle &felder, const QString &kennung,
                          const QString &pdf, const Einreichungspaket::Bildquelle &bilder, QString *meldung);
};
