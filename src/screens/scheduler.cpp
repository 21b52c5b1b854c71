#include "scheduler.h"

#include "control.h"

#include <algorithm>

namespace kvizar {

Timer::Timer(Scheduler &scheduler, QString name, int intervalMs, bool enabled, ChangeLog *log)
    : scheduler_(scheduler), log_(nullptr), name_(std::move(name)), interval_(intervalMs)
{
    setEnabled(enabled);
    log_ = log;  // the designed state is no change
}

Timer::~Timer()
{
    if (enabled_)
        scheduler_.remove(this);
}

void Timer::setEnabled(bool on)
{
    if (on == enabled_)
        return;
    if (log_)
        log_->timer(*this, enabled_);
    enabled_ = on;
    if (on) {
        due_ = scheduler_.now() + interval_;
        order_ = scheduler_.nextOrder_++;
        scheduler_.add(this);
    } else {
        scheduler_.remove(this);
    }
}

std::optional<std::int64_t> Scheduler::nextDue() const
{
    if (const Timer *t = earliest())
        return t->due_;
    return std::nullopt;
}

Timer *Scheduler::earliest() const
{
    Timer *best = nullptr;
    for (Timer *t : running_)
        if (!best || t->due_ < best->due_ || (t->due_ == best->due_ && t->order_ < best->order_))
            best = t;
    return best;
}

void Scheduler::advanceTo(std::int64_t time)
{
    while (Timer *t = earliest()) {
        if (t->due_ > time)
            break;
        now_ = t->due_;
        t->due_ += t->interval_;
        if (t->onTick)
            dispatch(t->onTick);
        else if (afterEvent)
            afterEvent();
    }
    if (time > now_)
        now_ = time;
}

void Scheduler::dispatch(const std::function<void()> &handler)
{
    // The handler may destroy the timer that called it; take a copy first.
    const std::function<void()> run = handler;
    run();
    if (afterEvent)
        afterEvent();
}

void Scheduler::add(Timer *t)
{
    running_.push_back(t);
}

void Scheduler::remove(Timer *t)
{
    running_.erase(std::remove(running_.begin(), running_.end(), t), running_.end());
}

}  // namespace kvizar
