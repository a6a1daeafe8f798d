#pragma once

class Hauptform;

namespace addresses {
// Registers this subsystem's screens and actions with the main window.
void anmelden(Hauptform &hauptform);
}
