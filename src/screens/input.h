#pragma once

namespace kvizar {

class Program;
class Screen;
class Control;

// Routes input with the capture rule of the design: the release of a press goes to the
// control that took the press, whichever button, wherever the pointer is and even if that
// control has been disabled in between. Every front end goes through here, for the mouse and
// for the keyboard alike: a key held on a control is its left button held there.
class InputRouter {
public:
    explicit InputRouter(Program &program) : program_(program) {}

    // A press on `control` of `screen` (as found by hit-testing; null for none). Returns true
    // when a control took it. While one press is held, further presses go nowhere.
    bool press(Screen &screen, Control *control, int button);
    // The release of `button`; only the release of the button that made the press ends it.
    // `under` is the control under the pointer at release: a click needs the left button
    // released over the control that took its press.
    void release(int button, Control *under = nullptr);

    // A key going down on `control`: a left-button press that the key's release ends, over the
    // same control. Another key or a mouse button meanwhile goes nowhere.
    bool pressKey(Screen &screen, Control *control, int key);
    void releaseKey(int key);

    bool capturing() const { return pressedScreen_ != nullptr; }
    // The control that took the press being held; null when none is.
    const Control *held() const { return pressed_; }
    // A screen that closes takes a press it holds with it.
    void forget(const Screen *screen);

private:
    bool take(Screen &screen, Control *control, int button, int key);
    void end(int button, Control *under);

    Program &program_;
    Screen *pressedScreen_ = nullptr;
    Control *pressed_ = nullptr;
    int button_ = 0;
    int key_ = 0;  // the key holding the press; 0 for a mouse button
};

// Whether a screen takes input at all: loaded, shown and enabled.
bool takesInput(const Program &program, const Screen &screen);

}  // namespace kvizar
