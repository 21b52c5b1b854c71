#include "gameonwindows.h"

#include "geometry.h"

#include "app/startscreen.h"

#include <gtest/gtest.h>

using namespace kvizar;
using kvizar::test::GameOnWindows;

namespace {

QRgb at(const QImage &image, QPoint p)
{
    return image.pixel(p) & 0xFFFFFF;
}

}  // namespace

TEST(WindowRendering, StartScreenHasItsGreenFrame)
{
    GameOnWindows g;
    ASSERT_NE(g.windows.windowOf(*g.program->start), nullptr);
    const QImage image = g.grab(*g.program->start);
    EXPECT_EQ(image.size(), QSize(261, 305));
    EXPECT_EQ(at(image, QPoint(2, 150)), 0x00FF00u);
    EXPECT_EQ(at(image, QPoint(0, 150)), 0x000000u);
}

TEST(WindowRendering, HighlightInvertsTheLadderAndVanishesWhenHidden)
{
    GameOnWindows g;
    g.click(*g.program->start, g.program->start->ctl(QStringLiteral("continue")));
    GameScreen &game = g.game();
    const QRect bar = gui::controlRect(game.videlenie);
    // Left of the rung number there is only black behind the highlight, so it shows white.
    const QPoint blank = bar.topLeft() + QPoint(2, bar.height() / 2);
    EXPECT_EQ(at(g.grab(game), blank), 0xFFFFFFu);
    game.videlenie.visible = false;
    g.windows.refresh();
    EXPECT_EQ(at(g.grab(game), blank), 0x000000u);
}

TEST(WindowRendering, ChosenAnswerTurnsItsPlateOrange)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    const QRect plate = gui::controlRect(game.otvet(4));
    const QPoint inside(plate.right() - 15, plate.center().y());  // right of the answer's text
    const QRgb before = at(g.grab(game), inside);
    g.press(game, g.centreOf(game.answer(4)));
    const QColor after = QColor::fromRgb(at(g.grab(game), inside));
    EXPECT_NE(after.rgb() & 0xFFFFFF, before);
    EXPECT_GT(after.red(), 200);
    EXPECT_LT(after.blue(), 100);
}

// An answer keeps its designed dark blue; on the dark plate it gets a light halo, and on the
// orange plate of a pressed answer, where the blue reads, none.
TEST(WindowRendering, TextTooFaintForItsGroundGetsAHaloAndKeepsItsColour)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    auto inks = [&](const Control &label) {
        const QImage image = g.grab(game);
        const QRect r = gui::controlRect(label);
        int blue = 0, light = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor c = QColor::fromRgb(image.pixel(x, y));
                blue += c.blue() > 150 && c.red() < 60 && c.green() < 60;
                light += c.lightness() > 130 && c.blue() > c.red() + 20;
            }
        return std::pair{blue, light};
    };
    const auto [blue, light] = inks(game.answer(1));
    EXPECT_GT(blue, 5);    // the designed #0000C0 is there
    EXPECT_GT(light, 20);  // and lit around
    g.press(game, g.centreOf(game.answer(1)));
    const auto [pressedBlue, pressedLight] = inks(game.answer(1));
    EXPECT_GT(pressedBlue, 5);
    EXPECT_EQ(pressedLight, 0);
}
