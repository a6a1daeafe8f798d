#pragma once

#include <cstdint>

// The title picture as drawn when the program was built: premultiplied
// ARGB pixels, row after row (written by velmora_titelbild).
namespace titelbilddaten {
extern const int breite;
extern const int hoehe;
extern const std::uint32_t pixel[];
} // namespace titelbilddaten
