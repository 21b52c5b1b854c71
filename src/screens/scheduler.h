#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace kvizar {

class ChangeLog;
class Scheduler;

// A timer of a screen: enabled flag and interval, as designed. Its ticks are fired by the
// Scheduler, which owns time; the front end decides how fast that time runs.
class Timer {
public:
    // `log`, when given, hears of every switch on or off.
    Timer(Scheduler &scheduler, QString name, int intervalMs, bool enabled, ChangeLog *log = nullptr);
    ~Timer();
    Timer(const Timer &) = delete;
    Timer &operator=(const Timer &) = delete;

    const QString &name() const { return name_; }
    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    // Enabling a running timer changes nothing; enabling a stopped one starts a fresh interval.
    void setEnabled(bool on);

    std::function<void()> onTick;

private:
    friend class Scheduler;
    Scheduler &scheduler_;
    ChangeLog *log_;
    QString name_;
    int interval_;
    bool enabled_ = false;
    std::int64_t due_ = 0;
    std::uint64_t order_ = 0;
};

class Scheduler {
public:
    std::int64_t now() const { return now_; }
    std::optional<std::int64_t> nextDue() const;

    // Fires every tick due up to `time`, in time order; ticks due at the same instant in the
    // order their timers were enabled. Time then stands at `time`.
    void advanceTo(std::int64_t time);
    void advanceBy(std::int64_t ms) { advanceTo(now_ + ms); }

    // Runs after every tick (and after every input event the front end routes through
    // dispatch), when no handler is running.
    std::function<void()> afterEvent;
    void dispatch(const std::function<void()> &handler);

private:
    friend class Timer;
    void add(Timer *t);
    void remove(Timer *t);
    Timer *earliest() const;

    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
    std::vector<Timer *> running_;
};

}  // namespace kvizar
