#pragma once

#include <QString>

// velmora-druck --widerspruch --antrag KENNUNG --pdf DATEI: the draft
// objection against the recorded decision of a stored application, with the
// applicant's and the office's data from the field file.
class Widerspruchskommando
{
public:
    // Returns the exit code; messages (German, ending in a line break) go into meldung.
    static int ausfuehren(const QString &datenverzeichnis, const QString &kennung, const QString &pdf,
                          QString *meldung);
};
