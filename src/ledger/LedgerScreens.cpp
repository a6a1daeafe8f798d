#include "ledger/LedgerScreens.h"

#include "ledger/Aerzteform.h"
#include "ledger/Aufwendungen.h"
#include "shell/Hauptform.h"

namespace ledger {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Aufwendungen"), [](Hauptform &h) { return new Aufwendungen(h); });
    hauptform.maskeAnmelden(QStringLiteral("Aerzteform"), [](Hauptform &h) { return new Aerzteform(h); });
    Hauptform *h = &hauptform;
    hauptform.beimBeendenSpeichern([h] {
        auto *a = qobject_cast<Aufwendungen *>(h->maske(QStringLiteral("Aufwendungen")));
        return !a || a->rechnungspositionen().istLeer() || a->antragSpeichern();
    });
}
} // namespace ledger
