#include "testbase.h"

#include <gtest/gtest.h>

using namespace kvizar::sim;
using namespace kvizar::sim::test;

namespace {

const QString kToQuestion1 = QStringLiteral("click start.continue\nclick game.begin\nwait 5600\n");

SimOptions withState()
{
    SimOptions o = testOptions();
    o.state = true;
    return o;
}

}  // namespace

TEST(SimRun, ProgramStartShowsTheStartScreenAndStartsTheCompanion)
{
    const ScriptRun run = runScriptText(QString());
    EXPECT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 5);
    EXPECT_EQ(run.lines.mid(0, 5), (QStringList{"0 start loaded", "0 sound /program/begin.wav", "0 game loaded",
                                                "0 spawn /program/base", "0 start shown"}));
    // Only what the load steps changed against the designs.
    EXPECT_TRUE(run.lines.contains(QStringLiteral("0 game.forclock.enabled = false")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("0 game.answer(1).enabled = false")));
    EXPECT_TRUE(grep(run.lines, QStringLiteral("caption")).isEmpty());
}

TEST(SimRun, StartScreenBlinksEveryQuarterSecond)
{
    const ScriptRun run = runScriptText(QStringLiteral("wait 1000"));
    EXPECT_EQ(grep(run.lines, QStringLiteral("Image2")),
              (QStringList{"250 start.Image2.visible = false", "500 start.Image2.visible = true",
                           "750 start.Image2.visible = false", "1000 start.Image2.visible = true"}));
}

TEST(SimRun, IntroTakesTwentyEightTicksToQuestionOne)
{
    const ScriptRun early = runScriptText(QStringLiteral("click start.continue\nclick game.begin\nwait 5599"));
    EXPECT_TRUE(grep(early.lines, QStringLiteral("display")).isEmpty());
    EXPECT_EQ(grep(early.lines, QStringLiteral("videlenie")).size(), 27);

    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("wait 1000"));
    const QStringList sweep = grep(run.lines, QStringLiteral("videlenie"));
    ASSERT_EQ(sweep.size(), 28);
    EXPECT_EQ(sweep.first(), QStringLiteral("200 game.videlenie.top = 6132"));
    EXPECT_EQ(sweep[13], QStringLiteral("2800 game.videlenie.top = 1998"));  // the top of the ladder
    EXPECT_EQ(sweep.last(), QStringLiteral("5600 game.videlenie.top = 6450"));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.display.caption = \"Столица России?\"")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.clocktablo.caption = \"30\"")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("6600 game.clocktablo.caption = \"29\"")));
}

TEST(SimRun, TalkingAnimationRunsTwoNPlusTwoTicks)
{
    // "Столица России?" has 15 characters: n = 3, eight ticks of 100 ms.
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("wait 2000"));
    const QStringList talk = grep(run.lines, QStringLiteral("velmar(0)"));
    ASSERT_EQ(talk.size(), 8);
    for (int k = 0; k < 8; ++k)
        EXPECT_EQ(talk[k], QStringLiteral("%1 game.velmar(0).visible = %2").arg(5700 + 100 * k).arg(k % 2 ? "false" : "true"));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("6400 game.Timer1.enabled = false")));
}

TEST(SimRun, ReleaseGoesToTheControlThatTookThePress)
{
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("press game.answer(1)\nrelease game.answer(2)\nwait 3000"),
                                  withState());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.otvet(1).picture = \"capsule-orange\"")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.ChosenAnswer = 1")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.AlreadyPressed = true")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.forclock.enabled = false")));
    EXPECT_TRUE(grep(run.lines, QStringLiteral("otvet(2)")).isEmpty());
    EXPECT_TRUE(grep(run.lines, QStringLiteral("ChosenAnswer = 2")).isEmpty());
}

TEST(SimRun, ReleaseAwayFromEveryControlStillCommits)
{
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("press game.answer(3)\nrelease tel.friendsi(0)"), withState());
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.AlreadyPressed = true")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game.ChosenAnswer = 3")));
}

TEST(SimRun, RightAnswerIsConfirmedAndLeadsToQuestionTwo)
{
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("click game.answer(right)\nwait 8100"), withState());
    EXPECT_TRUE(run.lines.contains(QStringLiteral("9200 sound /program/true.wav")));  // 36 ticks of 100 ms
    EXPECT_TRUE(run.lines.contains(QStringLiteral("13700 sound /program/change.wav")));  // 81 ticks
    EXPECT_TRUE(run.lines.contains(QStringLiteral("13700 game.QuestionNow = 2")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("13700 game.display.caption = \"Дней в неделе?\"")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("13700 game.pimpa(1).visible = true")));
    EXPECT_TRUE(grep(run.lines, QStringLiteral("false.wav")).isEmpty());
}

