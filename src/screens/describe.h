#pragma once

#include "control.h"

#include <QStringList>

namespace kvizar {

class Screen;

// One line "CONTROL(INDEX).PROPERTY = VALUE" for every property that `changes` left with a new
// value, controls and timers each in design order: "answer(2).caption = \"Москва\"",
// "Timer2.enabled = true". A control changed and changed back says nothing.
QStringList describeChanges(const Screen &screen, const ChangeLog::Changes &changes);

// A string in double quotes with C-style escapes.
QString quoted(const QString &s);

}  // namespace kvizar
