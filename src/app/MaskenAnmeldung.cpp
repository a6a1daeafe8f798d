#include "app/MaskenAnmeldung.h"

#include "addresses/AddressesScreens.h"
#include "forms/FormsScreens.h"
#include "ledger/Aufwendungen.h"
#include "ledger/LedgerScreens.h"
#include "print/PrintScreens.h"
#include "privatekv/PrivatekvScreens.h"
#include "reference/ReferenceScreens.h"
#include "shell/EinzeiligeEingaben.h"
#include "shell/Hauptform.h"
#include "shell/HilfeFenster.h"

void velmoraMaskenAnmelden(Hauptform &hauptform)
{
    // Before any screen exists: no line break gets into a one-line box.
    EinzeiligeEingaben::installieren();
    forms::anmelden(hauptform);
    ledger::anmelden(hauptform);
    print::anmelden(hauptform);
    privatekv::anmelden(hauptform);
    reference::anmelden(hauptform);
    addresses::anmelden(hauptform);
    // "Anleitung" (F1) opens the guide at the screen in front.
    hauptform.setHilfeAnzeigen(&HilfeFenster::zeigen);
    // The menu of the last applications loads one into the ledger.
    hauptform.setAntragLaden([&hauptform](const QString &kennung) {
        if (auto *a = qobject_cast<Aufwendungen *>(hauptform.oeffnen(QStringLiteral("Aufwendungen"))))
            a->antragOeffnen(kennung); // asks first when receipts are not stored
    });
}
