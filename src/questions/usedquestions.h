#pragma once

#include <QString>

namespace kvizar {

class SettingsStore;

inline const QString kSettingsApp = QStringLiteral("Kvizar");
inline const QString kAskedSection = QStringLiteral("Asked");

// The class of question n: "SIMPLE", "MEDIUM", "HARD", or empty outside 1 to 15.
QString questionClass(int n);

// Raises the "Asked" counter of the class of question `questionNow` by one. Reads under the
// fixed application name, writes under `exeName`. Any failure resets all three counters to
// "1" instead; the caller never sees it.
void countAnsweredQuestion(SettingsStore &settings, const QString &exeName, int questionNow);

// The number at the start of a stored text: blanks ignored, an optional sign, digits, a
// fraction and an exponent (written with e or d). 0 when the text begins with no number; an
// infinity, with its sign, for a number beyond the range of a double.
double leadingValue(const QString &text);

}  // namespace kvizar
