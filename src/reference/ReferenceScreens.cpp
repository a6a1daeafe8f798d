#include "reference/ReferenceScreens.h"

#include "reference/Gebuehrenordnung.h"
#include "shell/Hauptform.h"

namespace reference {
void anmelden(Hauptform &hauptform)
{
    // Fee schedule browser; the navigation entries open it with their schedule.
    hauptform.maskeAnmelden(QString::fromUtf8(Gebuehrenordnung::Name),
                            [](Hauptform &h) { return new Gebuehrenordnung(h); });
    Hauptform *h = &hauptform;
    hauptform.aktionAnmelden(QStringLiteral("GOÄ"), [h] { Gebuehrenordnung::zeigen(*h, QStringLiteral("Ä")); });
    hauptform.aktionAnmelden(QStringLiteral("GOZ"), [h] { Gebuehrenordnung::zeigen(*h, QStringLiteral("Z")); });
    hauptform.aktionAnmelden(QStringLiteral("Heilpraktiker"), [h] { Gebuehrenordnung::zeigen(*h, QStringLiteral("Y")); });
}
} // namespace reference
