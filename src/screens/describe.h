#pragma once

#include "control.h"

#include <QString>

#include <string>
#include <string_view>

namespace kvizar {

class Screen;

// Appends one line "PREFIXCONTROL(INDEX).PROPERTY = VALUE\n" (UTF-8) for every property that
// `changes` left with a new value, controls and timers each in design order:
// "answer(2).caption = \"Москва\"", "Timer2.enabled = true". A control changed and changed
// back says nothing.
void describeChanges(const Screen &screen, const ChangeLog::Changes &changes, std::string_view prefix, std::string &out);

// A string in double quotes with C-style escapes.
QString quoted(const QString &s);
// The same, appended to `out` in UTF-8.
void appendQuoted(std::string &out, const QString &s);

}  // namespace kvizar
