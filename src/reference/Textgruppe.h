#pragma once

#include <QList>
#include <QString>
#include <optional>

class Datenbank;
class Textbestand;

// A group of texts in the table Informationen: the rows whose key begins
// with the group's code, with the caption of the viewer that shows them.
struct Textgruppe
{
    QString code;    // "B", "V", "RV", "HÄG", "HZG"
    QString titel;   // caption of the text viewer
    QString aktion;  // navigation entry of the main window that opens it

    static const QList<Textgruppe> &alle();
    static std::optional<Textgruppe> zuCode(const QString &code);
    // Whether a key belongs to the group: it begins with the code, exactly
    // ("RV1" belongs to "RV", not to "V").
    static bool gehoertDazu(const QString &nummer, const QString &code);
    // Loads the group's rows in key order; full-text search over Inhalt.
    static bool laden(Datenbank &db, const QString &code, Textbestand &bestand);
};
