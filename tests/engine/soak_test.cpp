// Whole games with random play, checking what must always hold after every event.
#include "support/harness.h"

#include <gtest/gtest.h>

#include <random>

using namespace kvizar;
using namespace kvizar::test;

namespace {

int audienceBonus(int q)
{
    return q <= 5 ? 60 : q <= 7 ? 30 : q <= 9 ? 20 : q <= 12 ? 15 : 10;
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : h(seed), choices(seed)
    {
        h.program->afterEvent = [this] { check(); };
    }

    Harness h;
    std::mt19937 choices;
    int violations = 0;
    int gamesPlayed = 0;
    int outcomes[3] = {};  // won, lost, timed out

    void fail(const char *what)
    {
        if (violations++ < 10)
            ADD_FAILURE() << what << " at " << h.program->scheduler.now() << " ms";
    }

    void check()
    {
        GameScreen *g = h.program->game;
        if (!g || !g->isShown() || g->QuestionNow < 1)
            return;
        int right = 0, markers = 0;
        for (int i = 1; i <= 4; ++i) {
            const Control &a = g->answer(i);
            right += a.caption == g->RightAnswer ? 1 : 0;
            if (a.caption.isEmpty() && a.enabled)
                fail("a removed answer can still be pressed");
        }
        if (right != 1)
            fail("not exactly one right answer on screen");
        for (int k = 1; k <= 15; ++k)
            markers += g->pimpa(k).visible ? 1 : 0;
        if (markers != g->QuestionNow - 1)
            fail("the ladder's markers do not match the questions won");
        if (g->chart.visible) {
            int total = 0, shown = 0;
            for (int i = 1; i <= 4; ++i) {
                if (!g->bar(i).visible)
                    continue;
                ++shown;
                int height = g->bar(i).height;
                if (g->answer(i).caption == g->RightAnswer)
                    height -= 719 * audienceBonus(g->QuestionNow) / 100;
                total += height;
            }
            const int expected = 719 * (100 - audienceBonus(g->QuestionNow)) / 100;
            if (shown != 2 && shown != 4)
                fail("the poll shows neither two nor four bars");
            if (total > expected || total < expected - 4)
                fail("the poll's shares do not add up to a hundred");
        }
    }

    void playGame()
    {
        GameScreen &g = h.game();
        if (g.QuestionNow != 0 || g.Timer2.enabled() || g.forclock.enabled() || !g.answer(1).caption.isEmpty() ||
            !g.begin.visible)
            fail("a new game without a fresh game screen");
        h.pressStart();
        if (h.program->game != &g || !g.isShown())
            fail("the start button did not show the prepared game screen");
        h.click(g, g.begin);
        h.wait(5600);
        while (h.program->game == &g && !g.state().GameFinished) {
            playQuestion(g);
        }
        while (h.program->game == &g)
            h.wait(1000);
        ++gamesPlayed;
        if (!h.program->start || h.program->game->QuestionNow != 0)
            fail("the start screen did not come back with a fresh game screen");
    }

    void playQuestion(GameScreen &g)
    {
        const int q = g.QuestionNow;
        std::uniform_int_distribution<int> percent(0, 99);
        if (percent(choices) < 8) {  // let the time run out
            h.wait(200000);
            ++outcomes[2];
            return;
        }
        h.wait(std::uniform_int_distribution<int>(0, 20000)(choices));
        for (Control *icon : {&g.fifty, &g.zal, &g.teleph}) {
            if (icon->enabled && percent(choices) < 15) {
                h.press(g, *icon);
                h.release(icon);
                if (TelScreen *tel = h.program->tel) {
                    h.wait(std::uniform_int_distribution<int>(0, 3000)(choices));
                    h.click(*tel, tel->friendsi(std::uniform_int_distribution<int>(0, 6)(choices)));
                }
            }
        }
        const int pick = percent(choices) < 85 ? h.rightIndex() : h.wrongIndex();
        h.answer(pick);
        while (h.program->game == &g && g.QuestionNow == q && !g.state().GameFinished)
            h.wait(100);
        if (g.state().GameFinished)
            ++outcomes[g.QuestionNow == 15 && g.answer(g.state().ChosenAnswer).caption == g.RightAnswer ? 0 : 1];
    }
};

}  // namespace

TEST(Soak, AThousandRandomGamesKeepEveryInvariant)
{
    const int games = 1000;
    int won = 0, lost = 0, timedOut = 0;
    for (int session = 0; session < 10; ++session) {
        Soak soak(std::uint32_t(1000 + session));
        soak.h.startProgram();
        for (int i = 0; i < games / 10; ++i)
            soak.playGame();
        EXPECT_EQ(soak.violations, 0);
        EXPECT_EQ(soak.gamesPlayed, games / 10);
        won += soak.outcomes[0];
        lost += soak.outcomes[1];
        timedOut += soak.outcomes[2];
    }
    EXPECT_EQ(won + lost + timedOut, games);
    EXPECT_GT(won, 0);
    EXPECT_GT(lost, 0);
    EXPECT_GT(timedOut, 0);
}
