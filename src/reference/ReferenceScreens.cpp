#include "reference/ReferenceScreens.h"

#include "reference/BVOForm.h"
#include "reference/Beihilfeninfoform.h"
#include "reference/Gebuehrenordnung.h"
#include "reference/Gesetze.h"
#include "reference/Herstellerinfo.h"
#include "reference/Infotextform.h"
#include "reference/KurorteForm.h"
#include "reference/LVHForm.h"
#include "reference/Textgruppe.h"
#include "shell/Dialoge.h"
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
    // Reference menu, text viewers, remedies, spa resorts and maker information.
    hauptform.maskeAnmelden(QStringLiteral("Beihilfeninfoform"), [](Hauptform &h) { return new Beihilfeninfoform(h); });
    hauptform.maskeAnmelden(QStringLiteral("BVOForm"), [](Hauptform &h) { return new BVOForm(h); });
    hauptform.maskeAnmelden(QStringLiteral("Gesetze"), [](Hauptform &h) { return new Gesetze(h); });
    hauptform.maskeAnmelden(QStringLiteral("Infotextform"), [](Hauptform &h) { return new Infotextform(h); });
    hauptform.maskeAnmelden(QStringLiteral("LVHForm"), [](Hauptform &h) { return new LVHForm(h); });
    hauptform.maskeAnmelden(QStringLiteral("KurorteForm"), [](Hauptform &h) { return new KurorteForm(h); });
    for (const Textgruppe &g : Textgruppe::alle())
        hauptform.aktionAnmelden(g.aktion, [h, code = g.code] { BVOForm::zeigen(*h, code); });
    hauptform.aktionAnmelden(QStringLiteral("Heilbehandlungen"), [h] { h->oeffnen(QStringLiteral("LVHForm")); });
    hauptform.aktionAnmelden(QStringLiteral("Kurorte"), [h] { h->oeffnen(QStringLiteral("KurorteForm")); });
    hauptform.aktionAnmelden(QStringLiteral("Herstellerinfo"), [h] {
        Herstellerinfo info(h->datenverzeichnis(), h);
        Dialoge::ausfuehren(&info);
    });
}
} // namespace reference
