#include "control.h"

#include <stdexcept>

namespace kvizar {

Control::Control(const ControlDesign &d)
    : caption(d.caption), picture(d.picture), visible(d.visible), enabled(d.enabled), top(d.top),
      height(d.height), width(d.width), borderColor(d.borderColor), pointer(d.pointer), d_(d)
{
}

Control &ControlArray::operator()(int i) const
{
    const int at = i - lower_;
    if (at < 0 || at >= int(items_.size()))
        throw std::out_of_range("control array index out of range");
    return *items_[std::size_t(at)];
}

}  // namespace kvizar
