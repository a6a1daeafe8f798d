#include "forms/FormsScreens.h"

#include "forms/Hauptdaten.h"
#include "shell/Hauptform.h"

namespace forms {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Hauptdaten"), [](Hauptform &h) { return new Hauptdaten(h); });
}
} // namespace forms
