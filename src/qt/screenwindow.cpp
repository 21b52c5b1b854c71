#include "screenwindow.h"

#include "artwork.h"
#include "geometry.h"

#include "screens/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace kvizar::gui {

namespace {

int engineButton(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton: return LeftButton;
    case Qt::RightButton: return RightButton;
    case Qt::MiddleButton: return MiddleButton;
    default: return 0;
    }
}

Qt::WindowFlags frameFlags(Frame frame)
{
    if (frame == Frame::None)
        return Qt::Window | Qt::FramelessWindowHint;
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint;
}

// The control a release would click: the one under the pointer in whichever window is there.
Control *controlUnder(QPoint global)
{
    auto *window = qobject_cast<ScreenWindow *>(QApplication::topLevelAt(global));
    return window ? window->controlAt(window->mapFromGlobal(global)) : nullptr;
}

}  // namespace

ScreenWindow::ScreenWindow(Program &program, Screen &screen, Artwork &artwork)
    : QWidget(nullptr, frameFlags(screen.design().frame)), program_(program), screen_(&screen), artwork_(artwork)
{
    const ScreenDesign &design = screen.design();
    setFixedSize(pixels(design.width), pixels(design.height));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    if (design.frame != Frame::None)
        setWindowTitle(design.caption);
}

void ScreenWindow::detach()
{
    screen_ = nullptr;  // a press it held went with the screen (the program forgets it)
    focusChain_.clear();
    held_ = nullptr;
    heldButton_ = 0;
    hide();
}

void ScreenWindow::refresh()
{
    if (!screen_)
        return;
    ScreenState now = captureState(*screen_);
    if (!(now == painted_)) {
        painted_ = std::move(now);
        update();
    }
    if (underMouse())
        updatePointer(mapFromGlobal(QCursor::pos()));
}

void ScreenWindow::setFocusChain(std::vector<Control *> chain)
{
    focusChain_ = std::move(chain);
    focus_ = 0;
    setFocusPolicy(focusChain_.empty() ? Qt::NoFocus : Qt::StrongFocus);
    update();
}

Control *ScreenWindow::controlAt(QPoint point) const
{
    return screen_ ? screen_->controlAt(twips(point.x()), twips(point.y())) : nullptr;
}

bool ScreenWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        showToolTip(*static_cast<QHelpEvent *>(event));
        return true;
    case QEvent::WindowActivate:
        if (!isEnabled())
            activateDialog();
        break;
    case QEvent::MouseButtonRelease:
        // A window disabled while a press is held on it still takes that press's release.
        if (!isEnabled()) {
            mouseReleaseEvent(static_cast<QMouseEvent *>(event));
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void ScreenWindow::paintEvent(QPaintEvent *)
{
    if (!screen_)
        return;
    QPainter painter(this);
    const Control *focused = focusChain_.empty() ? nullptr : focusChain_[focus_];
    ControlPainter(painter, artwork_).paint(*screen_, {focused, held_});
}

void ScreenWindow::mousePressEvent(QMouseEvent *event)
{
    const int button = engineButton(event->button());
    if (!screen_ || !button || program_.input.capturing())
        return;
    // Noted before the press goes in, as its handler may close this very screen.
    held_ = controlAt(event->position().toPoint());
    heldButton_ = button;
    if (program_.input.press(*screen_, held_, button)) {
        update();
        return;
    }
    held_ = nullptr;
    heldButton_ = 0;
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = engineButton(event->button());
    if (!screen_ || !button || button != heldButton_)
        return;
    held_ = nullptr;
    heldButton_ = 0;
    update();
    const QPoint local = event->position().toPoint();
    program_.input.release(button, rect().contains(local) ? controlAt(local)
                                                          : controlUnder(event->globalPosition().toPoint()));
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    updatePointer(event->position().toPoint());
}

void ScreenWindow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!focusChain_.empty()) {
            if (!event->isAutoRepeat())
                clickFocused();
            return;
        }
        break;
    default:
        break;
    }
    QWidget::keyPressEvent(event);
}

bool ScreenWindow::focusNextPrevChild(bool next)
{
    if (focusChain_.empty())
        return QWidget::focusNextPrevChild(next);
    const std::size_t count = focusChain_.size();
    focus_ = (focus_ + (next ? 1 : count - 1)) % count;
    update();
    return true;
}

void ScreenWindow::closeEvent(QCloseEvent *event)
{
    // Windows come and go with their screens; a player who closes one ends the game.
    event->ignore();
    if (screen_ && takesInput(program_, *screen_))
        program_.scheduler.dispatch([&program = program_] { program.quit(); });
}

void ScreenWindow::showToolTip(const QHelpEvent &event)
{
    const Control *tipped = screen_ ? frontMostAt(*screen_, event.pos(),
                                                  [](const Control &c) { return !c.design().tooltip.isEmpty(); })
                                    : nullptr;
    if (tipped)
        QToolTip::showText(event.globalPos(), tipped->design().tooltip, this, controlRect(*tipped));
    else
        QToolTip::hideText();
}

void ScreenWindow::updatePointer(QPoint point)
{
    const Control *under = screen_ ? frontMostAt(*screen_, point, [](const Control &) { return true; }) : nullptr;
    const bool hand = under && under->pointer == Pointer::Hand;
    if (hand == hand_)
        return;
    hand_ = hand;
    if (hand)
        setCursor(artwork_.handCursor());
    else
        unsetCursor();
}

// A disabled window hands the focus on to the dialog that keeps it disabled.
void ScreenWindow::activateDialog()
{
    const QWindowList windows = QGuiApplication::topLevelWindows();
    const auto dialog = std::find_if(windows.begin(), windows.end(), [this](const QWindow *w) {
        return w->isVisible() && w->transientParent() == windowHandle();
    });
    if (dialog != windows.end())
        (*dialog)->requestActivate();
}

void ScreenWindow::clickFocused()
{
    if (!screen_)
        return;
    Screen &screen = *screen_;
    Control &control = *focusChain_[focus_];
    if (control.visible && control.enabled && takesInput(program_, screen))
        program_.scheduler.dispatch([&screen, &control] { screen.click(control); });
}

}  // namespace kvizar::gui
