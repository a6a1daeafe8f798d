#pragma once

#include "ledger/Antragskopf.h"
#include "ledger/Erstattungserwartung.h"
#include "ledger/Rechnungsposition.h"

#include <QHash>
#include <utility>

class Hauptform;
class QWidget;

// What the ledger window does with the expected refund and the decision:
// the expectation of its receipts, and the two dialogs of the menu "Antrag".
namespace Bescheidaktionen {
struct Erwartung
{
    QVector<Erstattungserwartung::Eingabe> eingaben;
    QVector<Erstattungserwartung::Ergebnis> ergebnisse;
    double summeEuro = 0; // DM receipts converted
    bool vor2022 = false; // a receipt the Kostendämpfungspauschale may still concern
};

// Fee-check reductions by receipt number: amount and reason.
using Kuerzungen = QHash<int, std::pair<double, QString>>;

Erwartung erwartung(const Hauptform &hauptform, const QVector<Rechnungsposition> &positionen,
                    const Kuerzungen &kuerzungen = {});
// The line under the ledger's list.
QString summentext(const Erwartung &e);

// "Bescheid erfassen…" and "Widerspruch schreiben…" for the application in
// the ledger; both need its date (the key) and receipts.
void bescheidErfassen(QWidget *parent, Hauptform &hauptform, const Antragskopf &kopf,
                      const QVector<Rechnungsposition> &positionen, const Kuerzungen &kuerzungen = {});
void widerspruchSchreiben(QWidget *parent, Hauptform &hauptform, const Antragskopf &kopf,
                          const QVector<Rechnungsposition> &positionen, const Kuerzungen &kuerzungen = {});
} // namespace Bescheidaktionen
