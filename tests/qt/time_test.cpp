#include "timedriver.h"

#include "screens/scheduler.h"

#include <QElapsedTimer>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace kvizar;

TEST(TimeDriver, TicksFollowTheWallClock)
{
    Scheduler scheduler;
    Timer timer(scheduler, QStringLiteral("t"), 50, true);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    gui::TimeDriver driver(scheduler);
    scheduler.afterEvent = [&] { driver.aim(); };
    driver.aim();
    QTest::qWait(275);
    EXPECT_GE(ticks, 4);
    EXPECT_LE(ticks, 6);
    EXPECT_GE(scheduler.now(), 200);
}

TEST(TimeDriver, InputFindsGameTimeAtThePresent)
{
    Scheduler scheduler;
    gui::TimeDriver driver(scheduler);
    QElapsedTimer waited;
    waited.start();
    QTest::qWait(120);
    QWidget target;
    QTest::mousePress(&target, Qt::LeftButton);
    EXPECT_GE(scheduler.now(), 120);
    EXPECT_LE(scheduler.now(), waited.elapsed() + 5);
}
