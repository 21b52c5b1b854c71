#pragma once

#include "core/services.h"

class QFileInfo;

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

    // Until begin(), a program asked for is checked but started only then: the game's first
    // window is not kept waiting by its companion. Starters in tests begin at once.
    void holdUntilBegun() { begun_ = false; }
    void begin();

private:
    bool spawn(const QFileInfo &file);
    void readErrors();

    qint64 pid_ = -1;
    int errors_ = -1;  // the read end of the child's standard error
    ProgramOutcome outcome_;
    bool begun_ = true;
    QString pending_;
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
