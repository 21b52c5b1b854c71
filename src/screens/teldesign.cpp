#include "designbuilder.h"
#include "designs.h"

namespace kvizar {

using namespace design;

const ScreenDesign &telDesign()
{
    static const ScreenDesign d = [] {
        ScreenDesign s;
        s.name = QStringLiteral("tel");
        s.caption = QString();  // the dialog's design gives it no caption
        s.width = 5745;
        s.height = 5505;
        s.background = 0x80FFFF;
        s.frame = Frame::None;
        s.controls.push_back(Row(Kind::Label, "Label1", -1, 1755, 165, 2205, 405)
                                 .look(font("Arial", 18, 0x000000))
                                 .align(Align::Center)
                                 .caption(QStringLiteral("Звонок другу")));
        const int tops[7] = {1050, 1640, 2230, 2820, 3410, 4000, 4590};
        for (int i = 0; i < 7; ++i)
            s.controls.push_back(Row(Kind::Button, "friendsi", i, 735, tops[i], 4305, 540)
                                     .look(font("Times New Roman", 14.25, 0x000000, true))
                                     .fill(0xC0FFC0)
                                     .tabStop(i));
        s.controls.push_back(Row(Kind::Shape, "Shape1", -1, 15, 15, 5715, 5475).border(0x000000, 3));
        s.timers = {{QStringLiteral("Timer1"), 200, true}};
        return s;
    }();
    return d;
}

}  // namespace kvizar
