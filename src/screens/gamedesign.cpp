#include "designbuilder.h"
#include "designs.h"

#include "core/ladder.h"

namespace kvizar {

using namespace design;

namespace {

constexpr unsigned kAnswerText = 0x0000C0;  // on the dark plates the painter gives it a halo

void addLifelines(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::Image, "used", 1, 3135, 180, 900, 900).hidden());
    c.push_back(Row(Kind::Image, "fifty", -1, 3120, 180, 900, 900).picture("fifty").tip(QStringLiteral("Пятьдесят на пятьдесят")).hand());
    c.push_back(Row(Kind::Image, "used", 2, 4177, 180, 900, 900).hidden());
    c.push_back(Row(Kind::Image, "zal", -1, 4177, 180, 900, 900).picture("audience").tip(QStringLiteral("Помощь зала")).hand());
    c.push_back(Row(Kind::Image, "used", 3, 5235, 180, 900, 900).picture("used").hidden());
    c.push_back(Row(Kind::Image, "teleph", -1, 5235, 180, 900, 900).picture("phone").tip(QStringLiteral("Звонок другу")).hand());
}

void addHostLine(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::Label, "tablo", -1, 3180, 1860, 3000, 1665)
                    .look(font("Arial", 9.75, 0x000000))
                    .align(Align::Center)
                    .wrap()
                    .caption(QStringLiteral("И Вы забираете 1,000,000 рублей! Поздравляю Вас! Великолепная игра! Ваша эрудиция "
                                            "заставит нас долго помнить эту игру. До новых встреч! Играйте и выигрывайте!")));
}

// The audience's chart lies inside the speech balloon: it and its bars stand in front of it.
void addPoll(std::vector<ControlDesign> &c)
{
    const int lefts[4] = {4275, 4590, 4920, 5250};
    for (int i = 0; i < 4; ++i)
        c.push_back(Row(Kind::Shape, "bar", i + 1, lefts[i], 2910, 195, 240).fill(0xFF0000).border(0xFF0000, 1).hidden());
    c.push_back(Row(Kind::Image, "chart", -1, 3780, 2360, 1875, 1155).picture("chart").hidden());
}

void addHost(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::RoundShape, "Shape1", -1, 3120, 1785, 3180, 1815).fill(0xFFFFFF).border(0x000000, 1));
    c.push_back(Row(Kind::Image, "banner", -1, 6615, 705, 2130, 450).picture("banner").hand().spoken(QStringLiteral("Сайт игры")));
    c.push_back(Row(Kind::Button, "begin", -1, 4095, 2460, 1515, 465)
                    .look(font("Comic Sans MS", 12, 0x000000))
                    .fill(0x00FF00)
                    .caption(QStringLiteral("начинаем!")));
    c.push_back(Row(Kind::Image, "velmar", 0, -75, 60, 2850, 3150).picture("host-talk").hidden());
    c.push_back(Row(Kind::Image, "velmar", 1, -75, 60, 2850, 3150).picture("host-rest"));
}

void addQuestion(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::Image, "ficha", -1, 2790, 2835, 375, 375).picture("ornament"));
    c.push_back(Row(Kind::Label, "display", -1, 195, 3600, 6060, 1485)
                    .look(font("Comic Sans MS", 12, 0x00FFFF, true))
                    .fill(0x000000)
                    .wrap());
}

void addAnswers(std::vector<ControlDesign> &c)
{
    const int answerAt[4][2] = {{915, 5385}, {3990, 5385}, {945, 6315}, {3990, 6315}};
    const char *const letters[4] = {"A", "B", "C", "D"};
    for (int i = 0; i < 4; ++i)
        c.push_back(Row(Kind::Label, "answer", i + 1, answerAt[i][0], answerAt[i][1], 1890, 270)
                        .look(font("Times New Roman", 9.75, kAnswerText))
                        .tip(QStringLiteral("Вариант ") + QLatin1String(letters[i]))
                        .hand());
    const int letterAt[4][2] = {{615, 5310}, {3675, 5310}, {630, 6255}, {3675, 6255}};
    for (int i = 0; i < 4; ++i)
        c.push_back(Row(Kind::Label, "Label2", i + 1, letterAt[i][0], letterAt[i][1], 315, 330)
                        .look(font("Arial", 14.25, 0xFFFFFF, true))
                        .caption(QLatin1String(letters[i]) + QLatin1Char(':')));
    const int plateAt[4][2] = {{345, 5205}, {3390, 5205}, {345, 6135}, {3390, 6135}};
    for (int i = 0; i < 4; ++i)
        c.push_back(Row(Kind::Image, "otvet", i + 1, plateAt[i][0], plateAt[i][1], 2685, 555).picture("capsule-black").hand());
    const int ys[2] = {5475, 6405};
    const int xs[3][2] = {{15, 360}, {3045, 3360}, {6030, 6345}};
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 3; ++col)
            c.push_back(line("Line5", row * 3 + col, xs[col][0], ys[row], xs[col][1], ys[row]));
    c.push_back(Row(Kind::Shape, "Shape2", -1, 0, 5130, 6330, 1680).fill(0x808080).border(0x808080, 1));
}

