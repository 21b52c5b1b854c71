#pragma once

#include "screens/screen.h"

#include <QPoint>
#include <QRect>

#include <functional>
#include <vector>

namespace kvizar::gui {

// Logical pixels for a length in twips.
int pixels(int twips);
int twips(int pixels);

// Where a control lies in its window, in logical pixels.
QRect controlRect(const Control &control);

// The controls of a screen in drawing order: back to front, the windowed kinds in front of
// all others.
std::vector<const Control *> paintOrder(const Screen &screen);

// The front-most visible control at `point` (logical pixels) that `accept` allows.
const Control *frontMostAt(const Screen &screen, QPoint point, const std::function<bool(const Control &)> &accept);

}  // namespace kvizar::gui
