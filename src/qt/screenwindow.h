#pragma once

#include "controlpainter.h"

#include <QWidget>

#include <functional>
#include <vector>

class QHelpEvent;
class QKeyEvent;

namespace kvizar {
class Program;
}

namespace kvizar::gui {

class Artwork;

// The window of one screen: draws the screen's model and hands mouse and keyboard input to
// the program's input router. It forgets its screen when the screen is closed.
class ScreenWindow : public QWidget {
    Q_OBJECT

public:
    ScreenWindow(Program &program, Screen &screen, Artwork &artwork);

    // The screen has been closed (a press it held went with it).
    void detach();
    // Repaints what the model changed since the last look, and sets the pointer.
    void refresh();

    // The control a press at `point` (window pixels) would reach.
    Control *controlAt(QPoint point) const;

    // Draws the screen `zoom` times its design's size; the design's units stay those of the
    // model, the mouse is mapped back to them.
    void setZoom(qreal zoom);
    qreal zoom() const { return zoom_; }
    // Where a rectangle of design pixels lies in the window, and the design pixel at a point.
    QRect onWindow(QRect designRect) const;
    QPoint inDesign(QPoint windowPoint) const;

    // Keys of the front end's own (help, zoom, sound), looked at before the screen's; true
    // when the key was taken.
    std::function<bool(const QKeyEvent &)> ownKeys;
    // The control with the keyboard focus; null when the screen has no Tab stops.
    Control *focused() const;
    // The screen shown; null once it has been closed.
    Screen *screen() const { return screen_; }
    Program &program() const { return program_; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showToolTip(const QHelpEvent &event);
    void updatePointer(QPoint point);
    void activateDialog();
    void repaintControl(const Control &control);

    Program &program_;
    Screen *screen_;
    Artwork &artwork_;
    std::vector<Control *> focusChain_;
    std::size_t focus_ = 0;
    const Control *heldPainted_ = nullptr;  // the held button as last painted
    bool hand_ = false;  // the hand pointer is showing
    qreal zoom_ = 1;
};

}  // namespace kvizar::gui
