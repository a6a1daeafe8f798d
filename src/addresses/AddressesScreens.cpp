#include "addresses/AddressesScreens.h"

#include "shell/Hauptform.h"

namespace addresses {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace addresses
