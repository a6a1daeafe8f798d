#pragma once

#include <QString>

// Where a module of the program lies (name without "lib" and ".so"): in
// lib/velmora beside the programs' bin folder, in the build tree as when
// installed.
QString modulpfad(const QString &name);
