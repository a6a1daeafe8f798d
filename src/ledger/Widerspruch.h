#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class Feldtabelle;
class Seitenflaeche;
struct Bescheid;
struct Rechnungsposition;

// The draft of an objection against a Beihilfe decision: a German letter to
// the Beihilfe office listing every receipt paid below expectation, and the
// day by which the objection must reach the office.
class Widerspruch
{
public:
    struct Beleg
    {
        int nummer = 0;
        QDate datum;
        QString zahlungsempfaenger; // the practitioner who billed
        double rechnung = 0;
        double erwartet = 0;
        double erstattet = 0;
        bool dm = false;
        QString bescheidgrund;  // the office's reason for the cut
        QString gebuehrengrund; // for a fee cut: the fee check's findings on the invoice lines
    };

    QStringList absender;       // name, street, town of the applicant
    QString name;               // for the signature
    QString beihilfenummer;     // or the personnel number when there is none
    QString aktenzeichen;       // the office's file reference, if known
    QStringList behoerde;       // the office's address lines
    QString ort;                // place of signing
    QDate heute;
    QDate bescheiddatum;
    QVector<Beleg> belege;

    // The applicant's and the office's data from the field store.
    void ausFeldern(const Feldtabelle &felder);
    // The cut receipts of a decision; the expectation comes from the decision.
    // Fee reasons: per receipt number, a text in place of the receipt's own
    // findings of the fee check.
    void ausBescheid(const Bescheid &bescheid, const QVector<Rechnungsposition> &positionen,
                     const QHash<int, QString> &gebuehrengruende = {});

    QString entwurf() const;

    // The last day the objection may arrive: one month after the decision
    // was received (same day number, or the month's last day), moved past a
    // Saturday or Sunday to the Monday. Public holidays are not known here.
    static QDate fristende(const QDate &eingang);
    static QString fristRegel();

    // Draws the text on A4 pages (25 mm left, 20 mm right margin), wrapping
    // long lines; every page ends with EndDoc. False with the surface's error.
    static bool zeichnen(Seitenflaeche &flaeche, const QString &text, QString *fehler = nullptr);
    static bool pdf(const QString &text, const QString &datei, QString *fehler = nullptr);
};
