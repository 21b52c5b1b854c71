#include "support/harness.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kvizar;
using namespace kvizar::test;

namespace {

void useLifeline(Harness &h, Control &icon)
{
    h.press(h.game(), icon);
    h.release(&icon);
}

// Percent of the bar's height, without the bonus.
int percentOf(int height) { return (height * 100 + 718) / 719; }

}  // namespace

TEST(Fifty, RemovesEachPairOfWrongAnswersAboutAThirdOfTheTime)
{
    std::map<QString, int> pairs;
    const int games = 600;
    for (int seed = 1; seed <= games; ++seed) {
        Harness h{std::uint64_t(seed)};
        h.toQuestion1();
        GameScreen &g = h.game();
        useLifeline(h, g.fifty);
        QStringList removed;
        int empty = 0;
        for (int i = 1; i <= 4; ++i) {
            if (g.answer(i).caption.isEmpty()) {
                ++empty;
                EXPECT_FALSE(g.answer(i).enabled);
            }
        }
        ASSERT_EQ(empty, 2);
        EXPECT_NE(h.rightIndex(), 0);
        QStringList left;
        for (int i = 1; i <= 4; ++i)
            left << g.answer(i).caption;
        for (const QString &w : {QStringLiteral("Неверно 1-2"), QStringLiteral("Неверно 1-3"), QStringLiteral("Неверно 1-4")})
            if (!left.contains(w))
                removed << w;
        ++pairs[removed.join(QLatin1Char('+'))];
        EXPECT_FALSE(g.fifty.enabled);
        EXPECT_TRUE(g.used(1).visible);
        EXPECT_EQ(g.tablo.caption, QStringLiteral("Мы просим компьютер убрать два заведомо неверных варианта."));
        EXPECT_EQ(g.tablo.caption.size(), 58);
    }
    ASSERT_EQ(pairs.size(), 3u);
    for (const auto &[pair, n] : pairs)
        EXPECT_NEAR(n, games / 3, 60) << pair.toStdString();
}

TEST(Fifty, NothingHappensOnceAnAnswerIsCommitted)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.answer(h.rightIndex());
    const qsizetype from = h.rec.lines.size();
    useLifeline(h, g.fifty);
    useLifeline(h, g.zal);
    useLifeline(h, g.teleph);
    EXPECT_TRUE(h.linesSince(from).isEmpty());
    EXPECT_TRUE(g.fifty.enabled && g.zal.enabled && g.teleph.enabled);
    EXPECT_FALSE(g.used(1).visible || g.used(2).visible || g.used(3).visible);
    EXPECT_EQ(h.program->tel, nullptr);
}

TEST(Fifty, AnswersRepeatingTheRightOneCannotHangTheRemoval)
{
    QStringList records = standardRecords();
    records[0] = QStringLiteral("Повторы?|Да||Да|||Да||||Нет|||||");
    Harness h(1, encode(baseText(records)));
    h.toQuestion1();
    GameScreen &g = h.game();
    useLifeline(h, g.fifty);
    int empty = 0;
    for (int i = 1; i <= 4; ++i)
        empty += g.answer(i).caption.isEmpty() ? 1 : 0;
    EXPECT_EQ(empty, 1);
    useLifeline(h, g.zal);  // three answers on screen, two in play: the poll still ends
    EXPECT_TRUE(g.chart.visible);
}

