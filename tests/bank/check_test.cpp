#include "banktesting.h"

#include "questions/bank.h"
#include "questions/textfit.h"
#include "screens/designs.h"

#include <QTemporaryDir>

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

TEST(ShippedBank, HasNoProblemsAndLastsTwentyGamesPerClass)
{
    const QStringList problems = checkBank(shippedBankPath());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    for (const auto &questions : bank->classes)
        EXPECT_GE(questions.size(), std::size_t(20 * kQuestionsPerClass));
}

TEST_F(BankCheck, ASoundBankWithCommentsAndBlankLinesHasNoProblems)
{
    QStringList lines = sixPerClass();
    lines.insert(8, QString());
    lines.insert(0, QStringLiteral("# a comment | with | bars"));
    EXPECT_EQ(checkBank(write(lines)), QStringList());
    const std::optional<Bank> bank = loadBank(write(lines));
    ASSERT_TRUE(bank);
    EXPECT_EQ(bank->classes[1].front().answers[0], QStringLiteral("Верно €1"));
    EXPECT_EQ(bank->classes[1].front().line, 11);
}

TEST_F(BankCheck, EachProblemIsReportedWithItsLine)
{
    const QString tooManyLines = QStringLiteral("Вопрос ") + QStringLiteral("очень длинный и многословный ").repeated(12) + QLatin1Char('?');
    const struct {
        int line;
        QString text;
        const char *keyword;
    } cases[] = {
        {3, QStringLiteral("Вопрос? | Один | Два | Три"), "4 fields"},
        {5, QStringLiteral("Вопрос? | Лев |  | Волк | Слон"), "empty"},
        {10, QStringLiteral("Вопрос? | Лев | Тигр | лев | Слон"), "answers 1 and 3 are the same"},
        {17, QStringLiteral("Вопрос? | Лев | Тигр | Гиппопотам обыкновенный | Слон"), "px"},
        {20, QStringLiteral("Вопрос? | Лев ✓ | Тигр | Волк | Слон"), "Windows-1251"},
        {6, QStringLiteral("Вопрос @ кого? | Лев | Тигр | Волк | Слон"), "«@»"},
        {12, tooManyLines + QStringLiteral(" | Лев | Тигр | Волк | Слон"), "lines"},
        {13, QStringLiteral("Вопрос 0.1 «№ 1»? | Лев | Тигр | Волк | Слон"), "the same question as on line 2"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const QStringList problems = checkBank(withLine(c.line, c.text));
        ASSERT_EQ(problems.size(), 1) << problems.join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(problems[0].startsWith(QString::number(c.line) + QStringLiteral(": "))) << problems[0].toStdString();
        EXPECT_TRUE(problems[0].contains(QString::fromUtf8(c.keyword))) << problems[0].toStdString();
    }
}

TEST_F(BankCheck, AClassOfFewerThanFiveQuestionsIsReportedAtItsSection)
{
    QStringList lines = sixPerClass();
    lines.removeAt(16);
    lines.removeAt(15);  // [HARD] keeps four
    const QStringList problems = checkBank(write(lines));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("15: 4 different questions in [HARD]"))) << problems[0].toStdString();
}

TEST_F(BankCheck, QuestionsOutsideAKnownSectionAreReported)
{
    QStringList lines = sixPerClass();
    lines[7] = QStringLiteral("[EASY]");  // the medium questions lose their section
    lines.prepend(QStringLiteral("Вопрос? | Лев | Тигр | Волк | Слон"));
    const QStringList problems = checkBank(write(lines));
    ASSERT_EQ(problems.size(), 3) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("1: a question before the first section")));
    EXPECT_TRUE(problems[1].startsWith(QStringLiteral("9: unknown section «[EASY]»")));
    EXPECT_TRUE(problems[2].startsWith(QStringLiteral("22: 0 different questions in [MEDIUM]")));  // at the end
}

TEST_F(BankCheck, LoadingRefusesWhatWouldSpoilABaseButNotWhatMerelyLooksBad)
{
    EXPECT_TRUE(loadBank(withLine(17, QStringLiteral("Вопрос? | Лев | Тигр | Гиппопотам обыкновенный | Слон"))));
    EXPECT_TRUE(loadBank(withLine(10, QStringLiteral("Вопрос? | Лев | Тигр | лев | Слон"))));

    QStringList problems;
    EXPECT_FALSE(loadBank(withLine(20, QStringLiteral("Вопрос? | Лев ✓ | Тигр | Волк | Слон")), &problems));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("20: ")));

    EXPECT_FALSE(loadBank(dir.filePath(QStringLiteral("missing.txt")), &problems));
    ASSERT_EQ(problems.size(), 1);
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("0: cannot read")));
}

TEST_F(BankCheck, AQuestionTooLongForABaseFileIsRefusedByLoading)
{
    QStringList lines = sixPerClass();
    lines[2] = QStringLiteral("Вопрос ") + QStringLiteral("длинный ").repeated(70) + QStringLiteral("? | Лев | Тигр | Волк | Слон");
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
