#pragma once

#include "screen.h"

#include <QStringList>

#include <vector>

namespace kvizar {

// What a player can see of a control, or what matters to play.
struct ControlState {
    QString caption, picture, tag;
    bool visible = false, enabled = false;
    int top = 0, height = 0, width = 0;
    unsigned borderColor = 0;
    bool operator==(const ControlState &) const = default;
};

// Every control and timer of a screen, in design order. Cheap to take and to compare (the
// texts are shared, not copied): front ends take one after every event to learn what changed.
struct ScreenState {
    std::vector<ControlState> controls;
    std::vector<bool> timers;  // enabled flags
    bool operator==(const ScreenState &) const = default;
};

ScreenState captureState(const Screen &screen);
// A screen exactly as designed, before its load step has run.
ScreenState designState(const ScreenDesign &design);

// One line "CONTROL(INDEX).PROPERTY = VALUE" for every property that differs between two
// states of a screen of this design, in design order: "answer(2).caption = \"Москва\"",
// "Timer2.enabled = true".
QStringList describeChanges(const ScreenDesign &design, const ScreenState &before, const ScreenState &after);

// A string in double quotes with C-style escapes.
QString quoted(const QString &s);

}  // namespace kvizar
