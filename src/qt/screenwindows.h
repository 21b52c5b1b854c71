#pragma once

#include "core/services.h"

#include <QPointer>

#include <map>
#include <vector>

namespace kvizar {
class Program;
}

namespace kvizar::gui {

class Artwork;
class ScreenWindow;

// The window system of the game: one window per loaded screen.
class ScreenWindows : public WindowSystem {
public:
    explicit ScreenWindows(Artwork &artwork);
    ~ScreenWindows() override;
    ScreenWindows(const ScreenWindows &) = delete;
    ScreenWindows &operator=(const ScreenWindows &) = delete;

    // The program whose screens come and go here; before it loads any.
    void attach(Program &program);
    // After every event: shows the windows of screens just shown, repaints what has changed.
    void refresh();
    ScreenWindow *windowOf(const Screen &screen) const;
    // Brings the game's visible windows to the front (another copy of the game was started).
    void comeToFront();

    void screenLoaded(Screen &screen) override;
    void screenShown(Screen &screen) override;
    void screenClosed(Screen &screen) override;
    void screenEnabled(Screen &screen, bool on) override;
    void makeTopMostAtOrigin(Screen &screen) override;
    void fatalError(const QString &message) override;
    void exitProgram() override;

private:
    ScreenWindow *ownerOfDialog() const;

    Artwork &artwork_;
    Program *program_ = nullptr;
    std::map<const Screen *, ScreenWindow *> windows_;
    std::vector<ScreenWindow *> toShow_;
    std::vector<QPointer<ScreenWindow>> closed_;  // on their way out
    bool failed_ = false;  // the program ends on an error
};

}  // namespace kvizar::gui
