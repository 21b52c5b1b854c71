#pragma once

#include "mainmodule.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace kvizar {

class RandomSource;

// The question bank, a UTF-8 text (data/bank.txt): "#" comment lines, blank lines, section
// lines [SIMPLE], [MEDIUM], [HARD], and one question per line,
//     Question | Right answer | Wrong | Wrong | Wrong
// Each game takes five questions of each class, in class order.

inline constexpr int kClassCount = 3;          // 0 SIMPLE, 1 MEDIUM, 2 HARD
inline constexpr int kQuestionsPerClass = 5;

struct BankQuestion {
    QString question;
    std::array<QString, 4> answers;  // the first is the right one
    int line = 0;                    // in the bank file, from 1
};

struct Bank {
    std::array<std::vector<BankQuestion>, kClassCount> classes;
};

using GameQuestions = std::array<const BankQuestion *, kQuestionsPerGame>;

QString bankClassName(int cls);  // "SIMPLE", "MEDIUM", "HARD"

// Reads a bank. nullopt when the file cannot be read or anything in it would spoil a base
// file: a malformed line, an empty text, "@" or a character outside Windows-1251, fewer
// than five different questions in a class. `problems` receives them as checkBank does.
std::optional<Bank> loadBank(const QString &path, QStringList *problems = nullptr);

// Every problem of a bank, each as "LINE: message" in line order (line 0: the whole file);
// empty when the bank is fine. Beyond what loadBank refuses: texts too wide for the game
// screen, two equal answers in a question, a question that appears twice.
QStringList checkBank(const QString &path);

// The decoded base text of a game: "#@" and the fifteen records, the right answer first.
// The texts must be free of "@" and "|", as a loaded bank's are.
QString gameText(const GameQuestions &questions);

// A base file of five random questions of each class, without regard to earlier games.
// Empty when a class has fewer than five different questions.
QByteArray encodeGame(const Bank &bank, RandomSource &random);

// --- Choosing without repeats -------------------------------------------------------------

// A key that stays with a question while its text stays (spacing and case aside).
QString questionKey(const BankQuestion &question);

// The keys of the questions of each class already served in the current round, oldest first.
struct AskedRecord {
    std::array<QStringList, kClassCount> served;
};

// The record's place in the user's data directory; empty when there is none.
QString askedRecordPath();

// A missing, unreadable or corrupted record reads as a fresh one.
AskedRecord readAskedRecord(const QString &path);
bool writeAskedRecord(const QString &path, const AskedRecord &record);

// Five questions of each class not yet served in the class's round, and the record updated
// to match. When fewer than five are left, the round ends: the rest are taken, filled up
// from the questions served longest ago, and a new round begins with these five.
// nullopt (and the record untouched) when a class has fewer than five different questions.
std::optional<GameQuestions> chooseUnserved(const Bank &bank, AskedRecord &record, RandomSource &random);

}  // namespace kvizar
