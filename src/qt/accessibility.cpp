#include "accessibility.h"

#include "geometry.h"
#include "screenwindow.h"

#include "screens/program.h"

#include <QAccessibleValueInterface>
#include <QPointer>

namespace kvizar::gui {

// One control, described from the model each time it is asked.
class ControlAccessible : public QAccessibleInterface, public QAccessibleValueInterface {
public:
    ControlAccessible(ScreenWindow *window, const Screen *screen, Control &control, QAccessibleInterface *parent)
        : window_(window), screen_(screen), control_(control), parent_(parent)
    {
        if (!control.design().valueFrom.isEmpty())
            source_ = const_cast<Screen *>(screen)->find(control.design().valueFrom);
    }

    bool isValid() const override { return window_ && window_->screen() == screen_; }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return window_ ? window_->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return parent_; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation) const override { return {}; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    void setText(QAccessible::Text, const QString &) override {}

    QAccessible::Role role() const override
    {
        if (source_)
            return QAccessible::ProgressBar;
        if (control_.input.any())
            return QAccessible::Button;
        switch (control_.kind()) {
        case Kind::Label: return QAccessible::StaticText;
        case Kind::Button: return QAccessible::Button;
        default: return QAccessible::Graphic;
        }
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const QString &caption = control_.caption;
        const QString &tip = control_.design().tooltip;
        // Text controls are named by their text alone, so that an answer taken away says
        // nothing; pictures by their tooltip.
        const bool text = control_.kind() == Kind::Label || control_.kind() == Kind::Button;
        switch (t) {
        case QAccessible::Name: return text ? caption : tip.isEmpty() ? control_.design().spoken : tip;
        case QAccessible::Description: return text ? tip : QString();
        case QAccessible::Value: return source_ ? QString(source_->caption) : QString();
        default: return {};
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        const bool usable = control_.enabled && window_->isEnabled();
        s.invisible = !control_.visible || !window_->isVisible();
        s.offscreen = s.invisible;
        s.disabled = !usable;
        s.focusable = control_.design().tabIndex >= 0;
        s.focused = s.focusable && window_->focused() == &control_ && window_->hasFocus();
        s.pressed = window_->program().input.held() == &control_;
        s.readOnly = role() == QAccessible::StaticText;
        return s;
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect r = window_->onWindow(controlRect(control_));
        return QRect(window_->mapToGlobal(r.topLeft()), r.size());
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface && source_ ? static_cast<QAccessibleValueInterface *>(this) : nullptr;
    }

    // The clock's seconds: the number its label shows; the largest seen since it last rose is
    // the question's time limit.
    QVariant currentValue() const override
    {
        bool ok = false;
        const int v = source_ && isValid() ? source_->caption->toInt(&ok) : 0;
        if (ok && v > maximum_)
            maximum_ = v;
        return ok ? v : 0;
    }
    void setCurrentValue(const QVariant &) override {}
    QVariant maximumValue() const override { return maximum_; }
    QVariant minimumValue() const override { return 0; }
    QVariant minimumStepSize() const override { return 1; }

    // A new question's clock starts above where the last one stopped.
    void clockMoved()
    {
        bool ok = false;
        const int v = source_ ? source_->caption->toInt(&ok) : 0;
        if (ok && v > last_)
            maximum_ = v;
        last_ = ok ? v : 0;
    }
    bool gauge() const { return source_ != nullptr; }
    const Control *source() const { return source_; }
    const Control &control() const { return control_; }

private:
    QPointer<ScreenWindow> window_;
    const Screen *screen_;
    Control &control_;
    Control *source_ = nullptr;
    QAccessibleInterface *parent_;
    mutable int maximum_ = 0;
    int last_ = 0;
};

namespace {

// What a player can see or use: labels, buttons, and pictures that have a name or take a press;
// lying within the window (the design keeps stores of pictures and text beyond its edge).
bool described(const Screen &screen, const Control &c)
{
    const ControlDesign &d = c.design();
    if (d.left >= screen.design().width || d.top >= screen.design().height)
        return false;
    switch (c.kind()) {
    case Kind::Label:
    case Kind::Button: return true;
    case Kind::Image:
    case Kind::PictureBox: return !d.tooltip.isEmpty() || c.input.any() || !d.valueFrom.isEmpty();
    default: return false;
    }
}

QAccessibleInterface *windowFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("kvizar::gui::ScreenWindow"))
        if (auto *window = qobject_cast<ScreenWindow *>(object))
            return new WindowAccessible(window);
    return nullptr;
}

}  // namespace

