#include "app/MaskenAnmeldung.h"

#include "addresses/AddressesScreens.h"
#include "forms/FormsScreens.h"
#include "ledger/Aufwendungen.h"
#include "ledger/LedgerScreens.h"
#include "print/PrintScreens.h"
#include "privatekv/PrivatekvScreens.h"
#include "reference/ReferenceScreens.h"
#include "shell/Hauptform.h"

void velmoraMaskenAnmelden(Hauptform &hauptform)
{
    forms::anmelden(hauptform);
    ledger::anmelden(hauptform);
    print::anmelden(hauptform);
    privatekv::anmelden(hauptform);
    reference::anmelden(hauptform);
    addresses::anmelden(hauptform);
    // The menu of the last applications loads one into the ledger.
    hauptform.setAntragLaden([&hauptform](const QString &kennung) {
        if (auto *a = qobject_cast<Aufwendungen *>(hauptform.oeffnen(QStringLiteral("Aufwendungen"))))
            a->antragLaden(kennung, false);
    });
}
