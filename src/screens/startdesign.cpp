#include "designbuilder.h"
#include "designs.h"

namespace kvizar {

using namespace design;

const ScreenDesign &startDesign()
{
    static const ScreenDesign d = [] {
        ScreenDesign s;
        s.name = QStringLiteral("start");
        s.caption = QStringLiteral("start");
        s.width = 3915;
        s.height = 4575;
        s.background = 0x000000;
        s.frame = Frame::None;
        s.controls = {
            Row(Kind::Button, "continue", -1, 900, 3150, 2100, 540).fill(0xFFFFFF).tip(QStringLiteral("Начать игру")),
            Row(Kind::Button, "exitfromgame", -1, 1335, 3855, 1245, 435).fill(0x000000).picture("exit").tip(QStringLiteral("Выход")),
            Row(Kind::PictureBox, "Image2", -1, 1005, 870, 1890, 1890).picture("logo2").framed(),
            Row(Kind::PictureBox, "Image1", -1, 1005, 870, 1890, 1890).picture("logo1").framed(),
            Row(Kind::TextField, "basedatstring", -1, 90, 3720, 750, 285).hidden(),
            Row(Kind::TextField, "basestring", -1, 90, 4140, 750, 285).hidden(),
            Row(Kind::Image, "Image3", -1, 330, 300, 3240, 525).picture("title"),
            Row(Kind::Image, "imgbegin", -1, 4185, 2325, 2235, 675).picture("begin"),
            Row(Kind::Image, "loading", -1, 4215, 1605, 2220, 675).picture("loading"),
            Row(Kind::Shape, "Shape1", -1, 15, 15, 3885, 4545).border(0x00FF00, 3),
        };
        s.timers = {{QStringLiteral("Timer1"), 250, true}};
        return s;
    }();
    return d;
}

}  // namespace kvizar
