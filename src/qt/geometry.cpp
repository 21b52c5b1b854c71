#include "geometry.h"

#include "screens/designs.h"

#include <algorithm>

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
    // The game sets the time bar's width in pixels, as it counts the seconds down.
    const int width = control.name() == QLatin1String("timebar") ? control.width : pixels(control.width);
    return QRect(pixels(control.left()), pixels(control.top), width, pixels(control.height));
}

std::vector<const Control *> paintOrder(const Screen &screen)
{
    std::vector<const Control *> order;
    for (auto it = screen.controls().rbegin(); it != screen.controls().rend(); ++it)
        order.push_back(&*it);
    std::stable_partition(order.begin(), order.end(), [](const Control *c) { return !isWindowed(c->kind()); });
    return order;
}

const Control *frontMostAt(const Screen &screen, QPoint point, const std::function<bool(const Control &)> &accept)
{
    const std::vector<const Control *> order = paintOrder(screen);
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        const Control &c = **it;
        if (c.visible && controlRect(c).contains(point) && accept(c))
            return &c;
    }
    return nullptr;
}

}  // namespace kvizar::gui
