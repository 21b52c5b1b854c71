#include "app/startscreen.h"
#include "screens/designs.h"
#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

TEST(StartUp, PlaysStartsTheCompanionAndShowsTheStartScreenInOrder)
{
    Harness h;
    h.startProgram();
    EXPECT_EQ(h.rec.lines, (QStringList{"start loaded", "sound /program/begin.wav", "game loaded", "spawn /program/base",
                                        "start shown"}));
    StartScreen &start = *h.program->start;
    EXPECT_EQ(start.ctl(QStringLiteral("continue")).picture, QStringLiteral("begin"));
    EXPECT_EQ(start.ctl(QStringLiteral("basedatstring")).text, QStringLiteral("/program/base.dat"));
    EXPECT_EQ(h.program->questions.AppDir, QStringLiteral("/program"));
    GameScreen &g = h.game();
    EXPECT_FALSE(g.isShown());
    EXPECT_FALSE(g.forclock.enabled());
    for (Control *c : {&g.fifty, &g.zal, &g.teleph, &g.answer(1), &g.answer(4)})
        EXPECT_FALSE(c->enabled) << c->name().toStdString();
    h.wait(250);
    EXPECT_FALSE(start.ctl(QStringLiteral("Image2")).visible);
    h.wait(250);
    EXPECT_TRUE(start.ctl(QStringLiteral("Image2")).visible);
}

TEST(StartUp, TheStartButtonLoadsDecodesAndDeletesTheBaseWithAnyButton)
{
    for (int button : {LeftButton, RightButton, MiddleButton}) {
        Harness h;
        h.startProgram();
        StartScreen &start = *h.program->start;
        Control &go = start.ctl(QStringLiteral("continue"));
        ASSERT_TRUE(h.press(start, go, button));
        EXPECT_EQ(go.picture, QStringLiteral("loading"));
        EXPECT_TRUE(h.rec.files.contains(h.datPath()));
        h.release(nullptr, button);
        EXPECT_FALSE(h.rec.files.contains(h.datPath()));
        EXPECT_EQ(h.program->start, nullptr);
        GameScreen &g = h.game();
        EXPECT_TRUE(g.isShown());
        EXPECT_EQ(g.tablo.caption, QStringLiteral("Итак приступим к завоеванию миллиона. Вы готовы? Тогда"));
        EXPECT_TRUE(g.InData.text->startsWith(QStringLiteral("#@Вопрос 1?|Верно 1||")));
        EXPECT_EQ(g.used(1).picture, QStringLiteral("used"));
        EXPECT_FALSE(g.pimpa(7).visible);
        EXPECT_TRUE(h.rec.lines.contains(QStringLiteral("delete /program/base.dat")));
    }
}

TEST(StartUp, ABadOrMissingBaseEndsTheProgramWithAMessageAndStaysInPlace)
{
    Harness h(1, QByteArray("0795x"));
    h.startProgram();
    h.pressStart();
    EXPECT_TRUE(h.rec.exited);
    EXPECT_TRUE(h.rec.error.contains(QStringLiteral("/program/base.dat"))) << h.rec.error.toStdString();
    EXPECT_TRUE(h.rec.files.contains(h.datPath()));
    EXPECT_TRUE(h.program->screens().empty());

    Harness missing;
    missing.rec.onStart = nullptr;
    missing.startProgram();
    missing.pressStart();
    EXPECT_TRUE(missing.rec.error.contains(QStringLiteral("Не найден файл вопросов"))) << missing.rec.error.toStdString();
    EXPECT_TRUE(missing.rec.exited);
}

TEST(StartUp, ACompanionThatCannotBeStartedEndsTheProgram)
{
    Harness h;
    h.rec.canStart = false;
    h.startProgram();
    EXPECT_TRUE(h.rec.error.contains(QStringLiteral("/program/base"))) << h.rec.error.toStdString();
    EXPECT_TRUE(h.rec.exited);
    EXPECT_TRUE(h.program->screens().empty());
}

TEST(StartUp, ExitEndsTheProgramWithNoScreenLeft)
{
    Harness h;
    h.startProgram();
    StartScreen &start = *h.program->start;
    h.click(start, start.ctl(QStringLiteral("exitfromgame")));
    EXPECT_TRUE(h.rec.exited);
    EXPECT_TRUE(h.program->screens().empty());
    EXPECT_FALSE(h.program->scheduler.nextDue().has_value());
}

