#pragma once

class Hauptform;

namespace print {
// Registers the print dialogs and actions with the main window.
void anmelden(Hauptform &hauptform);
}
