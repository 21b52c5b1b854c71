#include "gameonwindows.h"

#include "app/startscreen.h"
#include "lifelines/telscreen.h"

#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

using namespace kvizar;
using kvizar::test::GameOnWindows;

TEST(WindowInput, StartButtonShowsLoadingWhileHeldAndOpensTheGameOnRelease)
{
    GameOnWindows g;
    StartScreen &start = *g.program->start;
    Control &button = start.ctl(QStringLiteral("continue"));
    g.press(start, g.centreOf(button));
    EXPECT_EQ(button.picture, QStringLiteral("loading"));
    EXPECT_FALSE(g.game().isShown());
    g.release(start, g.centreOf(button));
    EXPECT_EQ(g.program->start, nullptr);
    EXPECT_TRUE(g.game().isShown());
    EXPECT_TRUE(g.window(g.game()).isVisible());
}

TEST(WindowInput, ReleaseReachesAControlItsOwnPressDisabled)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    ASSERT_TRUE(game.zal.enabled);
    g.press(game, g.centreOf(game.zal));
    EXPECT_FALSE(game.zal.enabled);
    EXPECT_FALSE(game.chart.visible);
    // Released far from the lifeline: the press still owns the release.
    g.release(game, QPoint(2, 2));
    EXPECT_TRUE(game.chart.visible);
    for (int i = 1; i <= 4; ++i)
        EXPECT_TRUE(game.bar(i).visible) << i;
}

TEST(WindowInput, PressReachesTheAnswerLyingOverItsPlate)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    // The answer's label lies in front of its plate; the plate alone takes no press.
    g.press(game, g.centreOf(game.otvet(2)) + QPoint(0, 14));
    g.release(game, g.centreOf(game.otvet(2)) + QPoint(0, 14));
    EXPECT_EQ(game.otvet(2).picture, game.simpleanswer.picture);
    g.press(game, g.centreOf(game.answer(2)), Qt::RightButton);
    EXPECT_EQ(game.otvet(2).picture, game.answerpress.picture);
    EXPECT_EQ(game.state().ChosenAnswer, 2);
}

TEST(WindowInput, ClickNeedsTheReleaseOverThePressedButton)
{
    GameOnWindows g;
    g.click(*g.program->start, g.program->start->ctl(QStringLiteral("continue")));
    GameScreen &game = g.game();
    g.press(game, g.centreOf(game.begin));
    g.release(game, QPoint(2, 2));
    EXPECT_TRUE(game.begin.enabled);
    g.press(game, g.centreOf(game.begin));
    g.release(game, g.centreOf(game.begin));
    EXPECT_FALSE(game.begin.enabled);
}

TEST(WindowInput, PhoneDialogWorksFromTheKeyboard)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    g.click(game, game.teleph);
    ASSERT_NE(g.program->tel, nullptr);
    TelScreen &tel = *g.program->tel;
    const QString third = tel.friendsi(2).caption;
    QWidget &dialog = g.window(tel);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClick(&dialog, Qt::Key_Tab);
    QTest::keyClick(&dialog, Qt::Key_Backtab);
    QTest::keyClick(&dialog, Qt::Key_Space);
    EXPECT_EQ(g.program->tel, nullptr);
    EXPECT_TRUE(game.tablo.caption->startsWith(third)) << game.tablo.caption->toStdString();
    EXPECT_TRUE(game.isEnabled());
}

TEST(WindowInput, TooltipComesFromTheFrontMostControlThatHasOne)
{
    GameOnWindows g;
    g.click(*g.program->start, g.program->start->ctl(QStringLiteral("continue")));
    GameScreen &game = g.game();
    QWidget &window = g.window(game);
    const QPoint at = g.centreOf(game.answer(3));
    QHelpEvent help(QEvent::ToolTip, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &help);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Вариант C"));
}

TEST(WindowInput, HandPointerOverControlsThatAskForIt)
{
    GameOnWindows g;
    g.click(*g.program->start, g.program->start->ctl(QStringLiteral("continue")));
    GameScreen &game = g.game();
    QWidget &window = g.window(game);
    QTest::mouseMove(&window, g.centreOf(game.fifty));
    EXPECT_EQ(window.cursor().shape(), Qt::BitmapCursor);
    QTest::mouseMove(&window, g.centreOf(game.display));
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST(WindowInput, ClosingTheGameWindowEndsTheProgram)
{
    GameOnWindows g;
    g.click(*g.program->start, g.program->start->ctl(QStringLiteral("continue")));
    QWidget &window = g.window(g.game());
    window.close();
    EXPECT_TRUE(g.program->ended());
    EXPECT_FALSE(window.isVisible());
}

TEST(WindowInput, PressHeldWhileItsScreenClosesIsLetGo)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    g.press(game, g.centreOf(game.answer(1)));
    g.wait(46 * 1000);  // the clock runs out and the game goes back to the start screen
    ASSERT_NE(g.program->start, nullptr);
    EXPECT_FALSE(g.program->input.capturing());
    StartScreen &start = *g.program->start;
    g.press(start, g.centreOf(start.ctl(QStringLiteral("continue"))));
    EXPECT_EQ(start.ctl(QStringLiteral("continue")).picture, QStringLiteral("loading"));
}
