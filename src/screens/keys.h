#pragma once

#include <QString>

#include <vector>

namespace kvizar {

// A key of a screen that stands for one of its controls: held, it is that control's left
// button held; released, the release (InputRouter::pressKey). The mouse player sees no trace
// of it: no design shows keys.
struct KeyBinding {
    std::vector<int> keys;  // Qt key codes
    QString control;
    int index = -1;
    QString keyNames;  // how the help window names the keys, in Russian
    QString what;      // what the help window says they do
};

// The code of a letter key as Qt reports it in the standard Russian layout, for the Latin
// letter printed on the same key ('A' -> 'Ф'): letter bindings work in either layout.
int russianOnKey(char latin);

// Digits and letters in both layouts, as key codes for a binding.
std::vector<int> letterKeys(char latin);

}  // namespace kvizar
