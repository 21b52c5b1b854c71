#include "describe.h"

#include "screen.h"

#include <algorithm>

namespace kvizar {

QString quoted(const QString &s)
{
    QString out = QStringLiteral("\"");
    for (QChar c : s) {
        switch (c.unicode()) {
        case '"': out += QStringLiteral("\\\""); break;
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out + QLatin1Char('"');
}

namespace {

QString flag(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

QString colour(unsigned rgb)
{
    return QLatin1Char('#') + QStringLiteral("%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString targetName(const QString &name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

void describe(const QString &target, const ControlState *before, const ControlState &after, QStringList &out)
{
    auto line = [&](const char *property, const QString &value) {
        out << target + QLatin1Char('.') + QLatin1String(property) + QStringLiteral(" = ") + value;
    };
    if (!before || before->caption != after.caption)
        line("caption", quoted(after.caption));
    if (!before || before->picture != after.picture)
        line("picture", quoted(after.picture));
    if (!before || before->visible != after.visible)
        line("visible", flag(after.visible));
    if (!before || before->enabled != after.enabled)
        line("enabled", flag(after.enabled));
    if (!before || before->top != after.top)
        line("top", QString::number(after.top));
    if (!before || before->height != after.height)
        line("height", QString::number(after.height));
    if (!before || before->width != after.width)
        line("width", QString::number(after.width));
    if (!before || before->tag != after.tag)
        line("tag", quoted(after.tag));
    if (!before || before->borderColor != after.borderColor)
        line("borderColor", colour(after.borderColor));
}

}  // namespace

QStringList describeChanges(const Screen &screen, const ChangeLog::Changes &changes)
{
    QStringList out;
    const ControlDesign *first = screen.design().controls.data();
    std::vector<const Control *> controls = changes.controls;
    std::sort(controls.begin(), controls.end(),
              [first](const Control *a, const Control *b) { return &a->design() - first < &b->design() - first; });
    for (const Control *c : controls) {
        const ControlState now = c->state();
        if (!(c->before() == now))
            describe(targetName(c->name(), c->index()), &c->before(), now, out);
    }
    std::vector<ChangeLog::TimerChange> timers = changes.timers;
    auto designOrder = [&screen](const Timer *t) {
        const auto &all = screen.timers();
        return std::find_if(all.begin(), all.end(), [t](const auto &p) { return p.get() == t; }) - all.begin();
    };
    std::sort(timers.begin(), timers.end(),
              [&](const ChangeLog::TimerChange &a, const ChangeLog::TimerChange &b) { return designOrder(a.timer) < designOrder(b.timer); });
    for (const ChangeLog::TimerChange &t : timers)
        if (t.wasEnabled != t.timer->enabled())
            out << t.timer->name() + QStringLiteral(".enabled = ") + flag(t.timer->enabled());
    return out;
}

}  // namespace kvizar
