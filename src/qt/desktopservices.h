#pragma once

#include "core/services.h"

namespace kvizar::gui {

// Starts another program by its absolute path, never searching for it, in a session of its
// own and at idle priority (it must not slow the game's first window), and keeps an eye on it:
// whether it still runs, how it ended, what it wrote to standard error.
class ChildStarter : public ProgramStarter {
public:
    ChildStarter() = default;
    ~ChildStarter() override;
    ChildStarter(const ChildStarter &) = delete;
    ChildStarter &operator=(const ChildStarter &) = delete;

    bool startDetached(const QString &path) override;
    ProgramOutcome lastOutcome() override;

private:
    void readErrors();

    qint64 pid_ = -1;
    int errors_ = -1;  // the read end of the child's standard error
    ProgramOutcome outcome_;
};

// Opens addresses with the desktop's browser.
class DesktopOpener : public AddressOpener {
public:
    void open(const QString &address) override;
};

class DiskFiles : public FileStore {
public:
    std::optional<QByteArray> readAll(const QString &path) override;
    bool remove(const QString &path) override;
    bool exists(const QString &path) override;
};

class LocalClock : public TimeOfDay {
public:
    int msecsSinceMidnight() override;
};

}  // namespace kvizar::gui
