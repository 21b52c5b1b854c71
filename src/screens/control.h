#pragma once

#include <QString>
#include <QStringList>

#include <deque>
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
    Look look;
    QString caption;
    QString tooltip;
    QString picture;  // picture id, empty for none
    bool visible = true;
    bool enabled = true;
    Pointer pointer = Pointer::Default;
    unsigned borderColor = 0x000000;
};

// A control as the game sees it: the design plus the properties the game reads and writes.
class Control {
public:
    explicit Control(const ControlDesign &d);

    const ControlDesign &design() const { return d_; }
    const QString &name() const { return d_.name; }
    int index() const { return d_.index; }
    Kind kind() const { return d_.kind; }
    int left() const { return d_.left; }

    QString caption;
    QString text;  // text fields and the rich-text box
    QString picture;
    QString tag;
    bool visible;
    bool enabled;
    int top;
    int height;
    int width;
    unsigned borderColor;
    Pointer pointer;

private:
    ControlDesign d_;
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
