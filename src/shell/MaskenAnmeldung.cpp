#include "shell/MaskenAnmeldung.h"

#include "addresses/AddressesScreens.h"
#include "forms/FormsScreens.h"
#include "ledger/LedgerScreens.h"
#include "print/PrintScreens.h"
#include "privatekv/PrivatekvScreens.h"
#include "reference/ReferenceScreens.h"
#include "shell/EinzeiligeEingaben.h"

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
}
