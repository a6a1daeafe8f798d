#pragma once

class Hauptform;

namespace privatekv {
// Registers this subsystem's screens and actions with the main window.
void anmelden(Hauptform &hauptform);
}
