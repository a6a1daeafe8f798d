#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// The eight pages the print dialog offers (its buttons 0-7) and the way a
// layout reference of the catalogue becomes a layout name and orientation.
class Antragsseiten
{
public:
    struct Seite
    {
        int druckbereich;   // index into the catalogue entry's references
        bool komplett;      // complete form
        const char *name;   // page name on the command line
    };
    static const std::array<Seite, 8> &seiten();
    // The button index of a command-line page name, or nothing.
    static std::optional<int> index(const QString &name);

    // A reference is the orientation digit followed by the layout name, of
    // which 15 characters count. The digit 1 clears the landscape switch,
    // 2 (or higher) sets it; any other first character leaves it as it was
    // and is dropped all the same.
    static QString layoutname(const QString &referenz, bool *querformat);

    // The side applications kept in files of their own: the page name on
    // the command line, the code the main window keeps in Bereich2, and the
    // layouts of their pages in order (always portrait).
    struct Nebenantrag
    {
        QString seite;
        QString code;
        QStringList layouts;
    };
    static const QList<Nebenantrag> &nebenantraege();
    static const Nebenantrag *nebenantrag(const QString &seiteOderCode);
};
