#pragma once

#include "ledger/Antragskopf.h"
#include "ledger/Rechnungsposition.h"
#include "ledger/Uebersichtstabelle.h"

#include <QDate>
#include <QString>
#include <QVector>
#include <optional>

// All stored applications at a glance: per application its sums and state,
// the receipts whose claim deadline or due date needs attention, and the
// sums per calendar year. Reads anträge.mdb only; every amount is in euro
// (DM receipts converted), sums stay unrounded.
class Uebersicht
{
public:
    enum class Status { InArbeit, Eingereicht, Erledigt };

    static constexpr int StandardFristMonate = 24;
    // Receipts this many days before their deadline count as "about to lapse".
    static constexpr int Vorwarnung = 60;

    struct Beleg
    {
        int nummer = 0;
        QDate datum;
        QString empfaenger;
        QString art;
        QString arzt;
        bool dm = false;
        // In euro.
        double rechnung = 0;
        double versicherung = 0;
        double erstattung = 0;
        double erstattungV = 0;
        double gekuerzt = 0; // by the recorded decision: paid less than expected
        QDate bezahltam;
        QDate faelligam;
    };

    struct Antrag
    {
        QString kennung;
        QDate antragsdatum;
        QString bemerkung;
        QDate eingereicht;
        QDate zurueck;
        bool geoeffnet = false; // the application open in the ledger window
        bool bescheid = false;  // the decision's amounts are recorded: done, like "zurück" set
        QVector<Beleg> belege;
        // In euro.
        double rechnung = 0;
        double versicherung = 0;
        double erstattung = 0;
        double erstattungV = 0;
        double gekuerzt = 0;

        // What is still to come from the Beihilfe: before the decision is
        // back, the expected refund ("Erstattung" as the ledger suggests it);
        // once "zurück" is set or the decision is recorded, nothing: what was
        // refunded is done and the rest is the own share.
        double offen() const { return zurueck.isValid() || bescheid ? 0.0 : erstattung; }
        Status status() const;
        // Days since submission; only for a submitted, not returned application.
        std::optional<int> tageEingereicht(const QDate &heute) const;
    };

    struct Frist
    {
        enum class Art { Antragsfrist, Zahlung };
        Art art = Art::Antragsfrist;
        QString kennung;
        Beleg beleg;
        QDate stichtag; // end of the claim deadline, or the due date
        int tage = 0;   // days from stichtag to today: > 0 past, <= 0 still to come
    };

    struct Jahr
    {
        int jahr = 0; // 0: receipts without a date
        int belege = 0;
        double rechnung = 0;
        double erstattung = 0;
        double erstattungV = 0;
        double gekuerzt = 0;
        double eigenanteil() const { return rechnung - erstattung - erstattungV; }
    };

    // Reads every application of the file. Where a decision is recorded, a
    // receipt's "Erstattung" is what the decision paid. False and a German message when
    // the file is missing, no database or damaged; the overview is then empty.
    static bool lesen(const QString &pfad, Uebersicht *ergebnis, QString *fehler = nullptr);

    // Puts the application open in the ledger window in place of the stored
    // one of the same key (or adds it). Nothing happens without receipts.
    void einbeziehen(const QString &kennung, const Antragskopf &kopf, const QVector<Rechnungsposition> &positionen);

    // Newest application date first, applications without a date last.
    const QVector<Antrag> &antraege() const { return m_antraege; }
    // The sum of the rounded per-application open amounts, as every total line shows it.
    double offenGesamt() const;
    // An amount rounded to whole cents, as a row shows it.
    static qint64 cent(double euro) { return qRound64(euro * 100); }
    static double gerundet(double euro) { return double(cent(euro)) / 100; }

    // The day a receipt's claim lapses: its date plus the deadline in months.
    // On that day it may still be claimed, one day later it may not.
    static QDate fristende(const QDate &rechnungsdatum, int monate);
    // Receipts of applications not yet submitted that are past their
    // deadline or within Vorwarnung days of it, and receipts due without a
    // payment date; the earliest date first.
    QVector<Frist> fristen(const QDate &heute, int monate) const;
    // Receipts of applications not yet submitted whose deadline ends within
    // the next Vorwarnung days (today included).
    int baldAblaufend(const QDate &heute, int monate) const;
    // Per calendar year of the receipt date, ascending; undated receipts last.
    QVector<Jahr> jahre() const;

    static QString statusText(Status s);
    // What "noch offen" means, for the column's tool tip and the printed list.
    static QString offenErklaerung();
    // The main window's status line about receipts near their deadline.
    static QString fristenhinweis(int anzahl);
    // The deadline in months from the settings ("Antragsfrist"), 24 by default.
    static int fristMonate();
    static void setFristMonate(int monate);

    // The tables of the window, the CSV export and the printed list.
    Uebersichtstabelle::Inhalt antragsInhalt(const QDate &heute) const;
    Uebersichtstabelle::Inhalt fristenInhalt(const QDate &heute, int monate) const;
    Uebersichtstabelle::Inhalt jahresInhalt() const;
    // Column of the status and of the application date in antragsInhalt.
    static constexpr int StatusSpalte = 10;
    static constexpr int DatumSpalte = 1;
    static constexpr int OffenSpalte = 9;
    static constexpr int GekuerztSpalte = 12;

private:
    void sortieren();
    QVector<Antrag> m_antraege;
};
