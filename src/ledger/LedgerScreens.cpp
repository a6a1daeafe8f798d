#include "ledger/LedgerScreens.h"

#include "ledger/Aerzteform.h"
#include "ledger/Antragsdatenbank.h"
#include "ledger/Antragsuebersicht.h"
#include "ledger/Aufwendungen.h"
#include "shell/Hauptform.h"

#include <QStatusBar>

namespace ledger {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Aufwendungen"), [](Hauptform &h) { return new Aufwendungen(h); });
    hauptform.maskeAnmelden(QStringLiteral("Aerzteform"), [](Hauptform &h) { return new Aerzteform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Antragsuebersicht"), [](Hauptform &h) { return new Antragsuebersicht(h); });
    Hauptform *h = &hauptform;
    // Once the main window stands: how many receipts are about to pass
    // their claim deadline.
    hauptform.aktionAnmelden(QStringLiteral("Fristenhinweis"), [h] {
        Uebersicht u;
        if (!Uebersicht::lesen(h->datenverzeichnis() + Antragsdatenbank::Dateiname, &u))
            return;
        Antragsuebersicht::fristenhinweisZeigen(*h, u);
    });
    hauptform.beimBeendenSpeichern([h] {
        auto *a = qobject_cast<Aufwendungen *>(h->maske(QStringLiteral("Aufwendungen")));
        return !a || a->rechnungspositionen().istLeer() || a->antragSpeichern();
    });
}
} // namespace ledger
