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

// The question bank, a UTF-8 text (data/bank.txt): "#" comment lines, blank lines, and one
// question per line,
//     LEVEL TOPIC [TAGS] | Question | Right answer | Wrong | Wrong | Wrong
// LEVEL is 1 to 15: question n of a game comes from level n, so that the class of a question
// (levels 1-5 SIMPLE, 6-10 MEDIUM, 11-15 HARD) follows from its level. TOPIC is one of
// kTopics; TAGS, optional, are "new" (about the years since 1991) and "fun" (playful).

inline constexpr int kClassCount = 3;          // 0 SIMPLE, 1 MEDIUM, 2 HARD
inline constexpr int kQuestionsPerClass = 5;
inline constexpr int kLevelCount = kQuestionsPerGame;

// The topics a question may have, as written in the bank.
inline const QStringList kTopics = {QStringLiteral("geography"), QStringLiteral("history"), QStringLiteral("literature"),
                                    QStringLiteral("language"),  QStringLiteral("science"), QStringLiteral("nature"),
                                    QStringLiteral("arts"),      QStringLiteral("cinema"),  QStringLiteral("sport"),
                                    QStringLiteral("everyday")};
inline const QStringList kTags = {QStringLiteral("new"), QStringLiteral("fun")};

struct BankQuestion {
    int level = 1;  // 1 to 15
    QString topic;
    QStringList tags;
    QString question;
    std::array<QString, 4> answers;  // the first is the right one
    int line = 0;                    // in the bank file, from 1
};

struct Bank {
    std::array<std::vector<BankQuestion>, kClassCount> classes;  // each in file order
};

using GameQuestions = std::array<const BankQuestion *, kQuestionsPerGame>;

QString bankClassName(int cls);  // "SIMPLE", "MEDIUM", "HARD"
int classOfLevel(int level);     // 0 to 2

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

// A base file of one game, without regard to earlier games: question n from level n, as
// chooseUnserved takes them. Empty when a class has fewer than five different questions.
QByteArray encodeGame(const Bank &bank, RandomSource &random);

// What an author wants to know of a bank: the lines of `base stats`, beginning with one line
// per class, level and topic ("class SIMPLE 512", "level 7 101", "topic sport 80").
QStringList bankStats(const Bank &bank);

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

// Fifteen questions not yet served in their class's round, question n from level n (or, when
// level n has none left, from the nearest level of its class that has), and the record
// updated to match. When a class has fewer than five left, its round ends: the rest are
// taken, filled up from the questions served longest ago, and a new round begins with these
// five. A question served under another class (its level has changed since) counts as
// served. nullopt (and the record untouched) when a class has fewer than five different
// questions.
std::optional<GameQuestions> chooseUnserved(const Bank &bank, AskedRecord &record, RandomSource &random);

}  // namespace kvizar
