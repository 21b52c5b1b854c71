#include "input.h"

#include "screens/program.h"
#include "screen.h"

namespace kvizar {

bool takesInput(const Program &program, const Screen &screen)
{
    return !program.ended() && program.isLoaded(&screen) && screen.isShown() && screen.isEnabled();
}

bool InputRouter::press(Screen &screen, Control *control, int button)
{
    if (capturing() || !control || !takesInput(program_, screen))
        return false;
    if (!control->visible || !control->enabled || screen.reacts(*control) == NoInput)
        return false;
    pressedScreen_ = &screen;
    pressed_ = control;
    button_ = button;
    if (screen.reacts(*control) & TakesPress)
        program_.scheduler.dispatch([&screen, control, button] { screen.mouseDown(*control, button); });
    return true;
}

void InputRouter::forget(const Screen *screen)
{
    if (pressedScreen_ == screen) {
        pressedScreen_ = nullptr;
        pressed_ = nullptr;
        button_ = 0;
    }
}

void InputRouter::release(int button, Control *under)
{
    if (!pressedScreen_ || button != button_)
        return;
    Screen *screen = pressedScreen_;
    Control *control = pressed_;
    pressedScreen_ = nullptr;
    pressed_ = nullptr;
    button_ = 0;
    if (!screen || !program_.isLoaded(screen))
        return;
    const int reacts = screen->reacts(*control);
    if (reacts & TakesPress)
        program_.scheduler.dispatch([screen, control, button] { screen->mouseUp(*control, button); });
    // The release handler may have closed the screen: look at it again only if it is still there.
    if (!(reacts & TakesClick) || button != LeftButton || under != control || !program_.isLoaded(screen))
        return;
    if (control->visible && control->enabled && takesInput(program_, *screen))
        program_.scheduler.dispatch([screen, control] { screen->click(*control); });
}

}  // namespace kvizar
