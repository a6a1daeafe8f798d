#include "forms/FormsScreens.h"

#include "shell/Hauptform.h"

namespace forms {
void anmelden(Hauptform &hauptform)
{
    Q_UNUSED(hauptform);
}
} // namespace forms
