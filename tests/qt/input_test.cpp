#include "gameonwindows.h"

#include "app/startscreen.h"
#include "lifelines/telscreen.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
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

// A key held is a press held: the Russian layout's letter is the answer's key too, and the
// pairs of release and press that auto-repeat sends are no release.
TEST(WindowInput, AKeyHeldIsAPressAndAutoRepeatIsNoRelease)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    QWidget &window = g.window(game);
    const int ef = u'Ф';
    QTest::sendKeyEvent(QTest::KeyAction::Press, &window, Qt::Key(ef), QStringLiteral("ф"), Qt::NoModifier);
    EXPECT_EQ(g.program->input.held(), &game.answer(1));
    EXPECT_EQ(game.otvet(1).picture, game.answerpress.picture);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, ef, Qt::NoModifier, QStringLiteral("ф"), true);
        QKeyEvent down(QEvent::KeyPress, ef, Qt::NoModifier, QStringLiteral("ф"), true);
        QApplication::sendEvent(&window, &up);
        QApplication::sendEvent(&window, &down);
    }
    EXPECT_FALSE(game.state().AlreadyPressed);
    QTest::sendKeyEvent(QTest::KeyAction::Release, &window, Qt::Key(ef), QStringLiteral("ф"), Qt::NoModifier);
    EXPECT_TRUE(game.state().AlreadyPressed);
    EXPECT_EQ(game.state().ChosenAnswer, 1);
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);  // not the audience: a key with Ctrl is no game key
    EXPECT_FALSE(game.used(2).visible);
}

// Zoomed, a window is larger by the zoom and a click lands on the control drawn under it.
TEST(WindowInput, AtOneHundredAndFiftyPercentAClickFindsTheControlDrawnThere)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    gui::ScreenWindow &window = g.window(game);
    const QSize normal = window.size();
    g.windows.setZoom(150);
    EXPECT_EQ(window.size(), normal * 1.5);
    const QPoint at = g.centreOf(game.answer(3)) * 1.5;
    EXPECT_EQ(window.controlAt(at), &game.answer(3));
    EXPECT_EQ(window.controlAt(g.centreOf(game.answer(3))), nullptr);  // where it lies unzoomed: the gap above the plates
    g.press(game, at);
    g.release(game, at);
    EXPECT_EQ(game.state().ChosenAnswer, 3);
    const QImage shot = g.grab(game);
    EXPECT_EQ(shot.size(), normal * 1.5 * shot.devicePixelRatio());
    // The chosen plate is drawn orange where the zoom puts it.
    const QColor plate = shot.pixelColor(g.centreOf(game.otvet(3)) * 1.5 + QPoint(0, 12));
    EXPECT_GT(plate.red(), 150);
    EXPECT_LT(plate.blue(), 100);
}

namespace {

QAccessibleInterface *named(QAccessibleInterface *window, const QString &name, QAccessible::Role role = QAccessible::NoRole)
{
    for (int i = 0; i < window->childCount(); ++i)
        if (window->child(i)->text(QAccessible::Name) == name && (role == QAccessible::NoRole || window->child(i)->role() == role))
            return window->child(i);
    return nullptr;
}

}  // namespace

// The painted controls as assistive technology finds them at question 1, described from the
// model: the question, the four answers, the host's line, the lifelines, the clock.
TEST(Accessibility, TheGameScreenAtQuestionOneIsDescribedFromTheModel)
{
    GameOnWindows g;
    g.toQuestion1();
    GameScreen &game = g.game();
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&g.window(game));
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->text(QAccessible::Name), QStringLiteral("Квизар"));

    QAccessibleInterface *question = named(window, game.display.caption);
    ASSERT_NE(question, nullptr) << game.display.caption->toStdString();
    EXPECT_EQ(question->role(), QAccessible::StaticText);
    EXPECT_EQ(question->parent(), window);
    EXPECT_EQ(window->child(window->indexOfChild(question)), question);
    for (int i = 1; i <= 4; ++i) {
        QAccessibleInterface *answer = named(window, game.answer(i).caption);
        ASSERT_NE(answer, nullptr) << i;
        EXPECT_EQ(answer->role(), QAccessible::Button);
        EXPECT_EQ(answer->text(QAccessible::Description), QStringLiteral("Вариант %1").arg(QChar(u'A' + i - 1)));
        EXPECT_FALSE(answer->state().disabled);
        EXPECT_FALSE(answer->state().invisible);
        EXPECT_TRUE(answer->rect().intersects(QRect(g.window(game).mapToGlobal(QPoint(0, 0)), g.window(game).size())));
    }
    EXPECT_EQ(named(window, game.tablo.caption)->role(), QAccessible::StaticText);
    QAccessibleInterface *fifty = named(window, QStringLiteral("Пятьдесят на пятьдесят"));
    ASSERT_NE(fifty, nullptr);
    EXPECT_EQ(fifty->role(), QAccessible::Button);
    EXPECT_TRUE(named(window, QStringLiteral("начинаем!"))->state().invisible);

    QAccessibleInterface *clock = named(window, QStringLiteral("Оставшееся время"), QAccessible::ProgressBar);
    ASSERT_NE(clock, nullptr);
    ASSERT_NE(clock->valueInterface(), nullptr);
    EXPECT_EQ(clock->valueInterface()->currentValue().toInt(), game.clocktablo.caption->toInt());
    EXPECT_GT(clock->valueInterface()->currentValue().toInt(), 0);
    // Nothing of the stores beyond the window's edge.
    EXPECT_EQ(named(window, QStringLiteral("InData")), nullptr);
    for (int i = 0; i < window->childCount(); ++i)
        EXPECT_NE(window->child(i)->role(), QAccessible::NoRole);

    // Fifty-fifty: the two answers it takes away have nothing left to say.
    g.click(game, game.fifty);
    int silent = 0;
    for (int i = 0; i < window->childCount(); ++i) {
        const QAccessibleInterface *c = window->child(i);
        silent += c->role() == QAccessible::Button && c->text(QAccessible::Name).isEmpty() &&
                  c->text(QAccessible::Description).startsWith(QStringLiteral("Вариант"));
    }
    EXPECT_EQ(silent, 2);

    // With the phone dialog open the game is disabled, and the dialog is named by its heading.
    g.click(game, game.teleph);
    ASSERT_NE(g.program->tel, nullptr);
    EXPECT_TRUE(named(window, game.state().RightAnswer)->state().disabled);
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(&g.window(*g.program->tel));
    EXPECT_EQ(dialog->text(QAccessible::Name), QStringLiteral("Звонок другу"));
    QAccessibleInterface *friend0 = named(dialog, g.program->tel->friendsi(0).caption);
    ASSERT_NE(friend0, nullptr);
    EXPECT_TRUE(friend0->state().focusable);
}
