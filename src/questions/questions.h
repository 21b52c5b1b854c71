#pragma once

#include <QString>

namespace kvizar {

class Program;

// Puts question n (1 to 15) of the base in the game screen's InData on screen: its text in
// `display`, its four answers in random order in the empty answer labels. Returns the text of
// the right answer. A number outside 1 to 15 shows nothing and returns an empty text.
QString ShowQuestion(Program &program, int n);

}  // namespace kvizar
