#include "screenwindow.h"

#include "accessibility.h"
#include "artwork.h"
#include "geometry.h"

#include "screens/program.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <cmath>

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
    : QWidget(nullptr, frameFlags(screen.design().frame)), program_(program), screen_(&screen), artwork_(artwork),
      focusChain_(screen.tabOrder())
{
    const ScreenDesign &design = screen.design();
    setFixedSize(pixels(design.width), pixels(design.height));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);  // every window takes keys
    // Framed or not, a window carries its design's caption; where the design gives none, the
    // window system shows its default.
    if (!design.caption.isEmpty())
        setWindowTitle(design.caption);
    installAccessibility();
}

void ScreenWindow::setZoom(qreal zoom)
{
    if (zoom == zoom_ || zoom <= 0)
        return;
    zoom_ = zoom;
    if (screen_)
        setFixedSize(qRound(pixels(screen_->design().width) * zoom), qRound(pixels(screen_->design().height) * zoom));
    update();
}

QRect ScreenWindow::onWindow(QRect r) const
{
    return QRectF(r.x() * zoom_, r.y() * zoom_, r.width() * zoom_, r.height() * zoom_).toAlignedRect();
}

QPoint ScreenWindow::inDesign(QPoint p) const
{
    return QPoint(int(std::floor(p.x() / zoom_)), int(std::floor(p.y() / zoom_)));
}

void ScreenWindow::detach()
{
    screen_ = nullptr;
    focusChain_.clear();
    heldPainted_ = nullptr;
    hide();
}

void ScreenWindow::refresh()
{
    if (!screen_)
        return;
    if (screen_->changed()) {
        const ChangeLog::Changes changes = screen_->takeChanges();
        for (const Control *c : changes.controls) {
            const ControlState &before = c->before();
            const ControlState now = c->state();
            if (before == now)
                continue;
            update(onWindow(controlRect(*c, before)));
            repaintControl(*c);
            announceChange(*this, *c, before.caption != now.caption,
                           before.visible != now.visible || before.enabled != now.enabled);
        }
    }
    const Control *held = program_.input.held();
    if (held != heldPainted_) {
        if (heldPainted_)
            repaintControl(*heldPainted_);
        if (held)
            repaintControl(*held);
    }
    if (underMouse())
        updatePointer(mapFromGlobal(QCursor::pos()));
}

void ScreenWindow::repaintControl(const Control &control)
{
    update(onWindow(controlRect(control).adjusted(-2, -2, 2, 2)));
}

Control *ScreenWindow::controlAt(QPoint point) const
{
    const QPoint at = inDesign(point);
    return screen_ ? screen_->controlAt(twips(at.x()), twips(at.y())) : nullptr;
}

Control *ScreenWindow::focused() const
{
    return focusChain_.empty() ? nullptr : focusChain_[focus_];
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

void ScreenWindow::paintEvent(QPaintEvent *event)
{
    if (!screen_)
        return;
    QPainter painter(this);
    heldPainted_ = program_.input.held();
    QRegion region = event->region();
    if (zoom_ != 1) {
        painter.scale(zoom_, zoom_);
        QRegion inDesign;
        for (const QRect &r : region)
            inDesign += QRectF(r.x() / zoom_, r.y() / zoom_, r.width() / zoom_, r.height() / zoom_).toAlignedRect();
        region = inDesign;
    }
    ControlPainter(painter, artwork_).paint(*screen_, {focused(), heldPainted_}, region);
}

void ScreenWindow::mousePressEvent(QMouseEvent *event)
{
    const int button = engineButton(event->button());
    if (screen_ && button)
        program_.input.press(*screen_, controlAt(event->position().toPoint()), button);
}

void ScreenWindow::mouseReleaseEvent(QMouseEvent *event)
{
    const int button = engineButton(event->button());
    if (!screen_ || !button)
        return;
    const QPoint local = event->position().toPoint();
    program_.input.release(button, rect().contains(local) ? controlAt(local)
                                                          : controlUnder(event->globalPosition().toPoint()));
}

void ScreenWindow::mouseMoveEvent(QMouseEvent *event)
{
    updatePointer(event->position().toPoint());
}

// A key held is the press of the control it stands for: the focused control for Return, Enter
// and Space where the screen has a keyboard order, otherwise whatever the screen binds the key
// to. Auto-repeat is no new press.
void ScreenWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->isAutoRepeat() && event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab)
        return;
    if (ownKeys && ownKeys(*event))
        return;
    if (!screen_)
        return;
    const int key = event->key();
    const bool activates = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    Control *target = activates && focused() ? focused() : plain ? screen_->controlForKey(key) : nullptr;
    if (target) {
        program_.input.pressKey(*screen_, target, key);
        return;
    }
    QWidget::keyPressEvent(event);
}

void ScreenWindow::keyReleaseEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat())
        program_.input.releaseKey(event->key());
    QWidget::keyReleaseEvent(event);
}

bool ScreenWindow::focusNextPrevChild(bool next)
{
    if (focusChain_.empty())
        return QWidget::focusNextPrevChild(next);
    const std::size_t count = focusChain_.size();
    repaintControl(*focusChain_[focus_]);
    focus_ = (focus_ + (next ? 1 : count - 1)) % count;
    repaintControl(*focusChain_[focus_]);
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
    const QPoint at = inDesign(event.pos());
    const Control *tipped = screen_ ? screen_->frontMost(twips(at.x()), twips(at.y()),
                                                         [](const Control &c) { return !c.design().tooltip.isEmpty(); })
                                    : nullptr;
    if (tipped)
        QToolTip::showText(event.globalPos(), tipped->design().tooltip, this, onWindow(controlRect(*tipped)));
    else
        QToolTip::hideText();
}

void ScreenWindow::updatePointer(QPoint windowPoint)
{
    const QPoint point = inDesign(windowPoint);
    const Control *under = screen_ ? screen_->frontMost(twips(point.x()), twips(point.y()), [](const Control &) { return true; })
                                   : nullptr;
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

}  // namespace kvizar::gui
