#include "core/random.h"
#include "screens/scheduler.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <set>

using namespace kvizar;
using namespace kvizar::test;

TEST(Generator, ReseedingWithAnUnchangedClockContinuesTheSequence)
{
    Generator a(7), b(7);
    a.reseed(1000);
    b.reseed(1000);
    const double first = a.next();
    EXPECT_EQ(b.next(), first);
    a.reseed(1000);
    const double second = a.next();
    EXPECT_NE(second, first);
    EXPECT_EQ(b.next(), second);  // b never re-seeded: the same sequence
    a.reseed(1001);
    b.reseed(1001);
    EXPECT_EQ(a.next(), b.next());
}

TEST(Generator, ValuesAreUniformInTheUnitIntervalAndNeverRepeatTheLast)
{
    Generator g(3);
    int buckets[10] = {};
    double last = -1;
    for (int i = 0; i < 100000; ++i) {
        g.reseed(42);  // the same clock value over and over, as in a redraw loop
        const double r = g.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_NE(r, last);
        last = r;
        ++buckets[int(r * 10)];
    }
    for (int b : buckets)
        EXPECT_NEAR(b, 10000, 400);
    for (int i = 0; i < 1000; ++i) {
        const int k = g.among(4);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 4);
    }
}

TEST(Scheduler, FiresDueTicksInTimeOrderThenEnablingOrder)
{
    Scheduler s;
    QStringList log;
    Timer slow(s, QStringLiteral("slow"), 200, false), fast(s, QStringLiteral("fast"), 100, false);
    slow.onTick = [&] { log << QStringLiteral("slow@%1").arg(s.now()); };
    fast.onTick = [&] { log << QStringLiteral("fast@%1").arg(s.now()); };
    slow.setEnabled(true);
    fast.setEnabled(true);
    s.advanceBy(400);
    EXPECT_EQ(log, (QStringList{"fast@100", "slow@200", "fast@200", "fast@300", "slow@400", "fast@400"}));
}

TEST(Scheduler, EnablingARunningTimerKeepsItsPhaseAndAStoppedOneStartsAfresh)
{
    Scheduler s;
    int ticks = 0;
    Timer t(s, QStringLiteral("t"), 100, true);
    t.onTick = [&] { ++ticks; };
    s.advanceBy(50);
    t.setEnabled(true);
    s.advanceBy(50);
    EXPECT_EQ(ticks, 1);
    t.setEnabled(false);
    s.advanceBy(30);
    t.setEnabled(true);
    s.advanceBy(99);
    EXPECT_EQ(ticks, 1);
    s.advanceBy(1);
    EXPECT_EQ(ticks, 2);
}

TEST(Scheduler, ATimerStoppedByItsOwnTickFiresNoMore)
{
    Scheduler s;
    int ticks = 0;
    Timer t(s, QStringLiteral("t"), 100, true);
    t.onTick = [&] {
        if (++ticks == 3)
            t.setEnabled(false);
    };
    s.advanceBy(1000);
    EXPECT_EQ(ticks, 3);
    EXPECT_FALSE(s.nextDue().has_value());
}

TEST(Host, TalksForTwoTicksPerMovementPlusTwoAndEndsAtRest)
{
    Harness h;
    h.startProgram();
    GameScreen &g = h.game();
    for (int n : {0, 11}) {
        g.Bazar(n);
        int shownTicks = 0;
        for (int tick = 1; tick <= 2 * n + 2; ++tick) {
            ASSERT_TRUE(g.Timer1.enabled()) << "n=" << n << " tick " << tick;
            h.wait(100);
            shownTicks += g.velmar(0).visible ? 1 : 0;
        }
        EXPECT_FALSE(g.Timer1.enabled());
        EXPECT_FALSE(g.velmar(0).visible);
        EXPECT_TRUE(g.velmar(1).visible);
        EXPECT_EQ(shownTicks, n + 1);
    }
}

TEST(Host, ASecondCallSetsTheCountAnewWithoutStopping)
{
    Harness h;
    h.startProgram();
    GameScreen &g = h.game();
    g.Bazar(5);
    h.wait(300);
    const bool frame = g.velmar(0).visible;
    g.Bazar(1);
    EXPECT_EQ(g.velmar(0).visible, frame);
    h.wait(300);
    EXPECT_TRUE(g.Timer1.enabled());
    h.wait(100);
    EXPECT_FALSE(g.Timer1.enabled());
    EXPECT_FALSE(g.velmar(0).visible);
}
