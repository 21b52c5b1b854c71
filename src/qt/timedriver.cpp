#include "timedriver.h"

#include "screens/scheduler.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <climits>

namespace kvizar::gui {

TimeDriver::TimeDriver(Scheduler &scheduler) : scheduler_(scheduler)
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] {
        catchUp();
        aim();
    });
    clock_.start();
    // Game time stands still while nothing is due; input must find it at the present moment,
    // or a timer its handler starts would count from the past.
    QCoreApplication::instance()->installEventFilter(this);
}

void TimeDriver::aim()
{
    const std::optional<std::int64_t> due = scheduler_.nextDue();
    if (!due) {
        timer_.stop();
        return;
    }
    timer_.start(int(std::clamp<std::int64_t>(*due - clock_.elapsed(), 0, INT_MAX)));
}

void TimeDriver::catchUp()
{
    scheduler_.advanceTo(std::max<std::int64_t>(clock_.elapsed(), scheduler_.now()));
}

bool TimeDriver::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress:
    case QEvent::Close:
        catchUp();
        break;
    default:
        break;
    }
    return false;
}

}  // namespace kvizar::gui
