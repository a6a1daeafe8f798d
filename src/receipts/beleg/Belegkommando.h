#pragma once

#include "receipts/Beleg.h"

#include <QString>
#include <QStringList>

// velmora-beleg: reads invoice files and prints their values as a short
// German summary or as JSON.
class Belegkommando
{
public:
    // Runs the command line (without the program name). Returns the exit
    // code (0 all read, 1 a file not read, 2 wrong call); the answer goes
    // into ausgabe (stdout), messages into meldung (stderr), both UTF-8.
    static int ausfuehren(const QStringList &argumente, QByteArray *ausgabe, QByteArray *meldung);
    static QString hilfe();

    // One file's reading as a JSON object with the documented keys.
    static QByteArray json(const receipts::Beleg &beleg);
    static QString zusammenfassung(const receipts::Beleg &beleg);
};
