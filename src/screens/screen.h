#pragma once

#include "control.h"
#include "keys.h"
#include "scheduler.h"

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace kvizar {

class Program;

enum class Frame { None, FixedSingle };

struct TimerDesign {
    QString name;
    int interval = 0;
    bool enabled = false;
};

struct ScreenDesign {
    QString name;
    QString caption;  // window title
    int width = 0, height = 0;  // inner area, twips
    unsigned background = 0x000000;
    Frame frame = Frame::None;
    std::vector<ControlDesign> controls;  // front to back, as stacked
    std::vector<TimerDesign> timers;
};

enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };

class Screen {
public:
    // `design` must outlive the screen (the designs are static tables).
    Screen(Program &program, const ScreenDesign &design);
    virtual ~Screen();
    Screen(const Screen &) = delete;
    Screen &operator=(const Screen &) = delete;

    const ScreenDesign &design() const { return design_; }
    const QString &name() const { return design_.name; }

    Control &ctl(const QString &name, int index = -1);
    Control *find(const QString &name, int index = -1);
    ControlArray array(const QString &name);
    Timer &timer(const QString &name);
    std::deque<Control> &controls() { return controls_; }
    const std::deque<Control> &controls() const { return controls_; }
    const std::vector<std::unique_ptr<Timer>> &timers() const { return timers_; }

    // Window state.
    bool isShown() const { return shown_; }
    bool isEnabled() const { return enabled_; }
    bool isClosed() const { return closed_; }
    void show();
    void setEnabled(bool on);
    // Unloads the screen: stops its timers and tells the window system. The object itself
    // is released by the program once the running handler has finished.
    void close();

    virtual void load() {}

    // The controls in drawing order, back to front: the windowed kinds (buttons, text boxes,
    // picture boxes) in front of all the others, each group stacked as the design's rows say.
    const std::vector<Control *> &paintOrder() const { return paintOrder_; }
    // The front-most visible control at (x, y) twips that `accept` allows; null for none.
    Control *frontMost(int x, int y, const std::function<bool(const Control &)> &accept) const;
    // The control a press at (x, y) twips would reach: the front-most visible, enabled control
    // there that takes input.
    Control *controlAt(int x, int y) const;
    // The controls that Tab moves through, in the design's keyboard order.
    std::vector<Control *> tabOrder();

    // The keys that stand for controls of this screen (none unless a screen says so), and the
    // control a key stands for: null when none, or when it is not there now.
    virtual const std::vector<KeyBinding> &keys() const;
    Control *controlForKey(int key);

    // What has changed since the last call; the log starts afresh.
    ChangeLog::Changes takeChanges() { return log_.take(); }
    bool changed() const { return !log_.empty(); }

protected:
    Program &program_;

private:
    const ScreenDesign &design_;
    ChangeLog log_;
    std::deque<Control> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::vector<Control *> paintOrder_;
    bool shown_ = false;
    bool enabled_ = true;
    bool closed_ = false;
};

bool isWindowed(Kind k);

}  // namespace kvizar
