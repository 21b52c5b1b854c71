#pragma once

#include "screens/fonts.h"

#include <QString>

namespace kvizar {

// Whether a question fits the game screen's `display` (word-wrapped) and an answer one
// `answer` label (on one line). The boxes' sizes come from the game screen's design; the
// widths of the characters are tables measured in the faces the game draws those two
// controls in (tools/measure-fonts), which a test holds to the faces the design asks for.
int questionBoxWidth();  // pixels
int questionMaxLines();
int answerBoxWidth();

// The faces the tables were measured in, and the question face's line spacing in pixels.
extern const Face kQuestionTableFace;
extern const Face kAnswerTableFace;
inline constexpr int kQuestionLineSpacing = 18;

// Widths are sums of measured advances; kerning and rounding in the real layout may add a
// little, so every line must leave this much room.
inline constexpr int kFitMargin = 4;

// Widths in whole pixels (rounded up). A character outside Windows-1251 counts as the
// widest one of the font.
int answerWidth(const QString &text);
int questionWidth(const QString &text);  // on one line, no wrapping

// The lines a question takes when wrapped greedily at spaces in the question box. A word
// wider than the box takes a line of its own (and does not fit).
int questionLines(const QString &text);

bool answerFits(const QString &text);
bool questionFits(const QString &text);  // within questionMaxLines(), every word within the box

}  // namespace kvizar
