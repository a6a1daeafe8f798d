#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

// What was read from one invoice file: its head values, its fee lines and
// the findings of the fee check. Values that could not be read stay empty;
// nothing is guessed.
namespace receipts {

enum class Gebuehrenordnung { Keine, GOAe, GOZ, GebueH };

// One line of the invoice. A line without a schedule (material costs,
// expenses, medicines) has an empty nummer.
struct Rechnungszeile
{
    QDate datum;
    Gebuehrenordnung ordnung = Gebuehrenordnung::Keine;
    QString nummer;                 // as printed, without the "Ä" prefix
    double anzahl = 1;
    std::optional<double> faktor;
    std::optional<double> betrag;   // the line's amount in euro
    QString begruendung;            // the written reason for a raised factor
    QString text;                   // the service as printed
};

enum class Befundart { UnbekannteNummer, Hoechstsatz, BegruendungFehlt, BetragFalsch, Hoechstbetrag, SummeFalsch };

// The code used in files and in the JSON output ("unbekannte-nummer" ...).
QString befundCode(Befundart art);

// One finding of the fee check about one line (position counted from 1;
// 0 for the invoice as a whole, as with summe-falsch).
struct Befund
{
    int position = 0;
    Befundart art = Befundart::UnbekannteNummer;
    QString text;                    // one German sentence naming the rule and where it stands
    std::optional<double> anerkannt; // what the Beihilfe would recognise for the line, where the rule caps it
};

struct Beleg
{
    QString datei;
    QString quelle;                  // "text" or "ocr"
    bool girocode = false;
    QDate rechnungsdatum;
    QDate faelligam;                 // a printed due date, or the invoice date plus a term in days
    QString rechnungsnummer;
    QString aussteller;
    QString patient;
    std::optional<double> betrag;    // the amount payable, after a stated reduction
    std::optional<double> minderung; // a stated reduction such as § 6a GOÄ, as a positive amount
    QString iban;                    // without blanks; only with valid check digits
    QList<Rechnungszeile> positionen;
    QList<Befund> befunde;
    QMap<QString, QString> herkunft; // value name -> where it came from ("Seite 1, Zeile 3", "GiroCode")
    int seiten = 0;
};

} // namespace receipts
