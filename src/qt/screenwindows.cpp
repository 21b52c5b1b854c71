#include "screenwindows.h"

#include "artwork.h"
#include "screenwindow.h"

#include "screens/program.h"
#include "screens/designs.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace kvizar::gui {

namespace {

// Centred on the screen; a window larger than the screen (zoomed) keeps its top-left corner on it.
void centre(QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(0, 0), window.size());
    frame.moveCenter(screen.center());
    window.move(std::max(frame.left(), screen.left()), std::max(frame.top(), screen.top()));
}

void keepAbove(QWidget &dialog, const QWidget &owner)
{
    dialog.setWindowFlags((dialog.windowFlags() & ~Qt::WindowType_Mask) | Qt::Dialog);
    dialog.winId();
    dialog.windowHandle()->setTransientParent(owner.windowHandle());
}

}  // namespace

ScreenWindows::ScreenWindows(Artwork &artwork) : artwork_(artwork) {}

ScreenWindows::~ScreenWindows()
{
    for (auto &[screen, window] : windows_)
        delete window;
    for (const QPointer<ScreenWindow> &window : closed_)
        delete window.data();
}

void ScreenWindows::attach(Program &program)
{
    program_ = &program;
}

void ScreenWindows::refresh()
{
    for (auto &[screen, window] : windows_)
        window->refresh();
    for (ScreenWindow *window : std::exchange(toShow_, {})) {
        window->show();
        window->activateWindow();
    }
}

ScreenWindow *ScreenWindows::windowOf(const Screen &screen) const
{
    const auto it = windows_.find(&screen);
    return it == windows_.end() ? nullptr : it->second;
}

void ScreenWindows::screenLoaded(Screen &screen)
{
    Q_ASSERT(program_);
    auto *window = new ScreenWindow(*program_, screen, artwork_);
    window->setZoom(zoom_);
    window->ownKeys = [this](const QKeyEvent &event) { return ownKeys && ownKeys(event); };
    windows_[&screen] = window;
}

void ScreenWindows::setZoom(int percent)
{
    zoom_ = percent / 100.0;
    for (auto &[screen, window] : windows_)
        window->setZoom(zoom_);
}

void ScreenWindows::screenShown(Screen &screen)
{
    ScreenWindow *window = windowOf(screen);
    // The icon shows only in a window's frame: made when the first framed window is shown.
    if (screen.design().frame != Frame::None && QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(artwork_.windowIcon());
    centre(*window);
    if (ScreenWindow *owner = ownerOfDialog())
        keepAbove(*window, *owner);
    // Shown once the handler has finished, so the window appears where it ends up.
    toShow_.push_back(window);
}

// A screen shown while another one is disabled is that screen's dialog.
ScreenWindow *ScreenWindows::ownerOfDialog() const
{
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [](const auto &entry) { return entry.second->isVisible() && !entry.second->isEnabled(); });
    return it == windows_.end() ? nullptr : it->second;
}

void ScreenWindows::screenClosed(Screen &screen)
{
    const auto it = windows_.find(&screen);
    if (it == windows_.end())
        return;
    ScreenWindow *window = it->second;
    windows_.erase(it);
    std::erase(toShow_, window);
    // The window may be in the middle of handling the event that closed its screen.
    window->detach();
    window->deleteLater();
    std::erase_if(closed_, [](const QPointer<ScreenWindow> &w) { return w.isNull(); });
    closed_.emplace_back(window);
}

void ScreenWindows::screenEnabled(Screen &screen, bool on)
{
    if (ScreenWindow *window = windowOf(screen))
        window->setEnabled(on);
}

void ScreenWindows::makeTopMostAtOrigin(Screen &screen)
{
    ScreenWindow *window = windowOf(screen);
    window->setWindowFlag(Qt::WindowStaysOnTopHint);
    window->move(QGuiApplication::primaryScreen()->geometry().topLeft());
}

void ScreenWindows::comeToFront()
{
    // Disabled windows (a dialog's owner) first, so that the window the player can use ends on top.
    ScreenWindow *usable = nullptr;
    for (bool enabled : {false, true}) {
        for (const auto &[screen, window] : windows_) {
            if (!window->isVisible() || window->isEnabled() != enabled)
                continue;
            window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
            window->raise();
            if (enabled)
                usable = window;
        }
    }
    if (usable)
        usable->activateWindow();
}

void ScreenWindows::fatalError(const QString &message)
{
    failed_ = true;
    QMessageBox::critical(nullptr, gameDesign().caption, message);
}

void ScreenWindows::exitProgram()
{
    // Queued, so that the handler under way finishes and no window is left behind.
    const int status = failed_ ? 1 : 0;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [status] { QCoreApplication::exit(status); }, Qt::QueuedConnection);
}

}  // namespace kvizar::gui
