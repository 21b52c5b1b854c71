#include "script.h"

#include <gtest/gtest.h>

using namespace kvizar::sim;

namespace {

Command commandOf(const char *line)
{
    const ParsedLine p = parseLine(QString::fromUtf8(line));
    EXPECT_TRUE(p.ok()) << line << ": " << p.error.toStdString();
    EXPECT_TRUE(p.command.has_value()) << line;
    return p.command.value_or(Command{});
}

QString errorOf(const char *line)
{
    const ParsedLine p = parseLine(QString::fromUtf8(line));
    EXPECT_FALSE(p.ok()) << line << " should be refused";
    return p.error;
}

}  // namespace

TEST(SimScript, BlankLinesAndCommentsAreNothing)
{
    for (const char *line : {"", "   ", "\t", "# a comment", "   # indented comment"}) {
        const ParsedLine p = parseLine(QString::fromUtf8(line));
        EXPECT_TRUE(p.ok()) << line;
        EXPECT_FALSE(p.command.has_value()) << line;
    }
}

TEST(SimScript, Wait)
{
    const Command c = commandOf("wait 5600   # the intro");
    EXPECT_EQ(c.action, Action::Wait);
    EXPECT_EQ(c.ms, 5600);
    EXPECT_EQ(commandOf("wait 0").ms, 0);
    for (const char *bad : {"wait", "wait -1", "wait 1.5", "wait x", "wait 1 2", "wait +5"})
        errorOf(bad);
}

TEST(SimScript, PressReleaseClickWithButtons)
{
    Command c = commandOf("press game.answer(3)");
    EXPECT_EQ(c.action, Action::Press);
    EXPECT_EQ(c.target.screen, QStringLiteral("game"));
    EXPECT_EQ(c.target.control, QStringLiteral("answer"));
    EXPECT_EQ(c.target.index, 3);
    EXPECT_EQ(c.button, 1);

    c = commandOf("release start.continue right");
    EXPECT_EQ(c.action, Action::Release);
    EXPECT_EQ(c.target.index, -1);
    EXPECT_EQ(c.button, 2);
    EXPECT_EQ(commandOf("press game.fifty middle").button, 4);
    EXPECT_EQ(commandOf("press game.fifty left").button, 1);

    c = commandOf("click tel.friendsi(0)");
    EXPECT_EQ(c.action, Action::Click);
    EXPECT_EQ(c.target.index, 0);
    EXPECT_EQ(c.target.text(), QStringLiteral("tel.friendsi(0)"));

    errorOf("click game.begin left");  // a click is always the left button
    errorOf("press game.begin up");
    errorOf("press");
}

TEST(SimScript, RightAndWrongAnswers)
{
    EXPECT_EQ(commandOf("click game.answer(right)").target.pick, Pick::Right);
    EXPECT_EQ(commandOf("press game.answer(wrong) right").target.pick, Pick::Wrong);
    EXPECT_TRUE(errorOf("click game.otvet(right)").contains(QStringLiteral("game.answer")));
    errorOf("click tel.friendsi(wrong)");
}

TEST(SimScript, TargetsMustExistInTheDesign)
{
    EXPECT_TRUE(errorOf("click game.nosuch").contains(QStringLiteral("no control game.nosuch")));
    EXPECT_TRUE(errorOf("click game.answer").contains(QStringLiteral("give an index")));
    errorOf("click game.answer(0)");
    errorOf("click game.answer(5)");
    errorOf("click game.tablo(1)");
    errorOf("click tel.friendsi(7)");
    EXPECT_TRUE(errorOf("click lobby.door").contains(QStringLiteral("no screen")));
    errorOf("click game");
    errorOf("click game.answer(1");
}

TEST(SimScript, OtherCommands)
{
    EXPECT_EQ(commandOf("quit").action, Action::Quit);
    errorOf("quit now");
    EXPECT_TRUE(errorOf("jump 3").contains(QStringLiteral("unknown command")));
}
