#include "shell/MaskenAnmeldung.h"

#include "forms/FormsScreens.h"
#include "ledger/LedgerScreens.h"
#include "print/PrintScreens.h"

void velmoraMaskenAnmelden(Hauptform &hauptform)
{
    forms::anmelden(hauptform);
    ledger::anmelden(hauptform);
    print::anmelden(hauptform);
}
