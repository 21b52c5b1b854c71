#pragma once

#include "screens/screen.h"

#include <QRect>

namespace kvizar::gui {

// Logical pixels for a length in twips, and back.
int pixels(int twips);
int twips(int pixels);

// Where a control lies in its window, in logical pixels: now, or in an earlier state.
QRect controlRect(const Control &control);
QRect controlRect(const Control &control, const ControlState &state);

}  // namespace kvizar::gui
