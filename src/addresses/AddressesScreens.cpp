#include "addresses/AddressesScreens.h"

#include "addresses/Adressenform.h"
#include "shell/Hauptform.h"

namespace addresses {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Adressenform"), [](Hauptform &h) { return new Adressenform(h); });
}
} // namespace addresses