WindowAccessible::WindowAccessible(ScreenWindow *window) : QAccessibleWidget(window, QAccessible::Window)
{
    Screen *screen = window->screen();
    if (!screen)
        return;
    // In the order a reader goes through them: front to back as the design stacks them.
    for (Control &c : screen->controls()) {
        if (!described(*screen, c))
            continue;
        auto *child = new ControlAccessible(window, screen, c, this);
        children_.push_back(child);
        ids_.push_back(QAccessible::registerAccessibleInterface(child));
    }
}

WindowAccessible::~WindowAccessible()
{
    for (QAccessible::Id id : ids_)
        QAccessible::deleteAccessibleInterface(id);
}

ScreenWindow *WindowAccessible::screenWindow() const
{
    return static_cast<ScreenWindow *>(widget());
}

QString WindowAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    if (!screenWindow()->windowTitle().isEmpty())
        return screenWindow()->windowTitle();
    // A window without a caption is named by its first label ("Звонок другу").
    for (const ControlAccessible *c : children_)
        if (c->role() == QAccessible::StaticText && !c->text(QAccessible::Name).isEmpty())
            return c->text(QAccessible::Name);
    return {};
}

int WindowAccessible::childCount() const
{
    return int(children_.size());
}

QAccessibleInterface *WindowAccessible::child(int index) const
{
    return index >= 0 && index < int(children_.size()) ? children_[std::size_t(index)] : nullptr;
}

int WindowAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (std::size_t i = 0; i < children_.size(); ++i)
        if (children_[i] == child)
            return int(i);
    return -1;
}

QAccessibleInterface *WindowAccessible::childAt(int x, int y) const
{
    for (ControlAccessible *c : children_)
        if (!c->state().invisible && c->rect().contains(x, y))
            return c;
    return nullptr;
}

QAccessibleInterface *WindowAccessible::focusChild() const
{
    if (const Control *focused = screenWindow()->focused())
        return of(*focused);
    return nullptr;
}

ControlAccessible *WindowAccessible::of(const Control &control) const
{
    for (ControlAccessible *c : children_)
        if (&c->control() == &control)
            return c;
    return nullptr;
}

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    (void)installed;
}

void announceChange(ScreenWindow &window, const Control &control, bool captionChanged, bool stateChanged)
{
    if (!QAccessible::isActive())
        return;
    auto *described = dynamic_cast<WindowAccessible *>(QAccessible::queryAccessibleInterface(&window));
    if (!described)
        return;
    if (ControlAccessible *c = described->of(control)) {
        if (captionChanged) {
            QAccessibleEvent named(c, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
        }
        if (stateChanged) {
            QAccessible::State changed;
            changed.invisible = changed.disabled = true;
            QAccessibleStateChangeEvent state(c, changed);
            QAccessible::updateAccessibility(&state);
        }
    }
    // The clock's gauge follows its label.
    if (captionChanged)
        for (int i = 0; i < described->childCount(); ++i) {
            auto *gauge = static_cast<ControlAccessible *>(described->child(i));
            if (gauge->source() != &control)
                continue;
            gauge->clockMoved();
            QAccessibleValueChangeEvent value(gauge, gauge->currentValue());
            QAccessible::updateAccessibility(&value);
        }
}

}  // namespace kvizar::gui
