#pragma once

#include "control.h"

namespace kvizar::design {

// Small helpers that keep the design tables readable: one call per row.
inline ControlDesign row(Kind kind, const char *name, int index, int left, int top, int width, int height)
{
    ControlDesign d;
    d.kind = kind;
    d.name = QString::fromLatin1(name);
    d.index = index;
    d.left = left;
    d.top = top;
    d.width = width;
    d.height = height;
    return d;
}

inline Look font(const char *family, double points, unsigned color, bool bold = false, bool italic = false)
{
    Look l;
    l.font = QString::fromLatin1(family);
    l.pointSize = points;
    l.foreColor = color;
    l.bold = bold;
    l.italic = italic;
    return l;
}

struct Row {
    ControlDesign d;
    Row(Kind kind, const char *name, int index, int left, int top, int width, int height)
        : d(row(kind, name, index, left, top, width, height)) {}
    Row &look(const Look &l) { d.look = l; return *this; }
    Row &caption(const QString &c) { d.caption = c; return *this; }
    Row &tip(const QString &t) { d.tooltip = t; return *this; }
    Row &picture(const char *p) { d.picture = QString::fromLatin1(p); return *this; }
    Row &hidden() { d.visible = false; return *this; }
    Row &disabled() { d.enabled = false; return *this; }
    Row &hand() { d.pointer = Pointer::Hand; return *this; }
    Row &border(unsigned color, int width) { d.borderColor = color; d.look.borderWidth = width; return *this; }
    Row &fill(unsigned color) { d.look.backColor = color; d.look.opaque = true; return *this; }
    Row &align(Align a) { d.look.align = a; return *this; }
    Row &framed() { d.look.bordered = true; return *this; }
    Row &wrap() { d.look.wrap = true; return *this; }
    Row &pixelWidth() { d.widthInPixels = true; return *this; }
    Row &tabStop(int order) { d.tabIndex = order; return *this; }
    Row &valueFrom(const char *label) { d.valueFrom = QString::fromLatin1(label); return *this; }
    Row &spoken(const QString &name) { d.spoken = name; return *this; }
    operator ControlDesign() const { return d; }
};

inline Row line(const char *name, int index, int x1, int y1, int x2, int y2)
{
    return Row(Kind::Line, name, index, x1, y1, x2 - x1, y2 - y1).border(0xFFFFFF, 3);
}

}  // namespace kvizar::design
