#include "reference/ReferenceScreens.h"

#include "shell/Hauptform.h"

namespace reference {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace reference
