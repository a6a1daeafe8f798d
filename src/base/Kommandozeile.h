#pragma once

// Start of a command-line program (velmora-druck, velmora-beleg), before its
// QGuiApplication: stderr gets only the program's own messages and Qt's
// serious ones (VELMORA_QT_MELDUNGEN shows all), and pages are drawn
// offscreen unless a platform is asked for.
void kommandozeileVorbereiten();
