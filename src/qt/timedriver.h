#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace kvizar {
class Scheduler;
}

namespace kvizar::gui {

// Runs the game's time at the pace of the wall clock: one single-shot timer aimed at the next
// tick due, and no timer at all while nothing is due.
class TimeDriver : public QObject {
public:
    explicit TimeDriver(Scheduler &scheduler);

    // Aims the timer again; call after every event, since a handler may have started a timer.
    void aim();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void catchUp();

    Scheduler &scheduler_;
    QElapsedTimer clock_;
    QTimer timer_;
};

}  // namespace kvizar::gui
