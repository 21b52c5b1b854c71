#include "controlpainter.h"

#include "artwork.h"
#include "geometry.h"

#include "screens/fonts.h"

#include <QHash>
#include <QPainter>

namespace kvizar::gui {

namespace {

QColor colour(unsigned rgb)
{
    return QColor(QRgb(rgb));
}

QFont font(const Look &look)
{
    const Face face = faceOf(look);
    QFont f(face.family);
    if (face.pixelSize > 0)
        f.setPixelSize(face.pixelSize);
    f.setBold(face.bold);
    f.setItalic(face.italic);
    return f;
}

Qt::Alignment alignment(Align align)
{
    switch (align) {
    case Align::Center: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Left: break;
    }
    return Qt::AlignLeft;
}

// A frame of `width` pixels drawn inside `r`.
void frame(QPainter &p, QRect r, int width, const QColor &c)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), c);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), c);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), c);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), c);
}

// One pixel ring: the top and left edges in one colour, the bottom and right in another.
void ring(QPainter &p, QRect r, const QColor &topLeft, const QColor &bottomRight)
{
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

// The classic two-pixel 3D edge: raised for buttons, sunken for boxes.
void bevel(QPainter &p, QRect r, bool raised)
{
    const QColor light = colour(0xFFFFFF), face = colour(0xDFDFDF), shadow = colour(0x808080), dark = colour(0x000000);
    if (raised) {
        ring(p, r, light, dark);
        ring(p, r.adjusted(1, 1, -1, -1), face, shadow);
    } else {
        ring(p, r, shadow, light);
        ring(p, r.adjusted(1, 1, -1, -1), dark, face);
    }
}

constexpr int kBevel = 2;

}  // namespace

ControlPainter::ControlPainter(QPainter &painter, Artwork &artwork) : p_(painter), art_(artwork) {}

void ControlPainter::paint(const Screen &screen, const WindowState &state)
{
    const ScreenDesign &design = screen.design();
    p_.fillRect(QRect(0, 0, pixels(design.width), pixels(design.height)), colour(design.background));
    for (const Control *c : screen.paintOrder())
        if (c->visible)
            paint(*c, state);
}

void ControlPainter::paint(const Control &control, const WindowState &state)
{
    const QRect r = controlRect(control);
    p_.save();
    switch (control.kind()) {
    case Kind::Label: label(control, r); break;
    case Kind::Image: art_.draw(p_, control.picture, r.topLeft()); break;
    case Kind::Shape: shape(control, r); break;
    case Kind::RoundShape: roundShape(control, r); break;
    case Kind::Line: line(control); break;
    case Kind::PictureBox: pictureBox(control, r); break;
    case Kind::Button: button(control, r, state); break;
    case Kind::TextField:
    case Kind::RichText: textBox(control, r); break;
    }
    p_.restore();
}

void ControlPainter::label(const Control &control, QRect r)
{
    const Look &look = control.design().look;
    if (look.opaque)
        p_.fillRect(r, colour(look.backColor));
    if (look.bordered)
        frame(p_, r, 1, colour(look.foreColor));
    const QRect text = look.bordered ? r.adjusted(1, 1, -1, -1) : r;
    p_.setClipRect(text);
    p_.setFont(font(look));
    p_.setPen(colour(look.foreColor));
    p_.drawText(text, alignment(look.align) | Qt::AlignTop | Qt::TextWordWrap, control.caption);
}

void ControlPainter::shape(const Control &control, QRect r)
{
    const Look &look = control.design().look;
    if (look.invert) {
        // White drawn as the difference inverts every colour beneath.
        p_.setCompositionMode(QPainter::CompositionMode_Difference);
        p_.fillRect(r, Qt::white);
        return;
    }
    if (look.opaque)
        p_.fillRect(r, colour(look.backColor));
    if (look.borderWidth > 0)
        frame(p_, r, look.borderWidth, colour(control.borderColor));
}

void ControlPainter::roundShape(const Control &control, QRect r)
{
    const Look &look = control.design().look;
    const qreal inset = look.borderWidth / 2.0;
    p_.setRenderHint(QPainter::Antialiasing);
    p_.setPen(look.borderWidth > 0 ? QPen(colour(control.borderColor), look.borderWidth) : QPen(Qt::NoPen));
    p_.setBrush(look.opaque ? QBrush(colour(look.backColor)) : QBrush(Qt::NoBrush));
    p_.drawRoundedRect(QRectF(r).adjusted(inset, inset, -inset, -inset), 10, 10);
}

void ControlPainter::line(const Control &control)
{
    const int x1 = control.left(), y1 = control.top;
    p_.setPen(QPen(colour(control.borderColor), control.design().look.borderWidth, Qt::SolidLine, Qt::SquareCap));
    p_.drawLine(pixels(x1), pixels(y1), pixels(x1 + control.width), pixels(y1 + control.height));
}

void ControlPainter::pictureBox(const Control &control, QRect r)
{
    const Look &look = control.design().look;
    const QRect inside = look.bordered ? r.adjusted(kBevel, kBevel, -kBevel, -kBevel) : r;
    if (look.opaque)
        p_.fillRect(inside, colour(look.backColor));
    p_.setClipRect(inside);
    art_.draw(p_, control.picture, inside.topLeft());
    p_.setClipping(false);
    if (look.bordered)
        bevel(p_, r, false);
}

void ControlPainter::button(const Control &control, QRect r, const WindowState &state)
{
    const Look &look = control.design().look;
    const bool held = state.held == &control;
    p_.fillRect(r, colour(look.backColor));
    QRect face = r.adjusted(kBevel, kBevel, -kBevel, -kBevel);
    if (held)
        face.translate(1, 1);
    p_.setClipRect(r.adjusted(kBevel, kBevel, -kBevel, -kBevel));
    if (const QSize size = art_.size(control.picture); !size.isEmpty()) {
        art_.draw(p_, control.picture, face.center() - QPoint(size.width() / 2, size.height() / 2));
    } else {
        p_.setFont(font(look));
        p_.setPen(control.enabled ? colour(look.foreColor) : colour(0x808080));
        p_.drawText(face, Qt::AlignCenter | Qt::TextWordWrap, control.caption);
    }
    p_.setClipping(false);
    bevel(p_, r, !held);
    if (state.focused == &control) {
        p_.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p_.setBrush(Qt::NoBrush);
        p_.drawRect(face.adjusted(1, 1, -2, -2));
    }
}

void ControlPainter::textBox(const Control &control, QRect r)
{
    p_.fillRect(r, Qt::white);
    p_.setClipRect(r.adjusted(kBevel, kBevel, -kBevel, -kBevel));
    p_.setPen(Qt::black);
    p_.drawText(r.adjusted(kBevel + 1, kBevel, -kBevel, -kBevel), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, control.text);
    p_.setClipping(false);
    bevel(p_, r, false);
}

}  // namespace kvizar::gui
