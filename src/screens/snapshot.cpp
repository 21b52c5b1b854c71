#include "snapshot.h"

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

ScreenState captureState(const Screen &screen)
{
    ScreenState state;
    state.controls.reserve(screen.controls().size());
    for (const Control &c : screen.controls())
        state.controls.push_back({c.caption, c.picture, c.tag, c.visible, c.enabled, c.top, c.height, c.width, c.borderColor});
    for (const auto &t : screen.timers())
        state.timers.push_back(t->enabled());
    return state;
}

ScreenState designState(const ScreenDesign &design)
{
    ScreenState state;
    for (const ControlDesign &d : design.controls)
        state.controls.push_back({d.caption, d.picture, QString(), d.visible, d.enabled, d.top, d.height, d.width, d.borderColor});
    for (const TimerDesign &t : design.timers)
        state.timers.push_back(t.enabled);
    return state;
}

QStringList describeChanges(const ScreenDesign &design, const ScreenState &before, const ScreenState &after)
{
    QStringList out;
    for (std::size_t i = 0; i < after.controls.size() && i < design.controls.size(); ++i) {
        const ControlState *was = i < before.controls.size() ? &before.controls[i] : nullptr;
        if (was && *was == after.controls[i])
            continue;
        const ControlDesign &d = design.controls[i];
        describe(targetName(d.name, d.index), was, after.controls[i], out);
    }
    for (std::size_t i = 0; i < after.timers.size() && i < design.timers.size(); ++i)
        if (i >= before.timers.size() || before.timers[i] != after.timers[i])
            out << design.timers[i].name + QStringLiteral(".enabled = ") + flag(after.timers[i]);
    return out;
}

}  // namespace kvizar
