#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

struct Katalogeintrag;
class Feldtabelle;
class Rechnungspositionen;
class Summen;

// What the expense print dialog decides before a page is drawn: the blocks
// of receipts a page can hold, the range a run prints, the pages of its
// four buttons, and the per-person sums of the insurance lists.
class Aufwendungsseiten
{
public:
    static constexpr int StandardAnzahl = 23;
    static inline const QString Versicherungslayout = QStringLiteral("ZAARV");
    // The persons of the insurance lists, in printing order.
    static const QStringList &personen();

    // Receipts per page: the catalogue's count, 23 when it is 0 (or less).
    static int proSeite(const Katalogeintrag &eintrag);
    // Entries of the page choice: "Aufwendungen 1. bis 23. Beleg", ...;
    // none without receipts.
    static QStringList bloecke(int anzahl, int proSeite);

    struct Bereich
    {
        int von = 1;
        int bis = 0;
        bool operator==(const Bereich &) const = default;
    };
    // The receipts a run prints. block is the chosen entry (from 0), or -1
    // when none is chosen. LBV form kinds and the insurance list always
    // print all receipts.
    static Bereich bereich(int block, int anzahl, int proSeite, const QString &formularart, const QString &layout);
    // The two grand totals belong only on the page that ends with the last
    // receipt.
    static bool summenLeeren(const Bereich &bereich, int anzahl);

    // Catalogue reference index of buttons 0-3 (ordinary or permanent care).
    static int druckbereich(int knopf, bool pflege);
    struct Knopf
    {
        QString text;
        bool aktiv = false;
    };
    static Knopf knopf(const Katalogeintrag &eintrag, int knopf, bool pflege);

    struct Person
    {
        QString code;
        int belege = 0;
        double summe = 0; // invoice amounts in the application's currency
    };
    // The seven persons with their receipt count and invoice total.
    static QVector<Person> personensummen(const Rechnungspositionen &tabelle, bool antragInEuro);

    // Receipt lines of the insurance list's page (its layout ZAARV).
    static constexpr int VersicherungProSeite = 40;
    // The pages of one person's insurance list: ranges of receipt numbers
    // that hold at most proSeite receipts of that person each; none when
    // the person has no receipt.
    static QVector<Bereich> versicherungsseiten(const Rechnungspositionen &tabelle, const QString &person,
                                                int proSeite = VersicherungProSeite);
    // What the total field of a page of a person's list shows: the total on
    // the last page, on every other page where to find it.
    static QString versicherungssumme(const Person &person, bool letzteSeite);

    // The tag under which a shared total field of the main window is stored.
    static QString summentag(const QString &feldname);
    // The totals of the receipts written into a field table as the main
    // window's shared fields carry them.
    static void summenEintragen(Feldtabelle &felder, const Summen &summen);
};