TEST(SimRun, WrongAnswerEndsTheGameAndReturnsToTheStart)
{
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("click game.answer(wrong)\nwait 15600"), withState());
    EXPECT_TRUE(run.lines.contains(QStringLiteral("9200 sound /program/false.wav")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("9200 game.GameFinished = true")));
    const QStringList back = grep(run.lines, QStringLiteral("21200 "));
    ASSERT_GE(back.size(), 6);
    EXPECT_EQ(back.mid(0, 6), (QStringList{"21200 game closed", "21200 start loaded", "21200 sound /program/begin.wav",
                                           "21200 game loaded", "21200 spawn /program/base", "21200 start shown"}));
    // The fresh game screen is told against its design; the state is told against the old game.
    EXPECT_TRUE(back.contains(QStringLiteral("21200 game.forclock.enabled = false")));
    EXPECT_TRUE(back.contains(QStringLiteral("21200 game.QuestionNow = 0")));
}

TEST(SimRun, RightAndWrongNeedAQuestionOnScreen)
{
    const ScriptRun run = runScriptText(QStringLiteral("click start.continue\nclick game.answer(right)\nclick game.answer(wrong)"),
                                  withState());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(grep(run.lines, QStringLiteral("otvet")).isEmpty());
    EXPECT_TRUE(grep(run.lines, QStringLiteral("ChosenAnswer")).isEmpty());
}

TEST(SimRun, ControlsThatWouldNotTakeTheEventIgnoreIt)
{
    // Disabled answers before the intro, a screen that is not loaded, a hidden control.
    const ScriptRun before = runScriptText(QStringLiteral("click start.continue"));
    const ScriptRun run = runScriptText(
        QStringLiteral("click start.continue\nclick game.answer(1)\nclick tel.friendsi(0)\npress start.continue\nclick game.adcoder"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines, before.lines);
}

TEST(SimRun, PhoneDialogDisablesTheGameUntilAFriendAnswers)
{
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("click game.teleph\nclick game.answer(1)\nwait 200\n"
                                                                "click tel.friendsi(2)"));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 tel loaded")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 game disabled")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 tel shown")));
    EXPECT_EQ(grep(run.lines, QStringLiteral("5600 tel.friendsi(")).size(), 7);  // names drawn at load
    EXPECT_TRUE(grep(run.lines, QStringLiteral("otvet(1)")).isEmpty());         // the game took no input
    EXPECT_EQ(grep(run.lines, QStringLiteral("tel.Shape1.borderColor")).size() > 0, true);
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5800 game enabled")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5800 tel closed")));
    EXPECT_EQ(grep(run.lines, QStringLiteral("5800 game.tablo.caption")).size(), 1);
}

TEST(SimRun, SettingsArePreloaded)
{
    SimOptions o = testOptions();
    o.settings = {{QStringLiteral("Kvizar/Asked/SIMPLE"), QStringLiteral("41")}};
    const ScriptRun run = runScriptText(kToQuestion1 + QStringLiteral("press game.answer(2)"), o);
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 sound /program/pressed.wav")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 settings read Kvizar/Asked/SIMPLE -> \"41\"")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("5600 settings write Kvizar/Asked/SIMPLE = \"42\"")));
}

TEST(SimRun, ExitEndsTheRunAndTheRestOfTheScriptIsNotRead)
{
    const ScriptRun run = runScriptText(QStringLiteral("wait 100\nclick start.exitfromgame\nno such command"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errors.isEmpty());
    EXPECT_EQ(run.lines.last(), QStringLiteral("100 exit"));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("100 start closed")));
    EXPECT_TRUE(run.lines.contains(QStringLiteral("100 game closed")));
}

TEST(SimRun, QuitEndsTheRun)
{
    const ScriptRun run = runScriptText(QStringLiteral("quit\nno such command\nwait 1000"));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.errors.isEmpty());
    EXPECT_TRUE(grep(run.lines, QStringLiteral("Image2")).isEmpty());
}

TEST(SimRun, BadLineStopsWithItsNumber)
{
    const ScriptRun run = runScriptText(QStringLiteral("wait 300\n\n# fine so far\nclick game.nosuch\nwait 1000"));
    EXPECT_EQ(run.status, 2);
    ASSERT_EQ(run.errors.size(), 1);
    EXPECT_TRUE(run.errors[0].startsWith(QStringLiteral("script line 4: "))) << run.errors[0].toStdString();
    EXPECT_EQ(run.lines.last(), QStringLiteral("250 start.Image2.visible = false"));  // the lines before it ran
}

TEST(SimRun, MissingBaseEndsTheProgramWithAMessage)
{
    SimOptions o = testOptions();
    o.base = "12";
    const ScriptRun run = runScriptText(QStringLiteral("click start.continue\nwait 1000"), o);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(grep(run.lines, QStringLiteral("0 error \"")).size(), 1);
    EXPECT_EQ(run.lines.last(), QStringLiteral("0 exit"));
}

TEST(SimRun, SameRunSameOutputAndTheSeedMatters)
{
    const QString script = kToQuestion1 + QStringLiteral("click game.answer(right)\nwait 9000\nclick game.zal\nwait 1000");
    const ScriptRun a = runScriptText(script, testOptions(1));
    const ScriptRun b = runScriptText(script, testOptions(1));
    const ScriptRun c = runScriptText(script, testOptions(2));
    EXPECT_EQ(a.lines, b.lines);
    EXPECT_NE(a.lines, c.lines);
}
