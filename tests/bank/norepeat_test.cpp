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

TEST(NoRepeat, TwoHundredGamesMeetNoQuestionAgainBeforeItsClassIsGoneThrough)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    QTemporaryDir dir;
    const QString recordPath = dir.filePath(QStringLiteral("Kvizar/asked.txt"));
    Generator random(2024);
    std::array<std::vector<QSet<QString>>, kClassCount> played;
    for (int g = 0; g < 200; ++g) {
        const GameQuestions game = playOne(*bank, recordPath, random);
        for (int c = 0; c < kClassCount; ++c) {
            const QSet<QString> questions = classQuestions(game, c);
            ASSERT_EQ(questions.size(), kQuestionsPerClass);
            for (const QString &q : questions)
                ASSERT_EQ(classOf(*bank, q), c);
            played[std::size_t(c)].push_back(questions);
        }
    }
    // Within a round no question comes again; a game that brings one again also brings the
    // last ones of the class not yet met, and opens the next round.
    for (int c = 0; c < kClassCount; ++c) {
        QSet<QString> wholeClass;
        for (const BankQuestion &q : bank->classes[std::size_t(c)])
            wholeClass.insert(q.question);
        QSet<QString> met;
        int rounds = 1;
        for (std::size_t g = 0; g < played[std::size_t(c)].size(); ++g) {
            const QSet<QString> &game = played[std::size_t(c)][g];
            if (!met.intersects(game)) {
                met.unite(game);
                continue;
            }
            ASSERT_EQ(met.unite(game), wholeClass) << "class " << c << ", game " << g << ": a question again before the class was gone through";
            met = game;
            ++rounds;
        }
        EXPECT_GE(rounds, 5);
    }
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
    for (int i = 1; i <= 6; ++i)
        lines[i] = lines[i].replace(QStringLiteral("Верно"), QStringLiteral("Правильно")).replace(QStringLiteral(" | "), QStringLiteral("|"));
    std::reverse(lines.begin() + 1, lines.begin() + 7);
    lines.insert(1, QStringLiteral("Новый вопрос? | Да | Нет | Может быть | Не знаю"));
    const std::optional<Bank> edited = loadBank(writeLines(bankPath, lines));
    ASSERT_TRUE(edited);
    const QSet<QString> next = classQuestions(playOne(*edited, recordPath, random), 0);
    QSet<QString> all;
    for (const BankQuestion &q : edited->classes[0])
        all.insert(q.question);
    EXPECT_TRUE(next.contains(all - simple)) << "the two fresh ones come first";
}
