#pragma once

#include "artwork.h"
#include "desktopservices.h"
#include "inisettings.h"
#include "preferences.h"
#include "screenwindows.h"
#include "soundplayer.h"

class QKeyEvent;

#include <functional>
#include <memory>

namespace kvizar {
class Program;
}

namespace kvizar::gui {

class HelpWindow;
class TimeDriver;

// Everything the game gets from the desktop: the real services, the windows and the pace of
// time.
class FrontEnd {
public:
    // `programDir` holds the game and what comes with it (sounds, companion, sound module).
    explicit FrontEnd(QString programDir);
    ~FrontEnd();
    FrontEnd(const FrontEnd &) = delete;
    FrontEnd &operator=(const FrontEnd &) = delete;

    Services services(const QString &exeName);
    // Shows the program's screens and runs its time; before Program::run().
    void attach(Program &program);
    // The first window has been painted: what can wait until then begins (the sound).
    void painted();
    // Where base.dat is read; one running copy of the game per such directory.
    const QString &baseDir() const { return baseDir_; }
    ScreenWindows &windows() { return windows_; }

    // The keys of the windows themselves: F1 help, Ctrl +, Ctrl -, Ctrl 0 zoom, M sound off and
    // on. True when `event` was one of them.
    bool ownKey(const QKeyEvent &event);

private:
    void zoom(int percent);

    QString programDir_;
    Preferences preferences_;
    QString baseDir_;
    Artwork artwork_;
    SoundPlayer sound_;
    ChildStarter starter_;
    DesktopOpener opener_;
    IniSettings settings_;
    DiskFiles files_;
    LocalClock clock_;
    ScreenWindows windows_{artwork_};
    std::unique_ptr<TimeDriver> time_;
    std::unique_ptr<HelpWindow> help_;
};

// Runs the game until it ends and returns its exit status. `firstPaint`, when given, is called
// once, after the first window has been painted (the start-up benchmark quits there).
int runGame(int argc, char *argv[], const std::function<void()> &firstPaint = {});

}  // namespace kvizar::gui
