#pragma once

class Hauptform;

namespace reference {
// Registers this subsystem's screens and actions with the main window.
void anmelden(Hauptform &hauptform);
}
