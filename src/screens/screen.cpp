#include "screen.h"

#include "screens/program.h"

#include <algorithm>
#include <QHash>

#include <map>
#include <stdexcept>

namespace kvizar {

bool isWindowed(Kind k)
{
    return k == Kind::Button || k == Kind::TextField || k == Kind::PictureBox || k == Kind::RichText;
}

Screen::Screen(Program &program, const ScreenDesign &design) : program_(program), design_(design)
{
    for (const ControlDesign &d : design_.controls)
        controls_.emplace_back(d, &log_);
    for (const TimerDesign &t : design_.timers)
        timers_.push_back(std::make_unique<Timer>(program_.scheduler, t.name, t.interval, t.enabled, &log_));
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        paintOrder_.push_back(&*it);
    std::stable_partition(paintOrder_.begin(), paintOrder_.end(), [](const Control *c) { return !isWindowed(c->kind()); });
}

Screen::~Screen() = default;

namespace {

// Where the controls of each name stand in a design, found once per design.
const QHash<QString, std::vector<int>> &positions(const ScreenDesign &design)
{
    static std::map<const ScreenDesign *, QHash<QString, std::vector<int>>> byDesign;
    auto it = byDesign.find(&design);
    if (it == byDesign.end()) {
        QHash<QString, std::vector<int>> index;
        for (int i = 0; i < int(design.controls.size()); ++i)
            index[design.controls[std::size_t(i)].name].push_back(i);
        it = byDesign.emplace(&design, std::move(index)).first;
    }
    return it->second;
}

}  // namespace

const std::vector<KeyBinding> &Screen::keys() const
{
    static const std::vector<KeyBinding> none;
    return none;
}

Control *Screen::controlForKey(int key)
{
    for (const KeyBinding &binding : keys())
        if (std::find(binding.keys.begin(), binding.keys.end(), key) != binding.keys.end())
            return find(binding.control, binding.index);
    return nullptr;
}

Control *Screen::find(const QString &name, int index)
{
    const auto it = positions(design_).constFind(name);
    if (it == positions(design_).cend())
        return nullptr;
    for (int i : *it)
        if (controls_[std::size_t(i)].index() == index)
            return &controls_[std::size_t(i)];
    return nullptr;
}

Control &Screen::ctl(const QString &name, int index)
{
    if (Control *c = find(name, index))
        return *c;
    throw std::logic_error(("no control " + name + " on " + design_.name).toStdString());
}

ControlArray Screen::array(const QString &name)
{
    std::vector<Control *> members;
    const auto it = positions(design_).constFind(name);
    if (it != positions(design_).cend())
        for (int i : *it)
            if (controls_[std::size_t(i)].index() >= 0)
                members.push_back(&controls_[std::size_t(i)]);
    std::sort(members.begin(), members.end(), [](const Control *a, const Control *b) { return a->index() < b->index(); });
    // The array runs from its lowest index up to the first gap.
    std::vector<Control *> items;
    for (Control *c : members)
        if (items.empty() || c->index() == items.back()->index() + 1)
            items.push_back(c);
        else
            break;
    if (items.empty())
        throw std::logic_error(("no control array " + name).toStdString());
    const int lower = items.front()->index();
    return ControlArray(std::move(items), lower);
}

Timer &Screen::timer(const QString &name)
{
    for (auto &t : timers_)
        if (t->name() == name)
            return *t;
    throw std::logic_error(("no timer " + name).toStdString());
}

void Screen::show()
{
    if (closed_ || shown_)
        return;
    shown_ = true;
    program_.services().windows.screenShown(*this);
}

void Screen::setEnabled(bool on)
{
    if (closed_ || enabled_ == on)
        return;
    enabled_ = on;
    program_.services().windows.screenEnabled(*this, on);
}

void Screen::close()
{
    if (closed_)
        return;
    closed_ = true;
    shown_ = false;
    for (auto &t : timers_)
        t->setEnabled(false);
    program_.services().windows.screenClosed(*this);
}

Control *Screen::frontMost(int x, int y, const std::function<bool(const Control &)> &accept) const
{
    for (auto it = paintOrder_.rbegin(); it != paintOrder_.rend(); ++it) {
        const Control &c = **it;
        if (c.visible && c.contains(x, y) && accept(c))
            return *it;
    }
    return nullptr;
}

Control *Screen::controlAt(int x, int y) const
{
    return frontMost(x, y, [](const Control &c) { return c.enabled && c.input.any(); });
}

std::vector<Control *> Screen::tabOrder()
{
    std::vector<Control *> order;
    for (Control &c : controls_)
        if (c.design().tabIndex >= 0)
            order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control *a, const Control *b) { return a->design().tabIndex < b->design().tabIndex; });
    return order;
}

}  // namespace kvizar
