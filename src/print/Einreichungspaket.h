#pragma once

#include "print/Katalogeintrag.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class Feldtabelle;
class Rechnungspositionen;

// One PDF to hand in: the application's front page, its back page where the
// form kind has one, the expense lists block by block, then the picture of
// every receipt in receipt order, each page stamped "Beleg N" in its top
// right corner, and a closing page that names the receipts without one.
// Pictures go in grey at about 200 dpi as JPEG. Knows no widget.
class Einreichungspaket
{
public:
    // The pages of a receipt's file as pictures (about dpi dots per inch);
    // empty with a reason when the file cannot be shown. The invoice reader
    // supplies it.
    using Bildquelle = std::function<QList<QImage>(const QString &datei, int dpi, QString *fehler)>;

    static constexpr int Bildaufloesung = 200;
    static constexpr int JpegQualitaet = 70;

    struct Auftrag
    {
        QString datenbank;             // path of the print database
        Katalogeintrag eintrag;        // the form kind
        QString formularart;           // its name
        bool pflege = false;           // application for permanent care
        bool antragInEuro = true;      // currency of the receipts' totals
        bool euroformular = true;      // euro edition of the front and back page
        const Feldtabelle *felder = nullptr;
        const Rechnungspositionen *belege = nullptr;
        QString datenverzeichnis;      // where the folder "belege" lies
        Bildquelle bilder;
        // Called with (steps done, steps in all); false stops the run.
        std::function<bool(int, int)> fortschritt;
    };

    struct Ergebnis
    {
        bool ok = false;
        QString fehler;             // German, for the user
        int seiten = 0;             // pages in the file
        int formularseiten = 0;     // of them the application and the lists
        QList<int> ohneBild;        // numbers of the receipts that have no picture
        QStringList fehlend;        // "Beleg N: reason" for pictures that could not be read
    };

    // Writes the file completely or not at all.
    static Ergebnis schreiben(const Auftrag &auftrag, const QString &datei);

    // "Beihilfeantrag-JJJJ-MM-TT.pdf" for the day.
    static QString dateiname(const QDate &tag);
};