TEST(Audience, SharesStayInTheirRangesAndAddUpToAHundred)
{
    struct Case {
        int question, bonus;
        int most[2];  // the largest share an answer can get: four in play, two in play
    };
    for (const Case &c : {Case{1, 60, {16, 30}}, Case{6, 30, {40, 60}}, Case{8, 20, {50, 70}}, Case{10, 15, {55, 75}},
                          Case{13, 10, {60, 80}}}) {
        for (bool halved : {false, true}) {
            for (int seed = 1; seed <= 30; ++seed) {
                Harness h{std::uint64_t(seed * 31 + c.question)};
                h.toQuestion(c.question);
                GameScreen &g = h.game();
                if (halved)
                    useLifeline(h, g.fifty);
                useLifeline(h, g.zal);
                EXPECT_TRUE(g.chart.visible);
                EXPECT_EQ(g.tablo.caption, QStringLiteral("Мнение зала распределилось так: "));
                int shown = 0, total = 0;
                for (int i = 1; i <= 4; ++i) {
                    const Control &bar = g.bar(i);
                    EXPECT_TRUE(bar.tag.isEmpty());
                    if (g.answer(i).caption.isEmpty()) {
                        EXPECT_FALSE(bar.visible);
                        continue;
                    }
                    ASSERT_TRUE(bar.visible);
                    ++shown;
                    EXPECT_EQ(bar.top + bar.height, 3150);
                    int h719 = bar.height;
                    if (g.answer(i).caption == g.RightAnswer)
                        h719 -= 719 * c.bonus / 100;
                    const int share = percentOf(h719);
                    EXPECT_GE(share, halved || c.bonus != 60 ? 10 : 6) << c.question;
                    EXPECT_LE(share, c.most[halved ? 1 : 0]) << c.question;
                    total += share;
                }
                EXPECT_EQ(shown, halved ? 2 : 4);
                EXPECT_NEAR(total, 100 - c.bonus, 1) << c.question << (halved ? " halved" : "");
            }
        }
    }
}

TEST(Audience, OnQuestionOneTheRightAnswerTowers)
{
    for (int seed = 1; seed <= 50; ++seed) {
        Harness h{std::uint64_t(seed)};
        h.toQuestion1();
        GameScreen &g = h.game();
        useLifeline(h, g.zal);
        for (int i = 1; i <= 4; ++i) {
            if (g.answer(i).caption == g.RightAnswer)
                EXPECT_GE(g.bar(i).height, 719 * 6 / 100 + 431);
            else
                EXPECT_LE(g.bar(i).height, 115);
        }
    }
}

TEST(Audience, ThePressHidesNothingButTheNextPressOrTheCommitHidesThePoll)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.press(g, g.zal);
    EXPECT_FALSE(g.zal.enabled);  // its release still arrives: the capture rule
    h.release(nullptr);
    EXPECT_TRUE(g.chart.visible);
    h.press(g, g.answer(h.rightIndex()));
    EXPECT_TRUE(g.chart.visible);
    h.release(nullptr);
    EXPECT_FALSE(g.chart.visible);
    for (int i = 1; i <= 4; ++i)
        EXPECT_FALSE(g.bar(i).visible);

    for (bool byPhone : {true, false}) {
        Harness h2;
        h2.toQuestion1();
        GameScreen &g2 = h2.game();
        useLifeline(h2, g2.zal);
        h2.press(g2, byPhone ? g2.teleph : g2.fifty);
        EXPECT_FALSE(g2.chart.visible);
        for (int i = 1; i <= 4; ++i)
            EXPECT_FALSE(g2.bar(i).visible);
    }
}

TEST(Phone, TheDialogNamesSevenFriendsWithMatchingGenders)
{
    const QStringList men{"Алексей", "Борис", "Виталий", "Григорий", "Дмитрий", "Иван", "Константин", "Николай", "Олег", "Петр", "Роман", "Сергей"};
    for (int seed = 1; seed <= 30; ++seed) {
        Harness h{std::uint64_t(seed)};
        h.toQuestion1();
        GameScreen &g = h.game();
        useLifeline(h, g.teleph);
        ASSERT_NE(h.program->tel, nullptr);
        TelScreen &tel = *h.program->tel;
        EXPECT_TRUE(tel.isShown());
        EXPECT_FALSE(g.isEnabled());
        EXPECT_TRUE(g.used(3).visible);
        EXPECT_FALSE(g.teleph.enabled);
        for (int i = 0; i <= 6; ++i) {
            const QStringList parts = tel.friendsi(i).caption->split(QLatin1Char(' '));
            ASSERT_EQ(parts.size(), 2) << tel.friendsi(i).caption->toStdString();
            const bool man = men.contains(parts[0]);
            EXPECT_EQ(parts[1].endsWith(QStringLiteral("ич")), man) << tel.friendsi(i).caption->toStdString();
            EXPECT_TRUE(parts[1].endsWith(man ? QStringLiteral("ич") : QStringLiteral("на")));
        }
        // While the dialog is open the game screen takes no press.
        EXPECT_FALSE(h.press(g, g.answer(1)));
        const unsigned before = tel.Shape1.borderColor;
        std::set<unsigned> colours{before};
        for (int t = 0; t < 40; ++t) {
            h.wait(200);
            colours.insert(tel.Shape1.borderColor);
        }
        EXPECT_GT(colours.size(), 5u);
        h.click(tel, tel.friendsi(3));
        EXPECT_EQ(h.program->tel, nullptr);
        EXPECT_TRUE(g.isEnabled());
        EXPECT_TRUE(g.tablo.caption->endsWith(QStringLiteral("правильный ответ это - ") + g.RightAnswer));
        EXPECT_TRUE(g.Timer1.enabled());
    }
}

