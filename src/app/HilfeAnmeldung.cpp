#include "app/HilfeAnmeldung.h"

#include "shell/Hauptform.h"
#include "shell/HilfeFenster.h"

void hilfeAnmelden(Hauptform &hauptform)
{
    // "Anleitung" (F1) opens the guide at the screen in front, "Erste
    // Schritte" at the first steps; the main window names the part.
    hauptform.setHilfeAnzeigen(&HilfeFenster::zeigen);
}
