#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace kvizar {

class Screen;

// Everything the game needs from outside itself. Real implementations live with the Qt
// front end; tests and the simulator use fakes that record what was asked.

class SoundOut {
public:
    virtual ~SoundOut() = default;
    // Starts (async) or plays (sync) a wave file, stopping a sound still playing.
    // Returns false, silently, when the file or the device is missing.
    virtual bool play(const QString &path, bool async) = 0;
};

// What became of a program started without waiting.
struct ProgramOutcome {
    enum class State { Unknown, Running, Exited, Crashed };
    State state = State::Unknown;  // Unknown: the platform cannot tell, or nothing was started
    int code = 0;                  // the exit status, or the signal that ended it
    QString errorOutput;           // what it wrote to standard error (the start of it)
};

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // Starts the program at `path` (an absolute path, never looked up) without arguments and
    // without waiting. False when it could not be started; lastOutcome() then says why in its
    // errorOutput.
    virtual bool startDetached(const QString &path) = 0;
    // The program started last: still running, or how it ended.
    virtual ProgramOutcome lastOutcome() = 0;
};

class AddressOpener {
public:
    virtual ~AddressOpener() = default;
    // Hands the address to the desktop's default handler; never blocks, result ignored.
    virtual void open(const QString &address) = 0;
};

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // nullopt: the store could not be read at all. A missing entry reads as `fallback`.
    virtual std::optional<QString> read(const QString &app, const QString &section, const QString &key,
                                        const QString &fallback) = 0;
    virtual bool write(const QString &app, const QString &section, const QString &key, const QString &value) = 0;
};

class FileStore {
public:
    virtual ~FileStore() = default;
    // The bytes of a file as plain text; nullopt when it is missing or unreadable.
    virtual std::optional<QByteArray> readAll(const QString &path) = 0;
    virtual bool remove(const QString &path) = 0;
    // Whether anything, readable or not, is there by that name.
    virtual bool exists(const QString &path) = 0;
};

class TimeOfDay {
public:
    virtual ~TimeOfDay() = default;
    virtual int msecsSinceMidnight() = 0;
};

// The windowing side: told when screens come and go, and how the program ends.
class WindowSystem {
public:
    virtual ~WindowSystem() = default;
    virtual void screenLoaded(Screen &) {}
    virtual void screenShown(Screen &) {}
    virtual void screenClosed(Screen &) {}
    virtual void screenEnabled(Screen &, bool) {}
    // Top-most, at the top-left corner of the desktop, outer size = inner size.
    virtual void makeTopMostAtOrigin(Screen &) {}
    virtual void fatalError(const QString &message) = 0;
    virtual void exitProgram() = 0;
};

struct Services {
    SoundOut &sound;
    ProgramStarter &starter;
    AddressOpener &opener;
    SettingsStore &settings;
    FileStore &files;
    TimeOfDay &clock;
    WindowSystem &windows;
    QString programDir;  // the directory that holds the executable
    QString exeName;     // the executable's file name without extension
    QString baseDir;     // where base.dat lives (basefiledir.h says which directory that is)
};

}  // namespace kvizar
