// Whole games played through the simulator with random choices, checking what must
// always hold after every event.
#include "testbase.h"

#include "core/ladder.h"
#include "game/gamescreen.h"
#include "lifelines/telscreen.h"

#include <gtest/gtest.h>

#include <random>

using namespace kvizar;
using namespace kvizar::sim;
using namespace kvizar::sim::test;

namespace {

int audienceBonus(int q)
{
    return rungOf(q)->audienceBonus;
}

class Soak {
public:
    explicit Soak(std::uint32_t seed) : sim(testOptions(seed), [this](QByteArrayView out) { lines += out.count('\n'); }), choices(seed)
    {
        sim.start();
        const std::function<void()> tracker = sim.program().afterEvent;
        sim.program().afterEvent = [this, tracker] {
            tracker();
            check();
        };
    }

    Simulator sim;
    std::mt19937 choices;
    long long lines = 0;
    int violations = 0;
    int outcomes[3] = {};  // won, lost, timed out

    Program &program() { return sim.program(); }

    void run(const QString &line)
    {
        const ParsedLine parsed = parseLine(line);
        ASSERT_TRUE(parsed.ok() && parsed.command) << line.toStdString();
        sim.apply(*parsed.command);
        sim.flush();
    }

    void fail(const char *what)
    {
        if (violations++ < 10)
            ADD_FAILURE() << what << " at " << program().scheduler.now() << " ms";
    }

    void check()
    {
        GameScreen *g = program().game;
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

    int percent() { return std::uniform_int_distribution<int>(0, 99)(choices); }

    void playGame()
    {
        GameScreen *g = program().game;
        if (!g || g->QuestionNow != 0 || g->Timer2.enabled() || g->forclock.enabled() || !g->answer(1).caption.isEmpty() ||
            !g->begin.visible)
            fail("a new game without a fresh game screen");
        run(QStringLiteral("click start.continue"));
        if (program().game != g || !g->isShown())
            fail("the start button did not show the prepared game screen");
        run(QStringLiteral("click game.begin"));
        run(QStringLiteral("wait 5600"));
        while (program().game == g && !g->state().GameFinished)
            playQuestion(*g);
        while (program().game == g)
            run(QStringLiteral("wait 1000"));
        if (!program().start || program().game->QuestionNow != 0)
            fail("the start screen did not come back with a fresh game screen");
    }

    void playQuestion(GameScreen &g)
    {
        const int q = g.QuestionNow;
        if (percent() < 8) {  // let the time run out
            run(QStringLiteral("wait 200000"));
            ++outcomes[2];
            return;
        }
        run(QStringLiteral("wait %1").arg(std::uniform_int_distribution<int>(0, 20000)(choices)));
        for (const char *icon : {"fifty", "zal", "teleph"}) {
            if (!g.ctl(QLatin1String(icon)).enabled || percent() >= 15)
                continue;
            run(QStringLiteral("click game.%1").arg(QLatin1String(icon)));
            if (program().tel) {
                run(QStringLiteral("wait %1").arg(std::uniform_int_distribution<int>(0, 3000)(choices)));
                run(QStringLiteral("click tel.friendsi(%1)").arg(std::uniform_int_distribution<int>(0, 6)(choices)));
            }
        }
        const bool right = percent() < 85;
        run(right ? QStringLiteral("click game.answer(right)") : QStringLiteral("click game.answer(wrong)"));
        while (program().game == &g && g.QuestionNow == q && !g.state().GameFinished)
            run(QStringLiteral("wait 100"));
        if (g.state().GameFinished)
            ++outcomes[right && q == 15 ? 0 : 1];
    }
};

}  // namespace

// Ten thousand games as built, a thousand under the sanitizers, in ten shards that CTest can
// run side by side.
class SoakShard : public ::testing::TestWithParam<int> {};

TEST_P(SoakShard, RandomGamesKeepEveryInvariant)
{
    constexpr int shards = 10, games = KVIZAR_SOAK_GAMES / shards;
    Soak soak(std::uint32_t(1000 + GetParam()));
    for (int i = 0; i < games; ++i)
        soak.playGame();
    EXPECT_EQ(soak.violations, 0);
    EXPECT_GT(soak.lines, 0);
    EXPECT_EQ(soak.outcomes[0] + soak.outcomes[1] + soak.outcomes[2], games);
    if (games >= 500) {  // a random player wins only now and then: a hundred games may hold no win
        EXPECT_GT(soak.outcomes[0], 0);  // won
    }
    EXPECT_GT(soak.outcomes[1], 0);  // lost
    EXPECT_GT(soak.outcomes[2], 0);  // timed out
}

INSTANTIATE_TEST_SUITE_P(Soak, SoakShard, ::testing::Range(0, 10));