TEST(Intro, TakesTwentyEightTicksAndEndsOnRungOneWithQuestionOne)
{
    Harness h;
    h.startProgram();
    h.pressStart();
    GameScreen &g = h.game();
    h.click(g, g.begin);
    EXPECT_FALSE(g.begin.enabled);
    EXPECT_EQ(g.Motions, 28);
    h.wait(14 * 200);
    EXPECT_EQ(g.videlenie.top, kRungTop[1] - 14 * 318);
    h.wait(13 * 200);
    EXPECT_EQ(g.QuestionNow, 0);
    EXPECT_FALSE(g.answer(1).enabled);
    h.wait(200);
    EXPECT_EQ(g.videlenie.top, kRungTop[1]);
    EXPECT_EQ(g.QuestionNow, 1);
    EXPECT_FALSE(g.Timer3.enabled());
    EXPECT_FALSE(g.begin.visible);
    EXPECT_EQ(g.display.caption, QStringLiteral("Вопрос 1?"));
    EXPECT_EQ(g.RightAnswer, QStringLiteral("Верно 1"));
    EXPECT_TRUE(g.tablo.caption.isEmpty());
    EXPECT_TRUE(g.Timer1.enabled());
    EXPECT_EQ(g.state().TalkTicks, 2 * (9 / 5));
    EXPECT_EQ(g.clocktablo.caption, QStringLiteral("30"));
    EXPECT_TRUE(g.forclock.enabled());
    for (Control *c : {&g.fifty, &g.zal, &g.teleph, &g.answer(1), &g.answer(4)})
        EXPECT_TRUE(c->enabled);
}

TEST(Intro, AReleaseOnAnAnswerBeforeTheFirstQuestionDoesNothing)
{
    Harness h;
    h.startProgram();
    h.pressStart();
    GameScreen &g = h.game();
    g.answer(1).enabled = true;  // even a pressable label cannot commit while no question runs
    h.answer(1);
    EXPECT_FALSE(g.AlreadyPressed);
    EXPECT_FALSE(g.Timer2.enabled());
}

TEST(QuestionClock, LimitsBarAndSafeSumFollowTheQuestion)
{
    Harness h;
    h.toQuestion(11);
    // The ladder's path: every question's start set the right limit on the way here.
    GameScreen &g = h.game();
    EXPECT_EQ(g.state().TimeLimit, 90);
    EXPECT_EQ(g.state().SafeSum, 32000);
    EXPECT_EQ(g.clocktablo.caption, QStringLiteral("90"));
    EXPECT_EQ(g.timebar.width, 360);
    EXPECT_EQ(g.videlenie.top, g.denga(11).top);
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(g.pimpa(k).visible) << k;
    EXPECT_FALSE(g.pimpa(11).visible);
}

TEST(QuestionClock, QuestionsFiveAndSix)
{
    Harness h;
    h.toQuestion(5);
    EXPECT_EQ(h.game().state().TimeLimit, 30);
    EXPECT_EQ(h.game().timebar.width, 120);
    EXPECT_EQ(h.game().state().SafeSum, 0);
    h.answer(h.rightIndex());
    h.wait(8100);
    EXPECT_EQ(h.game().QuestionNow, 6);
    EXPECT_EQ(h.game().state().TimeLimit, 60);
    EXPECT_EQ(h.game().timebar.width, 240);
    EXPECT_EQ(h.game().state().SafeSum, 1000);
    EXPECT_TRUE(h.game().pimpa(5).visible);
}

TEST(Banner, APressWithAnyButtonOpensTheSite)
{
    Harness h;
    h.toQuestion1();
    const qsizetype from = h.rec.lines.size();
    h.press(h.game(), h.game().banner, RightButton);
    h.release(nullptr, RightButton);
    EXPECT_EQ(h.linesSince(from), QStringList{QStringLiteral("open http://www.kvizar.ru")});
}

TEST(Lifecycle, ASecondGameRunsOnAFreshGameScreen)
{
    Harness h;
    h.toQuestion1();
    h.answer(h.wrongIndex());
    h.wait(15600);
    ASSERT_NE(h.program->start, nullptr);
    EXPECT_EQ(h.rec.lines.count(QStringLiteral("spawn /program/base")), 2);
    EXPECT_EQ(h.rec.lines.count(QStringLiteral("sound /program/begin.wav")), 2);
    GameScreen &g = h.game();
    EXPECT_EQ(g.QuestionNow, 0);
    EXPECT_FALSE(g.forclock.enabled());
    EXPECT_FALSE(g.Timer2.enabled());
    EXPECT_TRUE(g.answer(1).caption.isEmpty());
    EXPECT_FALSE(g.fifty.enabled);
    h.pressStart();
    h.click(g, g.begin);
    h.wait(5600);
    EXPECT_EQ(g.QuestionNow, 1);
    EXPECT_FALSE(g.AlreadyPressed);
}

