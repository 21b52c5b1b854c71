#pragma once

#include "screens/screen.h"

#include <QColor>
#include <QRect>
#include <QRegion>

#include <vector>

class QPainter;

namespace kvizar::gui {

class Artwork;

// What the window adds to the model when drawing: the keyboard focus and a button held down.
struct WindowState {
    const Control *focused = nullptr;
    const Control *held = nullptr;
};

// Draws a screen from its model: the background, then every visible control, back to front.
class ControlPainter {
public:
    ControlPainter(QPainter &painter, Artwork &artwork);

    // Paints what of the screen lies in `region` (window pixels).
    void paint(const Screen &screen, const WindowState &state, const QRegion &region);

private:
    void paint(const Control &control, const WindowState &state);
    void label(const Control &control, QRect r);
    QColor backdrop(QRect r) const;
    void shape(const Control &control, QRect r);
    void roundShape(const Control &control, QRect r);
    void line(const Control &control);
    void pictureBox(const Control &control, QRect r);
    void button(const Control &control, QRect r, const WindowState &state);
    void textBox(const Control &control, QRect r);

    QPainter &p_;
    Artwork &art_;
    std::vector<const Control *> painted_;  // the controls painted so far, back to front
    unsigned backgroundOf_ = 0;             // the screen's background
};

}  // namespace kvizar::gui
