// How far the window front end's clock drifts from the wall clock over a whole reveal:
// 256 ticks of a 100 ms timer (25.6 s), each repainting a window as the game does.
#include "qt/timedriver.h"
#include "screens/scheduler.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(599, 483);
    window.show();

    kvizar::Scheduler scheduler;
    kvizar::gui::TimeDriver driver(scheduler);  // game time 0 is now
    QElapsedTimer wall;
    wall.start();
    kvizar::Timer reveal(scheduler, QStringLiteral("Timer2"), 100, false);
    int ticks = 0;
    qint64 worstLate = 0;
    reveal.onTick = [&] {
        ++ticks;
        worstLate = std::max(worstLate, wall.elapsed() - ticks * 100);
        window.update();
        if (ticks == 256)
            app.quit();
    };
    scheduler.afterEvent = [&] { driver.aim(); };
    reveal.setEnabled(true);
    driver.aim();
    app.exec();
    const qint64 elapsed = wall.elapsed();
    std::printf("timer drift over a 25.6 s reveal: %lld ms for 256 ticks, drift %.3f %%, latest tick %lld ms late\n",
                static_cast<long long>(elapsed), (elapsed - 25600) * 100.0 / 25600, static_cast<long long>(worstLate));
    return 0;
}
