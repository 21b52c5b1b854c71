#pragma once

#include "screen.h"

namespace kvizar {

// The three screens as designed: every control with its kind, place and size in twips, its
// look and its state at load, front to back.
const ScreenDesign &startDesign();
const ScreenDesign &gameDesign();
const ScreenDesign &telDesign();

inline constexpr int kTwipsPerPixel = 15;

// Tops of the ladder's rungs 1 to 15, from the bottom up.
inline constexpr int kRungTop[16] = {0,    6450, 6135, 5820, 5490, 5175, 4860, 4545,
                                     4230, 3915, 3600, 3285, 2955, 2640, 2325, 2010};

}  // namespace kvizar
