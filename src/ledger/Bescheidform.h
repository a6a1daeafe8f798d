#pragma once

#include "ledger/Bescheid.h"
#include "ledger/Erstattungserwartung.h"
#include "ledger/Rechnungsposition.h"

#include <QDialog>
#include <QHash>

class Hauptform;
class QLabel;
class QLineEdit;
class QTableWidget;

// "Bescheid erfassen": the decision's date and, per receipt, what the office
// recognised and paid and why it cut, beside what was expected. Receipts
// paid less than expected are marked. "Speichern" stores the decision with
// the application in anträge.mdb.
class Bescheidform : public QDialog
{
    Q_OBJECT
public:
    // What the ledger hands over about its application.
    struct Daten
    {
        QString pfad; // anträge.mdb
        QString kennung;
        QVector<Rechnungsposition> positionen;
        QVector<Erstattungserwartung::Eingabe> eingaben; // per receipt, same order
        Erstattungserwartung::Saetze saetze;
    };

    Bescheidform(Daten daten, QWidget *parent = nullptr);

    static QString titel() { return QStringLiteral("Bescheid erfassen"); }
    enum Spalte { Beleg, Datum, Empf, Arzt, Rechnung, Erwartet, Anerkannt, Erstattet, Differenz, Grund, Spalten };

    // The rates of the personal data and, per receipt, the expectation's
    // input (fee-check reductions by receipt number).
    static Erstattungserwartung::Saetze saetze(const Hauptform &hauptform);
    static QVector<Erstattungserwartung::Eingabe> eingaben(const QVector<Rechnungsposition> &positionen,
                                                          const QHash<int, std::pair<double, QString>> &kuerzungen = {});

    Bescheid bescheid() const;
    bool speichern();

public Q_SLOTS:
    void WieErwartet_Knopf_Click();

private:
    void zeileAuswerten(int zeile);
    void summeZeigen();

    Daten m_daten;
    QVector<Erstattungserwartung::Ergebnis> m_erwartet;
    QLineEdit *m_datum = nullptr;
    QLineEdit *m_eingang = nullptr;
    QTableWidget *m_tabelle = nullptr;
    QLabel *m_summe = nullptr;
    bool m_fuellen = false;
};
