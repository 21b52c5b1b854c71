#pragma once

#include "control.h"
#include "scheduler.h"

#include <deque>
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

// Which input a control reacts to.
enum Reacts { NoInput = 0, TakesPress = 1, TakesClick = 2 };

class Screen {
public:
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

    // Input, routed here by a front end once it has found the control.
    virtual int reacts(const Control &) const { return NoInput; }
    virtual void mouseDown(Control &, int /*button*/) {}
    virtual void mouseUp(Control &, int /*button*/) {}
    virtual void click(Control &) {}

    // The control a press at (x, y) twips would reach: the front-most visible, enabled control
    // under the point that takes presses or clicks. Buttons lie in front of everything else.
    Control *controlAt(int x, int y);

protected:
    Program &program_;

private:
    ScreenDesign design_;
    std::deque<Control> controls_;
    std::vector<std::unique_ptr<Timer>> timers_;
    bool shown_ = false;
    bool enabled_ = true;
    bool closed_ = false;
};

bool isWindowed(Kind k);

}  // namespace kvizar
