#include "input.h"

#include "program.h"
#include "screen.h"

namespace kvizar {

bool takesInput(const Program &program, const Screen &screen)
{
    return !program.ended() && program.isLoaded(&screen) && screen.isShown() && screen.isEnabled();
}

bool InputRouter::press(Screen &screen, Control *control, int button)
{
    return take(screen, control, button, 0);
}

bool InputRouter::pressKey(Screen &screen, Control *control, int key)
{
    return key != 0 && take(screen, control, LeftButton, key);
}

bool InputRouter::take(Screen &screen, Control *control, int button, int key)
{
    if (capturing() || !control || !takesInput(program_, screen))
        return false;
    if (!control->visible || !control->enabled || !control->input.any())
        return false;
    pressedScreen_ = &screen;
    pressed_ = control;
    button_ = button;
    key_ = key;
    if (control->input.press)
        program_.scheduler.dispatch([control, button] { control->input.press(button); });
    return true;
}

void InputRouter::forget(const Screen *screen)
{
    if (pressedScreen_ == screen) {
        pressedScreen_ = nullptr;
        pressed_ = nullptr;
        button_ = 0;
        key_ = 0;
    }
}

void InputRouter::release(int button, Control *under)
{
    if (!pressedScreen_ || key_ != 0 || button != button_)
        return;
    end(button, under);
}

void InputRouter::releaseKey(int key)
{
    if (!pressedScreen_ || key == 0 || key != key_)
        return;
    end(LeftButton, pressed_);
}

void InputRouter::end(int button, Control *under)
{
    Screen *screen = pressedScreen_;
    Control *control = pressed_;
    forget(screen);
    if (!program_.isLoaded(screen))
        return;
    const bool clicks = control->input.takesClick();
    if (control->input.release)
        program_.scheduler.dispatch([control, button] { control->input.release(button); });
    // The release handler may have closed the screen, and the control with it: look at either
    // again only if the screen is still there.
    if (!clicks || button != LeftButton || under != control || !program_.isLoaded(screen))
        return;
    if (control->visible && control->enabled && takesInput(program_, *screen))
        program_.scheduler.dispatch([control] { control->input.click(); });
}

}  // namespace kvizar
