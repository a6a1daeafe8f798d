#pragma once

#include "ledger/Rechnungsposition.h"
#include "receipts/Beleg.h"

#include <QStringList>

// What the ledger proposes for a read invoice: the person by the patient's
// name, the cost type by the fee schedule and the issuer, the findings of
// the fee check as text and the amount the check does not recognise.
namespace Belegvorschlag {

struct Personen
{
    QString antragsteller; // "Vorname Nachname"
    QString ehegatte;
    QStringList kinder;    // child 1 to 5, "Vorname Name"
};

// "A", "E", "K1" … "K5", or empty when no name fits better than another.
QString empfaenger(const QString &patient, const Personen &personen);
// The code of the entry of liste ("AB;ärztliche Behandlung" or
// "1 (AB);…") that fits the invoice; empty when none does.
QString kostenart(const receipts::Beleg &beleg, const QStringList &liste);
// Sum over the findings with a recognised amount of (line amount − recognised).
double kuerzung(const receipts::Beleg &beleg);
// One line per finding: "Position 3 (GOÄ 5): …".
QString befundtext(const receipts::Beleg &beleg);
// All of it as a receipt (number 0, euro).
Rechnungsposition position(const receipts::Beleg &beleg, const Personen &personen, const QStringList &arten);

} // namespace Belegvorschlag