// The fatal message names what became of the companion, in its own words where it left any.
TEST(StartUp, AMissingBaseIsExplainedByWhatBecameOfTheCompanion)
{
    using State = ProgramOutcome::State;
    const struct {
        ProgramOutcome outcome;
        QString says;
    } cases[] = {
        {{State::Unknown, 0, {}}, QStringLiteral("Не найден файл вопросов «/program/base.dat». Игра будет закрыта.")},
        {{State::Exited, 0, {}},
         QStringLiteral("Программа подготовки вопросов «/program/base» завершилась, но не записала файл вопросов "
                        "«/program/base.dat». Игра будет закрыта.")},
        {{State::Exited, 3, QStringLiteral("base: нет банка вопросов\n  /usr/lib/kvizar/bank.txt\n")},
         QStringLiteral("Программа подготовки вопросов «/program/base» завершилась с ошибкой (код 3) и не записала файл "
                        "вопросов «/program/base.dat». Она сообщила: «base: нет банка вопросов /usr/lib/kvizar/bank.txt». "
                        "Игра будет закрыта.")},
        {{State::Crashed, 11, {}},
         QStringLiteral("Программа подготовки вопросов «/program/base» аварийно прервалась (сигнал 11) и не записала файл "
                        "вопросов «/program/base.dat». Игра будет закрыта.")},
    };
    for (const auto &c : cases) {
        Harness h;
        h.rec.onStart = nullptr;
        h.rec.outcome = c.outcome;
        h.startProgram();
        h.pressStart();
        EXPECT_EQ(h.rec.error, c.says);
        EXPECT_TRUE(h.rec.exited);
    }

    Harness chatty;
    chatty.rec.onStart = nullptr;
    chatty.rec.outcome = {State::Exited, 1, QString(1000, QLatin1Char('x'))};
    chatty.startProgram();
    chatty.pressStart();
    EXPECT_TRUE(chatty.rec.error.contains(QString(300, QLatin1Char('x')) + QStringLiteral("…»"))) << chatty.rec.error.toStdString();
    EXPECT_FALSE(chatty.rec.error.contains(QString(301, QLatin1Char('x'))));

    Harness refused;
    refused.rec.canStart = false;
    refused.rec.outcome.errorOutput = QStringLiteral("Permission denied\n");
    refused.startProgram();
    EXPECT_EQ(refused.rec.error, QStringLiteral("Не удалось запустить программу подготовки вопросов «/program/base»: "
                                                "Permission denied. Игра будет закрыта."));
}

TEST(StartUp, ACompanionStillAtWorkIsWaitedForWithTheLoadingPictureUp)
{
    Harness h;
    const QByteArray base = h.base;
    h.rec.onStart = nullptr;
    h.rec.outcome.state = ProgramOutcome::State::Running;
    h.startProgram();
    StartScreen &start = *h.program->start;
    Control &go = start.ctl(QStringLiteral("continue"));
    h.pressStart();
    EXPECT_EQ(go.picture, QStringLiteral("loading"));
    EXPECT_FALSE(h.game().isShown());
    h.wait(2000);
    h.pressStart();  // another click while waiting changes nothing
    EXPECT_TRUE(h.rec.error.isEmpty()) << h.rec.error.toStdString();
    EXPECT_EQ(go.picture, QStringLiteral("loading"));

    h.rec.files[h.datPath()] = base;
    h.rec.outcome = {ProgramOutcome::State::Exited, 0, {}};
    h.wait(StartScreen::kCompanionLookMs);
    EXPECT_TRUE(h.game().isShown());
    EXPECT_FALSE(h.rec.files.contains(h.datPath()));
    EXPECT_TRUE(h.rec.error.isEmpty());

    // One that never finishes is given up after the wait, and said so.
    Harness stuck;
    stuck.rec.onStart = nullptr;
    stuck.rec.outcome.state = ProgramOutcome::State::Running;
    stuck.startProgram();
    stuck.pressStart();
    stuck.wait(StartScreen::kCompanionWaitMs - StartScreen::kCompanionLookMs);
    EXPECT_FALSE(stuck.rec.exited);
    stuck.wait(StartScreen::kCompanionLookMs);
    EXPECT_EQ(stuck.rec.error,
              QStringLiteral("Программа подготовки вопросов «/program/base» за 5 секунд так и не записала файл вопросов "
                             "«/program/base.dat». Игра будет закрыта."));
}
