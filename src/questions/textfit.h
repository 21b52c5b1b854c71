#pragma once

#include <QString>

namespace kvizar {

// The game screen's two text boxes, in pixels, and the fonts the game draws them in:
// a question in `display`, Comfortaa bold 16 px (for "Comic Sans MS" 12 pt), word-wrapped;
// an answer in one `answer` label, Liberation Serif 13 px (for "Times New Roman" 9.75 pt),
// on one line.
inline constexpr int kQuestionBoxWidth = 404;
inline constexpr int kQuestionBoxHeight = 99;
inline constexpr int kQuestionLineSpacing = 18;
inline constexpr int kQuestionMaxLines = kQuestionBoxHeight / kQuestionLineSpacing;
inline constexpr int kAnswerBoxWidth = 126;
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
bool questionFits(const QString &text);  // within kQuestionMaxLines, every word within the box

}  // namespace kvizar
