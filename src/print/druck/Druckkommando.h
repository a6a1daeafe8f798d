#pragma once

#include <QString>
#include <QStringList>

// velmora-druck: prints one page of the application the way the print
// dialog does, into a PDF or PNG file, without a window.
class Druckkommando
{
public:
    // Runs the command line (without the program name). Returns the exit
    // code; messages go into meldung (German, for stderr).
    static int ausfuehren(const QStringList &argumente, QString *meldung);
    static QString hilfe();
};
