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

struct Props {
    QString caption, picture, tag;
    bool visible, enabled;
    int top, height, width;
    unsigned borderColor;
};

void add(std::vector<PropertyValue> &out, const QString &target, const Props &p)
{
    out.push_back({target, QStringLiteral("caption"), quoted(p.caption)});
    out.push_back({target, QStringLiteral("picture"), quoted(p.picture)});
    out.push_back({target, QStringLiteral("visible"), flag(p.visible)});
    out.push_back({target, QStringLiteral("enabled"), flag(p.enabled)});
    out.push_back({target, QStringLiteral("top"), QString::number(p.top)});
    out.push_back({target, QStringLiteral("height"), QString::number(p.height)});
    out.push_back({target, QStringLiteral("width"), QString::number(p.width)});
    out.push_back({target, QStringLiteral("tag"), quoted(p.tag)});
    out.push_back({target, QStringLiteral("borderColor"), colour(p.borderColor)});
}

}  // namespace

std::vector<PropertyValue> snapshot(const Screen &screen)
{
    std::vector<PropertyValue> out;
    out.reserve(screen.controls().size() * 9 + screen.timers().size());
    for (const Control &c : screen.controls())
        add(out, targetName(c.name(), c.index()),
            {c.caption, c.picture, c.tag, c.visible, c.enabled, c.top, c.height, c.width, c.borderColor});
    for (const auto &t : screen.timers())
        out.push_back({t->name(), QStringLiteral("enabled"), flag(t->enabled())});
    return out;
}

std::vector<PropertyValue> designSnapshot(const ScreenDesign &design)
{
    std::vector<PropertyValue> out;
    for (const ControlDesign &d : design.controls)
        add(out, targetName(d.name, d.index),
            {d.caption, d.picture, QString(), d.visible, d.enabled, d.top, d.height, d.width, d.borderColor});
    for (const TimerDesign &t : design.timers)
        out.push_back({t.name, QStringLiteral("enabled"), flag(t.enabled)});
    return out;
}

}  // namespace kvizar
