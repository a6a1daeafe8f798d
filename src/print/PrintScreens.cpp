#include "print/PrintScreens.h"

#include "shell/Hauptform.h"

namespace print {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace print
