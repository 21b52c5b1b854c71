#pragma once

#include "screen.h"

#include <vector>

namespace kvizar {

// One property of one control or timer, written as the simulator prints it.
struct PropertyValue {
    QString target;    // "answer(3)", "tablo", "Timer2"
    QString property;  // "caption", "visible", ...
    QString value;     // "\"text\"", "true", "120", "#FF0000"
    bool operator==(const PropertyValue &) const = default;
};

// The properties a player can see or that matter to play, for every control and timer of a
// screen, in design order. A front end compares two of them to learn what changed.
std::vector<PropertyValue> snapshot(const Screen &screen);
// The same for a screen exactly as designed, before its load step has run.
std::vector<PropertyValue> designSnapshot(const ScreenDesign &design);

// A string in double quotes with C-style escapes.
QString quoted(const QString &s);

}  // namespace kvizar
