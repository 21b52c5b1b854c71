#include "app/startscreen.h"
#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

TEST(Clock, AThirtySecondQuestionLeftAlone)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    QStringList lines;
    std::vector<int> promptTicks;
    for (int tick = 1; tick <= 45; ++tick) {
        const QString before = g.tablo.caption;
        const int talkBefore = g.state().TalkTicks;
        h.wait(1000);
        if (g.tablo.caption != before || g.state().TalkTicks > talkBefore)
            promptTicks.push_back(tick);
        if (tick <= 30) {
            EXPECT_EQ(g.clocktablo.caption, QString::number(30 - tick));
            EXPECT_EQ(g.timebar.width, 120 - 4 * tick);
        }
        if (tick == 30) {
            EXPECT_TRUE(g.answer(1).enabled);
        }
        if (tick == 31) {
            EXPECT_TRUE(g.clocktablo.caption.isEmpty());
            EXPECT_EQ(g.timebar.width, 0);
            for (Control *c : {&g.fifty, &g.zal, &g.teleph, &g.answer(1), &g.answer(2), &g.answer(3), &g.answer(4)})
                EXPECT_FALSE(c->enabled);
            lines << g.tablo.caption;
        }
    }
    // Prompts at the ticks that begin with 20 and 10 seconds left, the farewell at the timeout.
    EXPECT_EQ(promptTicks, (std::vector<int>{11, 21, 31}));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("К сожалению, Вы не успели ответить.")) ||
                lines[0].startsWith(QStringLiteral("Все! Время вышло.")));
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" http://www.kvizar.ru")));
    EXPECT_EQ(h.program->start, nullptr);
    const qsizetype from = h.rec.lines.size();
    h.wait(1000);  // tick 46
    ASSERT_NE(h.program->start, nullptr);
    EXPECT_TRUE(h.linesSince(from).contains(QStringLiteral("sound /program/begin.wav")));
    EXPECT_EQ(h.game().QuestionNow, 0);
}

TEST(Clock, LifelineRowsNameTheLastAvailableLifeline)
{
    Harness h(3);
    h.toQuestion(6);
    GameScreen &g = h.game();
    h.wait(1000 * 20);
    h.rnd.queue.assign(1, 0.1);
    h.wait(1000);
    EXPECT_EQ(g.tablo.caption, QStringLiteral("Можно убрать два неврных варианта."));
    g.fifty.enabled = false;
    g.zal.enabled = false;
    g.teleph.enabled = false;
    const QString before = g.tablo.caption;
    h.wait(1000 * 19);
    h.rnd.queue.assign(1, 0.1);
    h.wait(1000);
    EXPECT_EQ(g.tablo.caption, before);  // nothing left to name: the line stays, the host still talks
    EXPECT_TRUE(g.Timer1.enabled());
}

TEST(Clock, NoPromptsAfterALifelineButTheTimeStillRunsOut)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.press(g, g.fifty);
    h.release(&g.fifty);
    const QString line = g.tablo.caption;
    h.wait(30000);
    EXPECT_EQ(g.tablo.caption, line);
    h.wait(1000);
    EXPECT_FALSE(g.answer(1).enabled);
    EXPECT_NE(g.tablo.caption, line);
}

TEST(Clock, AReleasedAnswerStopsTheClockForGood)
{
    Harness h;
    h.toQuestion1();
    h.wait(7000);
    h.answer(h.rightIndex());
    h.wait(5000);
    EXPECT_EQ(h.game().clocktablo.caption, QStringLiteral("23"));
    EXPECT_EQ(h.game().timebar.width, 120 - 28);
}

TEST(Clock, APressHeldOverTheTimeoutCommitsNothing)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.wait(30000);
    h.press(g, g.answer(h.rightIndex()));
    h.press(g, g.zal);  // a second press while one is held goes nowhere
    h.wait(1000);       // the timeout tick
    ASSERT_FALSE(g.answer(1).enabled);
    h.release(nullptr);
    EXPECT_FALSE(g.AlreadyPressed);
    EXPECT_FALSE(g.Timer2.enabled());
    h.wait(15000);
    EXPECT_NE(h.program->start, nullptr);
}

TEST(Clock, APressHeldWhileTheGameClosesIsLetGo)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.wait(30000);
    h.press(g, g.answer(1));
    h.wait(16000);  // timeout, then the start screen
    ASSERT_NE(h.program->start, nullptr);
    StartScreen &start = *h.program->start;
    EXPECT_TRUE(h.press(start, start.ctl(QStringLiteral("continue"))));
}
