#pragma once

#include "core/services.h"

#include <QPointer>

#include <functional>
#include <map>
#include <vector>

namespace kvizar {
class Program;
}

class QKeyEvent;

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
    // Every window, those to come too, drawn at `percent` of its design's size.
    void setZoom(int percent);
    // Keys of the front end's own, given to every window (ScreenWindow::ownKeys).
    std::function<bool(const QKeyEvent &)> ownKeys;

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
    qreal zoom_ = 1;
};

}  // namespace kvizar::gui
