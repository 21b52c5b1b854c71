#include "banktesting.h"

#include "core/random.h"
#include "questions/bank.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

// One game as the companion plays it: the record read, the choice, the record written.
GameQuestions playOne(const Bank &bank, const QString &recordPath, RandomSource &random)
{
    AskedRecord record = readAskedRecord(recordPath);
    const std::optional<GameQuestions> game = chooseUnserved(bank, record, random);
    EXPECT_TRUE(game);
    EXPECT_TRUE(writeAskedRecord(recordPath, record));
    return game.value_or(GameQuestions{});
}

QSet<QString> classQuestions(const GameQuestions &game, int cls)
{
    QSet<QString> out;
    for (int i = 0; i < kQuestionsPerClass; ++i)
        out.insert(game[std::size_t(cls * kQuestionsPerClass + i)]->question);
    return out;
}

}  // namespace

// A player meets no question twice in a hundred games in a row.
TEST(NoRepeat, AHundredGamesInARowMeetNoQuestionTwice)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    QTemporaryDir dir;
    const QString recordPath = dir.filePath(QStringLiteral("Kvizar/asked.txt"));
    Generator random(2024);
    QSet<QString> met;
    for (int g = 0; g < 100; ++g) {
        const GameQuestions game = playOne(*bank, recordPath, random);
        for (const BankQuestion *q : game) {
            ASSERT_TRUE(q);
            ASSERT_FALSE(met.contains(q->question)) << "game " << g << ": " << q->question.toStdString();
            met.insert(q->question);
        }
    }
}

// Question n of a game comes from level n; when level n has nothing left, from the nearest
// level of its class that has, the fuller of two as near; difficulty never falls by a class.
TEST(NoRepeat, QuestionNComesFromLevelNOrTheNearestLevelOfItsClass)
{
    // Class SIMPLE: level 1 three questions, level 2 one, level 3 none, level 4 two, level 5
    // four. MEDIUM and HARD: one question on each level.
    QStringList lines;
    const int simple[5] = {3, 1, 0, 2, 4};
    for (int level = 1; level <= 5; ++level)
        for (int i = 0; i < simple[level - 1]; ++i)
            lines << QStringLiteral("%1 history | Вопрос %1-%2? | Да | Нет | Может быть | Не знаю").arg(level).arg(i);
    for (int level = 6; level <= 15; ++level)
        lines << QStringLiteral("%1 history | Вопрос %1? | Да | Нет | Может быть | Не знаю").arg(level);
    QTemporaryDir dir;
    const std::optional<Bank> bank = loadBank(writeLines(dir.filePath(QStringLiteral("bank.txt")), lines));
    ASSERT_TRUE(bank);
    Generator random(7);
    AskedRecord record;
    const std::optional<GameQuestions> first = chooseUnserved(*bank, record, random);
    ASSERT_TRUE(first);
    std::vector<int> levels;
    for (const BankQuestion *q : *first)
        levels.push_back(q->level);
    // Question 3 finds level 3 empty: levels 2 and 4 are as near, 4 has more left.
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 4, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}));
    const std::optional<GameQuestions> second = chooseUnserved(*bank, record, random);
    ASSERT_TRUE(second);
    levels.clear();
    for (int k = 0; k < kQuestionsPerClass; ++k)
        levels.push_back((*second)[std::size_t(k)]->level);
    // Left: two of level 1 and three of level 5. Question 2 takes the nearer level 1, question
    // 3 the fuller of levels 1 and 5 (two each: the lower), question 4 level 5.
    EXPECT_EQ(levels, (std::vector<int>{1, 1, 5, 5, 5}));
}

// A record written before the questions had levels lists keys by the old classes. It is read
// as it was: what was served stays served, also where a question's level moved it to
// another class.
TEST(NoRepeat, AnOldRecordIsKeptAcrossTheChangeOfFormat)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("asked.txt"));
    // Eight medium questions recorded as served simple ones, and two keys of questions gone.
    QStringList served;
    for (int i = 0; i < 8; ++i)
        served << questionKey(bank->classes[1][std::size_t(i)]);
    served << QStringLiteral("0123456789abcdef") << QStringLiteral("fedcba9876543210");
    writeLines(path, {QStringLiteral("SIMPLE ") + served.join(QLatin1Char(' ')), QStringLiteral("MEDIUM"), QStringLiteral("HARD")});
    Generator random(3);
    for (int g = 0; g < 30; ++g) {
        const GameQuestions game = playOne(*bank, path, random);
        for (int k = 5; k < 10; ++k)
            ASSERT_FALSE(served.contains(questionKey(*game[std::size_t(k)]))) << "game " << g;
    }
    EXPECT_TRUE(readAskedRecord(path).served[1].contains(served[0]));
    EXPECT_FALSE(readAskedRecord(path).served[0].contains(served[8]));
}

TEST(NoRepeat, AMissingOrCorruptedRecordStartsAfresh)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("asked.txt"));

    EXPECT_TRUE(readAskedRecord(path).served[0].isEmpty());
    Generator random(5);
    playOne(*bank, path, random);
    EXPECT_EQ(readAskedRecord(path).served[1].size(), kQuestionsPerClass);

    for (const QByteArray &garbage : {QByteArray("SIMPLE 0123456789abcdef\nSIMPLE 0123456789abcdef\n"),
                                      QByteArray("MEDIUM 0123456789abcdeg\n"), QByteArray("EASY\n"), QByteArray("\xff\xfe\x00\x01", 4)}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(garbage);
        file.close();
        const AskedRecord record = readAskedRecord(path);
        for (const QStringList &served : record.served)
            EXPECT_TRUE(served.isEmpty()) << garbage.toStdString();
    }
    playOne(*bank, path, random);
    EXPECT_EQ(readAskedRecord(path).served[2].size(), kQuestionsPerClass);
}

TEST(NoRepeat, EditingTheBankKeepsTheRecordOfQuestionsAsked)
{
    QTemporaryDir dir;
    QStringList lines = sixPerClass();
    const QString bankPath = writeLines(dir.filePath(QStringLiteral("bank.txt")), lines);
    const QString recordPath = dir.filePath(QStringLiteral("asked.txt"));
    Generator random(9);
    const std::optional<Bank> original = loadBank(bankPath);
    ASSERT_TRUE(original);
    const QSet<QString> simple = classQuestions(playOne(*original, recordPath, random), 0);

    // Answers reworded, spacing changed, lines reordered, a question added: the five asked
    // stay asked, so the next game takes the two never met.
    for (int i = 0; i < 6; ++i)
        lines[i] = lines[i].replace(QStringLiteral("Верно"), QStringLiteral("Правильно")).replace(QStringLiteral(" | "), QStringLiteral("|"));
    std::reverse(lines.begin(), lines.begin() + 6);
    lines.insert(0, QStringLiteral("3 nature | Новый вопрос? | Да | Нет | Может быть | Не знаю"));
    const std::optional<Bank> edited = loadBank(writeLines(bankPath, lines));
    ASSERT_TRUE(edited);
    const QSet<QString> next = classQuestions(playOne(*edited, recordPath, random), 0);
    QSet<QString> all;
    for (const BankQuestion &q : edited->classes[0])
        all.insert(q.question);
    EXPECT_TRUE(next.contains(all - simple)) << "the two fresh ones come first";
}