void addPictureSources(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::Image, "simpleanswer", -1, 9855, 5805, 2685, 555).picture("capsule-black"));
    c.push_back(Row(Kind::Image, "answerpress", -1, 10260, 5115, 2685, 555).picture("capsule-orange"));
    c.push_back(Row(Kind::Image, "trueanswer", -1, 10275, 3660, 2685, 555).picture("capsule-green"));
    c.push_back(Row(Kind::Image, "pimpanow", -1, 9855, 6150, 195, 195).picture("diamond"));
}

void addLadder(std::vector<ControlDesign> &c)
{
    Row highlight(Kind::Shape, "videlenie", -1, 6465, kRungTop[1], 2295, 270);
    highlight.d.look.invert = true;
    c.push_back(highlight);
    for (int k = 1; k <= kQuestionCount; ++k)
        c.push_back(Row(Kind::Image, "pimpa", k, 7005, kRungTop[k] + 30, 135, 135).picture("diamond"));
    for (int k = 1; k <= kQuestionCount; ++k) {
        const unsigned colour = rungOf(k)->milestone ? 0xE0E0E0 : 0xFF8000;
        c.push_back(Row(Kind::Label, "number", k, 6570, kRungTop[k], 345, 255)
                        .look(font("Lucida Sans", 11.25, colour, true, true))
                        .align(Align::Right)
                        .caption(QString::number(k)));
    }
    for (int k = 1; k <= kQuestionCount; ++k) {
        const unsigned colour = rungOf(k)->milestone ? 0xE0E0E0 : 0xFF8000;
        const int left = k == 14 ? 7320 : k == 15 ? 7290 : 7305;
        c.push_back(Row(Kind::Label, "denga", k, left, kRungTop[k], 1410, 255)
                        .look(font("Lucida Sans", 11.25, colour, true, true))
                        .caption(QLatin1String(rungOf(k)->caption)));
    }
}

void addFrameAndClock(std::vector<ControlDesign> &c)
{
    c.push_back(line("Line1", -1, 6345, -90, 6345, 6795));
    c.push_back(line("Line2", -1, 15, 6795, 8985, 6795));
    c.push_back(line("Line3", -1, 0, 5100, 6345, 5100));
    c.push_back(line("Line4", -1, 6360, 1935, 9000, 1935));
    c.push_back(Row(Kind::Label, "Label3", -1, 270, 6885, 2055, 285)
                    .look(font("Times New Roman", 12, 0x00FFFF, true))
                    .caption(QStringLiteral("Оставшееся время")));
    // To assistive technology the clock is a gauge of the seconds that clocktablo shows.
    c.push_back(Row(Kind::PictureBox, "Picture1", -1, 2415, 6870, 5460, 345)
                    .framed()
                    .tip(QStringLiteral("Оставшееся время"))
                    .valueFrom("clocktablo"));
    // The time bar sits inside Picture1's border, whose scale unit is the pixel: the game sets
    // its width in pixels.
    c.push_back(Row(Kind::PictureBox, "timebar", -1, 2430, 6885, 360, 315).picture("timebar").pixelWidth());
    c.push_back(Row(Kind::Label, "clocktablo", -1, 7965, 6855, 930, 355)
                    .look(font("Arial", 14.25, 0x00FFFF, true))
                    .align(Align::Center)
                    .framed());
}

void addHolders(std::vector<ControlDesign> &c)
{
    c.push_back(Row(Kind::RichText, "InData", -1, 10680, 810, 1080, 1935));
    c.push_back(Row(Kind::TextField, "adcoder", -1, 9690, 1770, 975, 960).hidden());
    c.push_back(Row(Kind::TextField, "forcoder", -1, 9690, 810, 975, 960).hidden());
}

}  // namespace

const ScreenDesign &gameDesign()
{
    static const ScreenDesign d = [] {
        ScreenDesign s;
        s.name = QStringLiteral("game");
        s.caption = QStringLiteral("Квизар");
        s.width = 8985;
        s.height = 7245;
        s.background = 0x000000;
        s.frame = Frame::FixedSingle;
        addLifelines(s.controls);
        addHostLine(s.controls);
        addPoll(s.controls);
        addHost(s.controls);
        addQuestion(s.controls);
        addAnswers(s.controls);
        addPictureSources(s.controls);
        addLadder(s.controls);
        addFrameAndClock(s.controls);
        addHolders(s.controls);
        s.timers = {{QStringLiteral("forclock"), 1000, true},
                    {QStringLiteral("Timer1"), 100, false},
                    {QStringLiteral("Timer2"), 100, false},
                    {QStringLiteral("Timer3"), 200, false},
                    {QStringLiteral("maintimer"), 250, false}};
        return s;
    }();
    return d;
}

}  // namespace kvizar
