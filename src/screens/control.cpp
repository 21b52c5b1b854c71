#include "control.h"

#include "scheduler.h"

#include <algorithm>
#include <stdexcept>

namespace kvizar {

Control::Control(const ControlDesign &d, ChangeLog *log)
    : caption(*this, d.caption), text(*this, QString()), picture(*this, d.picture), tag(*this, QString()),
      visible(*this, d.visible), enabled(*this, d.enabled), top(*this, d.top), height(*this, d.height),
      width(*this, d.width), borderColor(*this, d.borderColor), pointer(*this, d.pointer), d_(&d), log_(log)
{
}

ControlState Control::state() const
{
    return {caption, picture, tag, visible, enabled, top, height, width, borderColor};
}

int Control::widthInTwips() const
{
    return d_->widthInPixels ? width * 15 : width.get();
}

bool Control::contains(int x, int y) const
{
    return x >= d_->left && x < d_->left + widthInTwips() && y >= top && y < top + height;
}

void Control::changing()
{
    if (changed_)
        return;
    before_ = state();
    changed_ = true;
    if (log_)
        log_->control(*this);
}

void ChangeLog::control(Control &c)
{
    controls_.push_back(&c);
}

void ChangeLog::timer(const Timer &t, bool wasEnabled)
{
    if (std::none_of(timers_.begin(), timers_.end(), [&t](const TimerChange &c) { return c.timer == &t; }))
        timers_.push_back({&t, wasEnabled});
}

ChangeLog::Changes ChangeLog::take()
{
    Changes out;
    out.controls.reserve(controls_.size());
    for (Control *c : controls_) {
        c->changed_ = false;
        out.controls.push_back(c);
    }
    controls_.clear();
    out.timers.swap(timers_);
    return out;
}

Control &ControlArray::operator()(int i) const
{
    const int at = i - lower_;
    if (at < 0 || at >= int(items_.size()))
        throw std::out_of_range("control array index out of range");
    return *items_[std::size_t(at)];
}

}  // namespace kvizar
