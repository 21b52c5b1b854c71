#include "banktesting.h"

#include "questions/bank.h"
#include "questions/textfit.h"
#include "screens/designs.h"

#include <QTemporaryDir>

#include <map>

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

class BankCheck : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString write(const QStringList &lines) { return writeLines(dir.filePath(QStringLiteral("bank.txt")), lines); }
    QString withLine(int line, const QString &text)
    {
        QStringList lines = sixPerClass();
        lines[line - 1] = text;
        return write(lines);
    }
};

}  // namespace

// The shipped bank: no problems, a hundred games before a question comes back, every level
// well stocked, topics in proportion, the years since 1991 and the show's humour in it.
TEST(ShippedBank, IsCleanLargeAndInProportion)
{
    const QStringList problems = checkBank(shippedBankPath());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    std::map<int, int> levels;
    std::map<QString, int> topics;
    int total = 0, newer = 0, low = 0, funLow = 0;
    for (const auto &questions : bank->classes) {
        EXPECT_GE(questions.size(), std::size_t(100 * kQuestionsPerClass));
        for (const BankQuestion &q : questions) {
            ++total, ++levels[q.level], ++topics[q.topic];
            newer += q.tags.contains(QStringLiteral("new"));
            low += q.level <= 3;
            funLow += q.level <= 3 && q.tags.contains(QStringLiteral("fun"));
        }
    }
    for (int l = 1; l <= kLevelCount; ++l)
        EXPECT_GE(levels[l], 90) << "level " << l;
    EXPECT_GE(topics.size(), 8u);
    for (const auto &[topic, n] : topics)
        EXPECT_LE(n * 5, total) << topic.toStdString();
    EXPECT_GE(topics[QStringLiteral("sport")] * 20, total);
    EXPECT_GE(topics[QStringLiteral("everyday")] * 20, total);
    EXPECT_GE(newer * 100, 15 * total);
    EXPECT_GE(funLow * 4, low);
}

TEST_F(BankCheck, ASoundBankWithCommentsAndBlankLinesHasNoProblems)
{
    QStringList lines = sixPerClass();
    lines.insert(6, QString());
    lines.insert(0, QStringLiteral("# a comment | with | bars"));
    EXPECT_EQ(checkBank(write(lines)), QStringList());
    const std::optional<Bank> bank = loadBank(write(lines));
    ASSERT_TRUE(bank);
    const BankQuestion &medium = bank->classes[1].front();
    EXPECT_EQ(medium.answers[0], QStringLiteral("Верно €1"));
    EXPECT_EQ(medium.line, 9);
    EXPECT_EQ(medium.level, 6);
    EXPECT_EQ(medium.topic, kTopics[7]);
}

