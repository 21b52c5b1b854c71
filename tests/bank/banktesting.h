#pragma once

#include "questions/bank.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kvizar::test {

// data/bank.txt of the source tree.
QString shippedBankPath();

// Writes `lines` as a UTF-8 file and returns its path.
QString writeLines(const QString &path, const QStringList &lines);

// A sound bank of six questions per class: line 1 [SIMPLE], 2-7; line 8 [MEDIUM], 9-14;
// line 15 [HARD], 16-21.
QStringList sixPerClass();

// The fifteen records of a base file, or an empty list when checkBaseFile refuses it.
struct DecodedQuestion {
    QString question;
    std::array<QString, 4> answers;
};
std::vector<DecodedQuestion> decodeBaseFile(const QByteArray &bytes);

// The class (0 to 2) of the bank question with this text; -1 when there is none.
int classOf(const Bank &bank, const QString &question);

}  // namespace kvizar::test
