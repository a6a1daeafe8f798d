#pragma once

#include <QString>

class QCoreApplication;
class QTranslator;

// Qt's own German texts: the standard buttons ("Ja", "Nein", "Abbrechen",
// "OK"), the file and the print dialogs. The program's own texts are German
// already and are not translated.
class QtUebersetzung
{
public:
    // Installs the German catalogue of Qt's base module from verzeichnis
    // (empty: where Qt keeps its translations). Returns the installed
    // translator, owned by app, or nullptr when the catalogue is missing;
    // then Qt's English texts stay.
    static QTranslator *laden(QCoreApplication *app, const QString &verzeichnis = {});
};