TEST_F(BankCheck, EachProblemIsReportedWithItsLine)
{
    const QString tooManyLines = QStringLiteral("Вопрос ") + QStringLiteral("очень длинный и многословный ").repeated(12) + QLatin1Char('?');
    const struct {
        int line;
        QString text;
        const char *keyword;
    } cases[] = {
        {3, QStringLiteral("3 nature | Вопрос? | Один | Два | Три"), "5 fields"},
        {4, QStringLiteral("Вопрос? | Лев | Тигр | Волк | Слон"), "5 fields"},  // a line of the old form
        {5, QStringLiteral("3 nature | Вопрос? | Лев |  | Волк | Слон"), "empty"},
        {8, QStringLiteral("8 nature | Вопрос? | Лев | Тигр | лев | Слон"), "answers 1 and 3 are the same"},
        {17, QStringLiteral("14 nature | Вопрос? | Лев | Тигр | Гиппопотам обыкновенный | Слон"), "px"},
        {16, QStringLiteral("11 nature | Вопрос? | Лев ✓ | Тигр | Волк | Слон"), "Windows-1251"},
        {6, QStringLiteral("1 nature | Вопрос @ кого? | Лев | Тигр | Волк | Слон"), "«@»"},
        {12, QStringLiteral("10 history | ") + tooManyLines + QStringLiteral(" | Лев | Тигр | Волк | Слон"), "lines"},
        {13, QStringLiteral("11 nature | Вопрос 0.1 «№ 1»? | Лев | Тигр | Волк | Слон"), "the same question as on line 1"},
        {2, QStringLiteral("16 nature | Вопрос? | Лев | Тигр | Волк | Слон"), "a level from 1 to 15"},
        {2, QStringLiteral("nature 2 | Вопрос? | Лев | Тигр | Волк | Слон"), "a level from 1 to 15"},
        {2, QStringLiteral("2 animals | Вопрос? | Лев | Тигр | Волк | Слон"), "followed by a topic"},
        {2, QStringLiteral("2 | Вопрос? | Лев | Тигр | Волк | Слон"), "followed by a topic"},
        {2, QStringLiteral("2 nature old | Вопрос? | Лев | Тигр | Волк | Слон"), "unknown tag «old»"},
        {2, QStringLiteral("[SIMPLE]"), "a section line"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QStringList problems = checkBank(withLine(c.line, c.text));
        ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(problems[0].startsWith(QString::number(c.line) + QStringLiteral(": "))) << problems[0].toStdString();
        EXPECT_TRUE(problems[0].contains(QString::fromUtf8(c.keyword))) << problems[0].toStdString();
    }
    // Tags in any number and order, topics and levels as written.
    EXPECT_EQ(checkBank(withLine(2, QStringLiteral("2  sport   fun new | Вопрос? | Лев | Тигр | Волк | Слон"))), QStringList());
}

TEST_F(BankCheck, AClassOfFewerThanFiveQuestionsIsReportedAtTheEnd)
{
    QStringList lines = sixPerClass();
    lines.removeAt(17);
    lines.removeAt(16);  // HARD keeps four
    const QStringList problems = checkBank(write(lines));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_EQ(problems[0], QStringLiteral("16: 4 different questions of class HARD (levels 11 to 15); a game needs 5"));
}

TEST_F(BankCheck, LoadingRefusesWhatWouldSpoilABaseButNotWhatMerelyLooksBad)
{
    EXPECT_TRUE(loadBank(withLine(17, QStringLiteral("14 nature | Вопрос? | Лев | Тигр | Гиппопотам обыкновенный | Слон"))));
    EXPECT_TRUE(loadBank(withLine(8, QStringLiteral("8 nature | Вопрос? | Лев | Тигр | лев | Слон"))));

    QStringList problems;
    EXPECT_FALSE(loadBank(withLine(16, QStringLiteral("11 nature | Вопрос? | Лев ✓ | Тигр | Волк | Слон")), &problems));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("16: ")));

    EXPECT_FALSE(loadBank(dir.filePath(QStringLiteral("missing.txt")), &problems));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("0: cannot read")));
}

TEST_F(BankCheck, AQuestionTooLongForABaseFileIsRefusedByLoading)
{
    QStringList lines = sixPerClass();
    lines[2] = QStringLiteral("3 nature | Вопрос ") + QStringLiteral("длинный ").repeated(70) + QStringLiteral("? | Лев | Тигр | Волк | Слон");
    QStringList problems;
    EXPECT_FALSE(loadBank(write(lines), &problems).has_value());
    ASSERT_FALSE(problems.isEmpty());
    EXPECT_TRUE(problems.join(QLatin1Char('\n')).contains(QStringLiteral("too long for a base file")))
        << problems.join(QLatin1Char('\n')).toStdString();
}

// The width tables were measured in two faces: the faces the game's design draws its question
// and answers in. A change of a look or of a stand-in font must come with new tables.
TEST(TextFit, TablesAreMeasuredInTheFacesAndBoxesOfTheDesign)
{
    const ScreenDesign &game = gameDesign();
    for (const ControlDesign &d : game.controls) {
        if (d.name == QLatin1String("display")) {
            EXPECT_EQ(faceOf(d.look), kQuestionTableFace);
            EXPECT_EQ(questionBoxWidth() * kTwipsPerPixel, d.width);
            EXPECT_EQ(questionMaxLines(), d.height / kTwipsPerPixel / kQuestionLineSpacing);
        }
        if (d.name == QLatin1String("answer")) {
            EXPECT_EQ(faceOf(d.look), kAnswerTableFace) << d.index;
            EXPECT_EQ(answerBoxWidth() * kTwipsPerPixel, d.width) << d.index;
        }
    }
}
