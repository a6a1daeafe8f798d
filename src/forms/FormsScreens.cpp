#include "forms/FormsScreens.h"

#include "forms/Anschriftenform.h"
#include "forms/Hauptdaten.h"
#include "forms/Kinderform.h"
#include "forms/Pflegeversicherungsform.h"
#include "forms/Rueckseiteform.h"
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
    hauptform.maskeAnmelden(QStringLiteral("Anschriftenform"), [](Hauptform &h) { return new Anschriftenform(h); });
    hauptform.maskeAnmelden(QStringLiteral("Rückseiteform"), [](Hauptform &h) { return new Rueckseiteform(h); });
}
} // namespace forms
