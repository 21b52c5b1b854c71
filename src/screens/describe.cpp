#include "describe.h"

#include "screen.h"

#include <algorithm>
#include <charconv>

namespace kvizar {

namespace {

// Appends UTF-8 for a run of UTF-16 (surrogate pairs joined; a lone one as U+FFFD).
void appendUtf8(std::string &out, const char16_t *text, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = text[i];
        if (c < 0x80) {
            out += char(c);
            continue;
        }
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            c = 0xFFFD;
        if (c < 0x800) {
            out += char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            out += char(0xE0 | (c >> 12));
            out += char(0x80 | ((c >> 6) & 0x3F));
        } else {
            out += char(0xF0 | (c >> 18));
            out += char(0x80 | ((c >> 12) & 0x3F));
            out += char(0x80 | ((c >> 6) & 0x3F));
        }
        if (c >= 0x80)
            out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace

void appendQuoted(std::string &out, const QString &s)
{
    out += '"';
    qsizetype plain = 0;  // start of the run of characters taken as they are
    const char16_t *text = reinterpret_cast<const char16_t *>(s.constData());
    const auto flush = [&](qsizetype end) {
        if (end > plain)
            appendUtf8(out, text + plain, end - plain);
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        const char *escape = c == '"' ? "\\\"" : c == '\\' ? "\\\\" : c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : nullptr;
        if (!escape && c >= 0x20)
            continue;
        flush(i);
        if (escape) {
            out += escape;
        } else {
            const char *digits = "0123456789abcdef";
            out += "\\x";
            out += digits[c >> 4];
            out += digits[c & 15];
        }
        plain = i + 1;
    }
    flush(s.size());
    out += '"';
}

QString quoted(const QString &s)
{
    std::string out;
    appendQuoted(out, s);
    return QString::fromUtf8(out.data(), qsizetype(out.size()));
}

namespace {

void appendFlag(std::string &out, bool b)
{
    out += b ? "true" : "false";
}

void appendColour(std::string &out, unsigned rgb)
{
    const char *digits = "0123456789ABCDEF";
    out += '#';
    for (int shift = 20; shift >= 0; shift -= 4)
        out += digits[(rgb >> shift) & 15];
}

void appendNumber(std::string &out, long long v)
{
    char text[24];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    out.append(text, std::size_t(end - text));
}

// "NAME" or "NAME(INDEX)" of a control, in UTF-8; the designs' names are plain ASCII.
void appendTarget(std::string &out, const ControlDesign &d)
{
    for (QChar c : d.name)
        out += char(c.unicode());
    if (d.index >= 0) {
        out += '(';
        appendNumber(out, d.index);
        out += ')';
    }
}

void describe(const ControlDesign &d, const ControlState &before, const ControlState &after, std::string_view prefix, std::string &out)
{
    auto line = [&](const char *property) {
        out += prefix;
        appendTarget(out, d);
        out += '.';
        out += property;
        out += " = ";
    };
    if (before.caption != after.caption)
        line("caption"), appendQuoted(out, after.caption), out += '\n';
    if (before.picture != after.picture)
        line("picture"), appendQuoted(out, after.picture), out += '\n';
    if (before.visible != after.visible)
        line("visible"), appendFlag(out, after.visible), out += '\n';
    if (before.enabled != after.enabled)
        line("enabled"), appendFlag(out, after.enabled), out += '\n';
    if (before.top != after.top)
        line("top"), appendNumber(out, after.top), out += '\n';
    if (before.height != after.height)
        line("height"), appendNumber(out, after.height), out += '\n';
    if (before.width != after.width)
        line("width"), appendNumber(out, after.width), out += '\n';
    if (before.tag != after.tag)
        line("tag"), appendQuoted(out, after.tag), out += '\n';
    if (before.borderColor != after.borderColor)
        line("borderColor"), appendColour(out, after.borderColor), out += '\n';
}

}  // namespace

void describeChanges(const Screen &screen, const ChangeLog::Changes &changes, std::string_view prefix, std::string &out)
{
    const ControlDesign *first = screen.design().controls.data();
    std::vector<const Control *> controls = changes.controls;
    std::sort(controls.begin(), controls.end(),
              [first](const Control *a, const Control *b) { return &a->design() - first < &b->design() - first; });
    for (const Control *c : controls) {
        const ControlState now = c->state();
        if (!(c->before() == now))
            describe(c->design(), c->before(), now, prefix, out);
    }
    std::vector<ChangeLog::TimerChange> timers = changes.timers;
    auto designOrder = [&screen](const Timer *t) {
        const auto &all = screen.timers();
        return std::find_if(all.begin(), all.end(), [t](const auto &p) { return p.get() == t; }) - all.begin();
    };
    std::sort(timers.begin(), timers.end(),
              [&](const ChangeLog::TimerChange &a, const ChangeLog::TimerChange &b) { return designOrder(a.timer) < designOrder(b.timer); });
    for (const ChangeLog::TimerChange &t : timers)
        if (t.wasEnabled != t.timer->enabled()) {
            out += prefix;
            for (QChar c : t.timer->name())
                out += char(c.unicode());
            out += ".enabled = ";
            appendFlag(out, t.timer->enabled());
            out += '\n';
        }
}

}  // namespace kvizar
