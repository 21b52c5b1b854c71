#pragma once

#include <QAccessibleWidget>

#include <memory>
#include <vector>

namespace kvizar {
class Control;
}

namespace kvizar::gui {

class ScreenWindow;
class ControlAccessible;

// A screen's window as assistive technology sees it: a window whose children are the
// controls a player can see and use, painted though they are. Controls are described from the
// model: a role by kind (buttons for whatever takes a press, static text for labels, a gauge
// for the clock), their caption (or tooltip) as name, and their states.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(ScreenWindow *window);
    ~WindowAccessible() override;

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

    // The interface of `control`; null when it is none of the described ones.
    ControlAccessible *of(const Control &control) const;

private:
    ScreenWindow *screenWindow() const;
    std::vector<ControlAccessible *> children_;  // registered with QAccessible, which owns them
    std::vector<QAccessible::Id> ids_;
};

// Makes the windows' accessible interfaces; installed once (see ScreenWindow).
void installAccessibility();

// Tells assistive technology what changed of `control` since `before`: its name, states or value.
void announceChange(ScreenWindow &window, const Control &control, bool captionChanged, bool stateChanged);

}  // namespace kvizar::gui
