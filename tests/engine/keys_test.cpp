#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

// How each answer is struck in turn: its Latin letter, the Russian letter on the same key, its digit.
int answerKey(int answer, int turn)
{
    const char letter = char('A' + answer - 1);
    switch (turn % 3) {
    case 0: return Qt::Key_A + answer - 1;
    case 1: return russianOnKey(letter);
    default: return Qt::Key_0 + answer;
    }
}

}  // namespace

// Start, begin, every answer, each lifeline and a friend, all from the keyboard.
TEST(Keys, AWholeGameIsWonWithTheKeyboardAlone)
{
    Harness h(7);
    h.startProgram();
    StartScreen &start = *h.program->start;
    ASSERT_TRUE(h.keyDown(start, Qt::Key_Space));
    EXPECT_EQ(start.ctl(QStringLiteral("continue")).picture, QStringLiteral("loading"));  // the key down is the press
    h.keyUp(Qt::Key_Space);
    GameScreen &g = h.game();
    ASSERT_TRUE(g.isShown());
    h.key(g, Qt::Key_Return);
    h.wait(28 * 200);
    ASSERT_EQ(g.QuestionNow, 1);
    EXPECT_EQ(g.controlForKey(Qt::Key_Return), &g.begin);
    EXPECT_FALSE(h.keyDown(g, Qt::Key_Return));  // "начинаем!" has gone: Return does nothing

    for (int q = 1; q <= 15; ++q) {
        ASSERT_EQ(g.QuestionNow, q);
        if (q == 2)
            h.key(g, Qt::Key_F);
        if (q == 3)
            h.key(g, u'Я');
        if (q == 4) {
            h.key(g, Qt::Key_T);
            ASSERT_NE(h.program->tel, nullptr);
            const QString line = g.tablo.caption;
            h.key(*h.program->tel, Qt::Key_5);
            EXPECT_EQ(h.program->tel, nullptr);
            EXPECT_NE(g.tablo.caption, line);  // the friend had a word
        }
        h.key(g, answerKey(h.rightIndex(), q));
        for (int t = 0; t < 400 && g.QuestionNow == q && !g.state().GameFinished; ++t)
            h.wait(100);
    }
    EXPECT_TRUE(g.state().GameFinished);
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(g.used(i).visible) << i;
    EXPECT_EQ(g.pimpa(15).picture, g.pimpanow.picture);
}

// A key stands for its control only while that control would take a press; one key or
// button at a time; Escape on the start screen is its exit button.
TEST(Keys, AKeyIsTheMousePressOfItsControl)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    EXPECT_EQ(g.controlForKey(Qt::Key_M), nullptr);
    EXPECT_FALSE(h.keyDown(g, Qt::Key_M));
    ASSERT_TRUE(h.keyDown(g, Qt::Key_1));
    EXPECT_FALSE(h.keyDown(g, Qt::Key_2));  // another key meanwhile goes nowhere
    EXPECT_FALSE(h.press(g, g.answer(3)));  // and so does the mouse
    h.release(&g.answer(1));                // a mouse release does not end a key's press
    EXPECT_FALSE(g.AlreadyPressed);
    h.keyUp(Qt::Key_2);
    EXPECT_FALSE(g.AlreadyPressed);
    h.keyUp(Qt::Key_1);
    EXPECT_TRUE(g.AlreadyPressed);
    EXPECT_EQ(g.state().ChosenAnswer, 1);
    h.key(g, Qt::Key_F);  // a lifeline after the commit does nothing, as with the mouse
    EXPECT_FALSE(g.used(1).visible);

    Harness leaving;
    leaving.startProgram();
    leaving.key(*leaving.program->start, Qt::Key_Escape);
    EXPECT_TRUE(leaving.rec.exited);
}
