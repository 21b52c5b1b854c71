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

// A sound bank of six questions per class, one a line: class c's question i (1 to 6) is on
// line 6c + i, at level 5c + i (its class's first level taking i = 6 too), topics in turn.
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