namespace {

// Whether the friend's line points to the right answer, by text or letter.
bool pointsRight(const GameScreen &g, int right)
{
    const QString &line = g.tablo.caption;
    const QString letter = g.Label2(right).caption.left(1);
    return line.contains(g.RightAnswer) || line.endsWith(QStringLiteral(" ") + letter + QStringLiteral(".")) ||
           line.contains(QStringLiteral(" ") + letter + QStringLiteral(" он(а)"));
}

double friendSuccess(bool halved, int games)
{
    int hits = 0;
    for (int seed = 1; seed <= games; ++seed) {
        Harness h{std::uint64_t(seed) * 7919};
        h.toQuestion(6);
        GameScreen &g = h.game();
        if (halved)
            useLifeline(h, g.fifty);
        useLifeline(h, g.teleph);
        h.wait(seed % 7 * 100);
        h.click(*h.program->tel, h.program->tel->friendsi(seed % 7));
        const int right = h.rightIndex();
        hits += pointsRight(g, right) ? 1 : 0;
        EXPECT_FALSE(g.tablo.caption->contains(QStringLiteral("это .")));  // a guess is never empty
        EXPECT_FALSE(g.tablo.caption->contains(QStringLiteral("чем  он(а)")));
        if (halved) {
            for (int i = 1; i <= 4; ++i)
                if (g.answer(i).caption.isEmpty()) {
                    const QString letter = g.Label2(i).caption.left(1);
                    EXPECT_FALSE(g.tablo.caption->endsWith(QStringLiteral(" ") + letter + QStringLiteral(".")));
                    EXPECT_FALSE(g.tablo.caption->contains(QStringLiteral(" ") + letter + QStringLiteral(" он(а)")));
                }
        }
    }
    return double(hits) / games;
}

}  // namespace

TEST(Phone, TheFriendPointsToTheRightAnswerAsOftenAsTheOddsSay)
{
    EXPECT_NEAR(friendSuccess(false, 1200), 25.0 / 56, 0.045);
    EXPECT_NEAR(friendSuccess(true, 1200), 15.0 / 28, 0.045);
}

// Time running out hangs up: the farewell stays, no friend can answer over it, and the game
// screen is no longer held disabled by the dialog.
TEST(Phone, TheClockRunningOutClosesTheDialog)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    useLifeline(h, g.teleph);
    TelScreen *tel = h.program->tel;
    ASSERT_NE(tel, nullptr);
    h.wait(30000);
    EXPECT_TRUE(h.program->isLoaded(tel));
    h.wait(1000);  // the timeout
    EXPECT_FALSE(h.program->isLoaded(tel));
    EXPECT_EQ(h.program->tel, nullptr);
    EXPECT_TRUE(g.isEnabled());
    const QString farewell = g.tablo.caption;
    EXPECT_TRUE(farewell.endsWith(QStringLiteral("http://www.kvizar.ru")));
    h.wait(14000);
    EXPECT_EQ(g.tablo.caption, farewell);
    h.wait(1000);
    ASSERT_NE(h.program->start, nullptr);
}
