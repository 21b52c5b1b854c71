#pragma once

#include "controlpainter.h"
#include "screens/snapshot.h"

#include <QWidget>

class QHelpEvent;

#include <vector>

namespace kvizar {
class Program;
}

namespace kvizar::gui {

class Artwork;

// The window of one screen: draws the screen's model and hands mouse and keyboard input to
// the program. It forgets its screen when the screen is closed.
class ScreenWindow : public QWidget {
    Q_OBJECT

public:
    ScreenWindow(Program &program, Screen &screen, Artwork &artwork);

    // The screen has been closed: a press still held on it is let go.
    void detach();
    // Repaints when the model has changed since the last paint, and sets the pointer.
    void refresh();
    // Controls that Tab and Shift+Tab move the focus through and Space or Enter click.
    void setFocusChain(std::vector<Control *> chain);

    Control *controlAt(QPoint point) const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showToolTip(const QHelpEvent &event);
    void updatePointer(QPoint point);
    void clickFocused();
    void activateDialog();

    Program &program_;
    Screen *screen_;
    Artwork &artwork_;
    ScreenState painted_;
    std::vector<Control *> focusChain_;
    std::size_t focus_ = 0;
    Control *held_ = nullptr;  // the control that took the press being held
    int heldButton_ = 0;
    bool hand_ = false;  // the hand pointer is showing
};

}  // namespace kvizar::gui
