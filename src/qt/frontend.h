#pragma once

#include "artwork.h"
#include "desktopservices.h"
#include "inisettings.h"
#include "screenwindows.h"
#include "soundplayer.h"

#include <functional>
#include <memory>

namespace kvizar {
class Program;
}

namespace kvizar::gui {

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

private:
    QString programDir_;
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
};

// Runs the game until it ends and returns its exit status. `firstPaint`, when given, is called
// once, after the first window has been painted (the start-up benchmark quits there).
int runGame(int argc, char *argv[], const std::function<void()> &firstPaint = {});

}  // namespace kvizar::gui
