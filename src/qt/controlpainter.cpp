#include "controlpainter.h"

#include "artwork.h"
#include "geometry.h"

#include "screens/fonts.h"

#include <QHash>
#include <QPainter>
#include <QImage>

#include <algorithm>
#include <cmath>

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

// The relative luminance of a colour and the contrast of two, as the web's accessibility
// guidelines define them; below 4.5 small text is hard to read.
constexpr double kLegible = 4.5;

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Blurs an image in place: three passes of a box blur of `radius` pixels, across and down.
void blur(QImage &image, int radius)
{
    const int w = image.width(), h = image.height(), span = 2 * radius + 1;
    std::vector<QRgb> line(std::size_t(std::max(w, h)));
    for (int pass = 0; pass < 3; ++pass)
        for (int across = 0; across < 2; ++across) {
            const int n = across ? w : h, lines = across ? h : w;
            for (int l = 0; l < lines; ++l) {
                auto at = [&](int i) -> QRgb & {
                    return reinterpret_cast<QRgb *>(image.scanLine(across ? l : i))[across ? i : l];
                };
                for (int i = 0; i < n; ++i)
                    line[std::size_t(i)] = at(i);
                for (int i = 0; i < n; ++i) {
                    int a = 0, r = 0, g = 0, b = 0;
                    for (int k = i - radius; k <= i + radius; ++k) {
                        if (k < 0 || k >= n)
                            continue;
                        const QRgb p = line[std::size_t(k)];
                        a += qAlpha(p), r += qRed(p), g += qGreen(p), b += qBlue(p);
                    }
                    at(i) = qRgba(r / span, g / span, b / span, a / span);
                }
            }
        }
}

QColor mixed(const QColor &a, const QColor &b, double towardsB)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * towardsB), float(a.greenF() + (b.greenF() - a.greenF()) * towardsB),
                            float(a.blueF() + (b.blueF() - a.blueF()) * towardsB));
}

}  // namespace

ControlPainter::ControlPainter(QPainter &painter, Artwork &artwork) : p_(painter), art_(artwork) {}

void ControlPainter::paint(const Screen &screen, const WindowState &state, const QRegion &region)
{
    const ScreenDesign &design = screen.design();
    backgroundOf_ = design.background;
    for (const QRect &r : region)
        p_.fillRect(r, colour(design.background));
    painted_.clear();
    for (const Control *c : screen.paintOrder()) {
        // A little beyond its rectangle: lines' widths, halos and focus marks reach out.
        if (!c->visible || !region.intersects(controlRect(*c).normalized().adjusted(-4, -4, 4, 4)))
            continue;
        paint(*c, state);
        painted_.push_back(c);
    }
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
    const int flags = alignment(look.align) | Qt::AlignTop | Qt::TextWordWrap;
    const QColor ink = colour(look.foreColor);
    p_.setClipRect(text);
    p_.setFont(font(look));
    // Text that all but vanishes into what lies behind it keeps its colour and gets a soft halo
    // of the same hue behind its glyphs: light on a dark ground, dark on a light one.
    const QColor ground = look.opaque ? colour(look.backColor) : backdrop(r);
    if (ground.isValid() && contrast(ink, ground) < kLegible && !control.caption.isEmpty()) {
        const QColor halo = mixed(ink, luminance(ground) < 0.18 ? QColor(Qt::white) : QColor(Qt::black), 0.85);
        const qreal ratio = p_.device()->devicePixelRatioF() * p_.transform().m11();
        const int pad = 3;
        QImage glow((QSizeF(text.size()) * ratio).toSize() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
        glow.fill(Qt::transparent);
        {
            QPainter g(&glow);
            g.translate(pad, pad);
            g.scale(ratio, ratio);
            g.setFont(p_.font());
            g.setPen(halo);
            g.drawText(QRectF(QPointF(0, 0), QSizeF(text.size())), flags, control.caption);
        }
        blur(glow, qMax(1, qRound(ratio)));
        glow.setDevicePixelRatio(ratio);
        p_.save();
        p_.setClipping(false);
        for (int pass = 0; pass < 3; ++pass)  // thrice: a halo strong enough to read against
            p_.drawImage(QPointF(text.topLeft()) - QPointF(pad, pad) / ratio, glow);
        p_.restore();
        p_.setClipRect(text);
    }
    p_.setPen(ink);
    p_.drawText(text, flags, control.caption);
}

// The colour painted behind the middle of a transparent label's text: that of the front-most
// control already painted there, or the screen's background.
QColor ControlPainter::backdrop(QRect r) const
{
    const QPoint middle(r.center().x(), r.top() + std::min(r.height(), 12) / 2);
    for (auto it = painted_.rbegin(); it != painted_.rend(); ++it) {
        const Control &c = **it;
        const QRect under = controlRect(c);
        if (!under.contains(middle))
            continue;
        const Look &look = c.design().look;
        switch (c.kind()) {
        case Kind::Image:
        case Kind::PictureBox:
            if (const QColor mean = art_.meanColour(c.picture, QRect(r.topLeft() - under.topLeft(), r.size())); mean.isValid())
                return mean;
            break;
        case Kind::Label:
        case Kind::Shape:
        case Kind::RoundShape:
        case Kind::Button:
            if (look.opaque)
                return colour(look.backColor);
            break;
        default:
            break;
        }
    }
    return colour(backgroundOf_);
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
