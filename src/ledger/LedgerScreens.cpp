#include "ledger/LedgerScreens.h"

#include "shell/Hauptform.h"

namespace ledger {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace ledger
