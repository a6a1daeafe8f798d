#pragma once

#include "print/Einreichungspaket.h"

#include <QString>
#include <QStringList>

// velmora-druck: prints one page of the application the way the print
// dialog does, into a PDF or PNG file, without a window.
class Druckkommando
{
public:
    // Runs the command line (without the program name). Returns the exit
    // code; messages go into meldung (German, for stderr).
    // bilder shows the receipts' files for --paket (the invoice reader's).
    static int ausfuehren(const QStringList &argumente, QString *meldung,
                          const Einreichungspaket::Bildquelle &bilder = {});
    static QString hilfe();
};
