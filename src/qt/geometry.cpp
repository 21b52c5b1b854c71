#include "geometry.h"

#include "screens/designs.h"

namespace kvizar::gui {

int pixels(int twips)
{
    return qRound(double(twips) / kTwipsPerPixel);
}

int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect controlRect(const Control &control)
{
    return controlRect(control, control.state());
}

QRect controlRect(const Control &control, const ControlState &state)
{
    const int width = control.design().widthInPixels ? state.width : pixels(state.width);
    return QRect(pixels(control.left()), pixels(state.top), width, pixels(state.height));
}

}  // namespace kvizar::gui
