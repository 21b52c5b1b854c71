#pragma once

#include "screens/screen.h"

#include <QRect>

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

    void paint(const Screen &screen, const WindowState &state);

private:
    void paint(const Control &control, const WindowState &state);
    void label(const Control &control, QRect r);
    void shape(const Control &control, QRect r);
    void roundShape(const Control &control, QRect r);
    void line(const Control &control);
    void pictureBox(const Control &control, QRect r);
    void button(const Control &control, QRect r, const WindowState &state);
    void textBox(const Control &control, QRect r);

    QPainter &p_;
    Artwork &art_;
};

}  // namespace kvizar::gui
