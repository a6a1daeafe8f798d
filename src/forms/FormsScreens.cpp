#include "forms/FormsScreens.h"

#include "forms/Hauptdaten.h"
#include "forms/Kinderform.h"
#include "forms/Pflegeversicherungsform.h"
#include "forms/Versicherungsform.h"
#include "shell/Hauptform.h"

namespace forms {
void anmelden(Hauptform &hauptform)
{
    hauptform.maskeAnmelden(QStringLiteral("Hauptdaten"), [](Hauptform &h) { return new Hauptdaten(h); });
    hauptform.maskeAnmelden(QStringLiteral("Kinderform"), [](Hauptform &h) { return new Kinderform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Versicherungsform"), [](Hauptform &h) { return new Versicherungsform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Pflegeversicherungsform"),
                            [](Hauptform &h) { return new Pflegeversicherungsform(h); });
}
} // namespace forms
