#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace kvizar {

enum class Kind { Label, Image, Shape, RoundShape, Line, PictureBox, Button, TextField, RichText };

enum class Align { Left, Center, Right };

enum class Pointer { Default, Hand };

// How a control looks; fixed by the design, never changed by the game.
struct Look {
    QString font;          // family as designed ("Arial", "Comic Sans MS", ...)
    double pointSize = 0;  // 0: no text
    bool bold = false;
    bool italic = false;
    unsigned foreColor = 0x000000;  // #RRGGBB
    unsigned backColor = 0x000000;
    bool opaque = false;    // fills its background
    bool bordered = false;  // single-line border (labels, picture boxes)
    int borderWidth = 0;    // shapes and lines
    Align align = Align::Left;
    bool wrap = false;
    bool invert = false;  // draws by inverting what lies behind it
};

// One row of a design table.
struct ControlDesign {
    QString name;
    int index = -1;  // -1: not part of a control array
    Kind kind = Kind::Label;
    int left = 0, top = 0, width = 0, height = 0;  // twips; lines: x1, y1, x2 - x1, y2 - y1
    bool widthInPixels = false;  // the game sets this control's width in pixels, not twips
    int tabIndex = -1;           // its place in the keyboard's Tab order; -1: not a stop
    QString valueFrom;           // for assistive technology: a gauge whose value is that label's number
    QString spoken;              // for assistive technology: the name of a picture that has no tooltip
    Look look;
    QString caption;
    QString tooltip;
    QString picture;  // picture id, empty for none
    bool visible = true;
    bool enabled = true;
    Pointer pointer = Pointer::Default;
    unsigned borderColor = 0x000000;
};

// What a player can see of a control, or what matters to play.
struct ControlState {
    QString caption, picture, tag;
    bool visible = false, enabled = false;
    int top = 0, height = 0, width = 0;
    unsigned borderColor = 0;
    bool operator==(const ControlState &) const = default;
};

class Control;

// A property of a control. Setting it to a new value tells its control, which remembers how it
// was before the change; setting the value it already has changes nothing.
template <class T> class Property {
public:
    Property(Control &owner, const T &value) : owner_(&owner), v_(value) {}
    Property(const Property &) = delete;

    Property &operator=(const T &value);
    Property &operator=(const Property &other) { return *this = other.v_; }
    Property &operator+=(const T &d) { return *this = T(v_ + d); }
    Property &operator-=(const T &d) { return *this = T(v_ - d); }

    operator const T &() const { return v_; }
    const T &get() const { return v_; }
    const T *operator->() const { return &v_; }
    friend bool operator==(const Property &a, const T &b) { return a.v_ == b; }
    friend bool operator==(const Property &a, const Property &b) { return a.v_ == b.v_; }

    // The text properties' most used questions, without the arrow.
    void clear() { *this = T(); }
    bool isEmpty() const requires requires(const T &t) { t.isEmpty(); } { return v_.isEmpty(); }
    qsizetype size() const requires requires(const T &t) { t.size(); } { return v_.size(); }
    T left(qsizetype n) const requires requires(const T &t) { t.left(n); } { return v_.left(n); }

private:
    Control *owner_;
    T v_;
};

class ChangeLog;

// What a control does with input; its screen sets these for the controls that take any.
struct ControlInput {
    std::function<void(int button)> press;    // a mouse button down on it (or a key held)
    std::function<void(int button)> release;  // the end of that press, wherever it ends
    std::function<void()> click;              // a left press and release on it

    bool takesPress() const { return press || release; }
    bool takesClick() const { return bool(click); }
    bool any() const { return takesPress() || takesClick(); }
};

// A control as the game sees it: the design plus the properties the game reads and writes.
class Control {
public:
    Control(const ControlDesign &d, ChangeLog *log);
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const ControlDesign &design() const { return *d_; }
    const QString &name() const { return d_->name; }
    int index() const { return d_->index; }
    Kind kind() const { return d_->kind; }
    int left() const { return d_->left; }

    Property<QString> caption;
    Property<QString> text;  // text fields and the rich-text box
    Property<QString> picture;
    Property<QString> tag;
    Property<bool> visible;
    Property<bool> enabled;
    Property<int> top;
    Property<int> height;
    Property<int> width;
    Property<unsigned> borderColor;
    Property<Pointer> pointer;

    ControlInput input;

    ControlState state() const;
    // Where the control lies in its screen, in twips.
    int widthInTwips() const;
    bool contains(int x, int y) const;

    // Called by a property about to change.
    void changing();
    // How the control was before its first change since the log was last read.
    const ControlState &before() const { return before_; }

private:
    friend class ChangeLog;
    const ControlDesign *d_;
    ChangeLog *log_;
    ControlState before_;
    bool changed_ = false;
};

template <class T> Property<T> &Property<T>::operator=(const T &value)
{
    if (!(v_ == value)) {
        owner_->changing();
        v_ = value;
    }
    return *this;
}

class Timer;

// What has changed on a screen since it was last read: the controls that were set to new
// values, each knowing how it was before, and the timers switched on or off.
class ChangeLog {
public:
    struct TimerChange {
        const Timer *timer;
        bool wasEnabled;
    };

    bool empty() const { return controls_.empty() && timers_.empty(); }
    void control(Control &c);
    void timer(const Timer &t, bool wasEnabled);

    // The changes so far, controls and timers each in the order they first changed; the log
    // starts afresh.
    struct Changes {
        std::vector<const Control *> controls;
        std::vector<TimerChange> timers;
    };
    Changes take();

private:
    std::vector<Control *> controls_;
    std::vector<TimerChange> timers_;
};

// A control array as the design indexes it (from 1, or from 0 for a few arrays).
class ControlArray {
public:
    ControlArray() = default;
    ControlArray(std::vector<Control *> items, int lowerBound) : items_(std::move(items)), lower_(lowerBound) {}
    Control &operator()(int i) const;
    int lowerBound() const { return lower_; }
    int upperBound() const { return lower_ + int(items_.size()) - 1; }

private:
    std::vector<Control *> items_;
    int lower_ = 1;
};

}  // namespace kvizar
