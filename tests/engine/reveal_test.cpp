#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

// Times (ms) at which the host's line changed and sounds were asked for, from now on.
struct Timeline {
    Harness &h;
    std::vector<std::pair<std::int64_t, QString>> events;
    QString lastLine;
    explicit Timeline(Harness &harness) : h(harness)
    {
        lastLine = h.game().tablo.caption;
        h.rec.onLine = [this](const QString &line) {
            if (line.startsWith(QLatin1String("sound")))
                events.emplace_back(h.program->scheduler.now(), line);
        };
        h.program->afterEvent = [this] {
            if (h.program->game && h.game().tablo.caption != lastLine) {
                lastLine = h.game().tablo.caption;
                events.emplace_back(h.program->scheduler.now(), QStringLiteral("say"));
            }
        };
    }
    std::vector<std::int64_t> times(const QString &what) const
    {
        std::vector<std::int64_t> out;
        for (const auto &[t, e] : events)
            if (e == what)
                out.push_back(t);
        return out;
    }
};

}  // namespace

TEST(Reveal, QuestionThreeRightRemarkVerdictAndNextQuestionOnTheirTicks)
{
    Harness h;
    h.toQuestion(3);  // Timer2 has run since question 1: its phase is whatever it is
    Timeline tl(h);
    const std::int64_t released = h.program->scheduler.now();
    h.answer(h.rightIndex());
    const QString pressed = h.game().otvet(h.rightIndex()).picture;
    EXPECT_EQ(pressed, QStringLiteral("capsule-orange"));
    h.wait(9000);
    const auto says = tl.times(QStringLiteral("say"));
    ASSERT_GE(says.size(), 2u);
    const std::int64_t tick1 = says[0];
    EXPECT_GT(tick1, released);
    EXPECT_LE(tick1, released + 100);
    EXPECT_EQ(tl.times(QStringLiteral("sound /program/true.wav")), std::vector<std::int64_t>{tick1 + 3500});
    EXPECT_EQ(says[1], tick1 + 3500);  // the verdict line
    EXPECT_EQ(tl.times(QStringLiteral("sound /program/change.wav")), std::vector<std::int64_t>{tick1 + 8000});
    EXPECT_EQ(h.game().QuestionNow, 4);
}

TEST(Reveal, FirstAnswerOfAGameStartsTheSceneOneTickAfterTheRelease)
{
    Harness h;
    h.toQuestion1();
    Timeline tl(h);
    const std::int64_t released = h.program->scheduler.now();
    h.answer(h.wrongIndex());
    h.wait(16000);
    EXPECT_EQ(tl.times(QStringLiteral("say")).front(), released + 100);
    EXPECT_EQ(tl.times(QStringLiteral("sound /program/false.wav")), std::vector<std::int64_t>{released + 3600});
    EXPECT_EQ(tl.times(QStringLiteral("sound /program/begin.wav")), std::vector<std::int64_t>{released + 15600});
}

TEST(Reveal, LaterQuestionsMakeTheirRemarksOnSchedule)
{
    struct Case {
        int question;
        std::vector<int> remarkTicks;  // ticks after the release
        int verdict, next;
    };
    for (const Case &c : {Case{7, {1, 41}, 76, 121}, Case{10, {1, 41, 81}, 116, 161}, Case{13, {21, 61, 101}, 136, 181}}) {
        Harness h(11);
        h.toQuestion(c.question);
        Timeline tl(h);
        const std::int64_t released = h.program->scheduler.now();
        h.answer(h.rightIndex());
        h.wait(c.next * 100 + 200);
        const auto verdictAt = tl.times(QStringLiteral("sound /program/true.wav"));
        ASSERT_EQ(verdictAt.size(), 1u) << c.question;
        const std::int64_t tick1 = verdictAt[0] - (c.verdict - 1) * 100;
        EXPECT_GT(tick1, released);
        EXPECT_LE(tick1, released + 100);
        std::vector<std::int64_t> expectedSays;
        for (int t : c.remarkTicks)
            expectedSays.push_back(tick1 + (t - 1) * 100);
        expectedSays.push_back(verdictAt[0]);
        const std::int64_t nextAt = tick1 + (c.next - 1) * 100;
        std::vector<std::int64_t> says;
        for (std::int64_t t : tl.times(QStringLiteral("say")))
            if (t < nextAt)
                says.push_back(t);
        // A remark may repeat the line before it; then the line does not change.
        for (std::int64_t t : says)
            EXPECT_NE(std::find(expectedSays.begin(), expectedSays.end(), t), expectedSays.end()) << c.question << " at " << t;
        EXPECT_EQ(says.back(), verdictAt[0]) << c.question;
        EXPECT_EQ(tl.times(QStringLiteral("sound /program/change.wav")),
                  std::vector<std::int64_t>{tick1 + (c.next - 1) * 100})
            << c.question;
        EXPECT_EQ(h.game().QuestionNow, c.question + 1);
    }
}

TEST(Reveal, WrongAnswersAnnounceTheSafeSum)
{
    struct Case {
        int question;
        int safe;
    };
    for (const Case &c : {Case{5, 0}, Case{6, 1000}, Case{10, 1000}, Case{11, 32000}, Case{15, 32000}}) {
        for (int line = 1; line <= 3; ++line) {
            Harness h(5);
            h.toQuestion(c.question);
            const int wrong = h.wrongIndex();
            const QString chosen = h.game().answer(wrong).caption;
            const int right = h.rightIndex();
            h.answer(wrong);
            h.wait(100 * (c.question <= 5 ? 35 : c.question <= 8 ? 75 : c.question <= 12 ? 115 : 135) - 100);
            // Every draw before the verdict's own comes from the seeded generator; dictate the verdict's.
            h.rnd.queue.assign(1, (line - 0.5) / 3);
            h.wait(200);
            const QString said = h.game().tablo.caption;
            const QString R = h.game().RightAnswer;
            const QString site = QStringLiteral("http://www.kvizar.ru");
            QString expected;
            if (line == 1 && c.safe == 0)
                expected = QStringLiteral("К сожаленю, вариант ") + chosen + QStringLiteral(" оказался неверным. Правильный ответ это - ") +
                           R + QStringLiteral(". Вы ошиблись на первых пяти вопросах. Вs ничего не выиграли. До скорых встреч! Посетите сайт ") + site;
            else if (line == 1)
                expected = QStringLiteral("К сожаленю, вариант ") + chosen + QStringLiteral(" оказался неверным. Правильный ответ это - ") +
                           R + QStringLiteral(", но тем не менее Вы получаете свои деньги - ") + QString::number(c.safe) +
                           QStringLiteral("рублей. До скорых встреч! Посетите сайт ") + site;
            else if (line == 2)
                expected = QStringLiteral("Это конечно же ") + R +
                           QStringLiteral(", но не отчаивайтесь. Вы можете попробовать свои силы еще раз. До встречи на сайте") + site;
            else
                expected = QStringLiteral("Нет. Ваше предположение неверно. Верный ответ был ") + QString(QChar('A' + right - 1)) +
                           QStringLiteral("-") + R + QStringLiteral(". Ваш выигрыш составил ") + QString::number(c.safe) +
                           QStringLiteral(" рублей.");
            EXPECT_EQ(said, expected) << c.question << " line " << line;
            EXPECT_EQ(h.game().otvet(right).picture, QStringLiteral("capsule-green"));
            EXPECT_EQ(h.game().otvet(wrong).picture, QStringLiteral("capsule-orange"));
            EXPECT_TRUE(h.game().state().GameFinished);
        }
    }
}

TEST(Answers, APressAfterTheCommitChangesNothing)
{
    Harness h;
    h.toQuestion1();
    const int right = h.rightIndex(), other = h.wrongIndex();
    h.answer(right);
    const qsizetype from = h.rec.lines.size();
    h.answer(other);
    EXPECT_TRUE(h.linesSince(from).isEmpty());
    EXPECT_EQ(h.game().otvet(other).picture, QStringLiteral("capsule-black"));
    EXPECT_EQ(h.game().state().ChosenAnswer, right);
}

TEST(Answers, TheReleaseCommitsThePressedAnswerWhereverThePointerIs)
{
    Harness h;
    h.toQuestion1();
    const int wrong = h.wrongIndex();
    const qsizetype from = h.rec.lines.size();
    h.press(h.game(), h.game().answer(wrong), RightButton);
    EXPECT_EQ(h.linesSince(from), (QStringList{"sound /program/pressed.wav", "settings read Kvizar/Asked/SIMPLE -> \"\"",
                                               "settings write Kvizar/Asked/SIMPLE = \"1\""}));
    h.release(&h.game().answer(h.rightIndex()), RightButton);
    EXPECT_TRUE(h.game().AlreadyPressed);
    EXPECT_FALSE(h.game().forclock.enabled());
    EXPECT_EQ(h.game().clocktablo.caption, QStringLiteral("30"));
    EXPECT_EQ(h.game().state().RevealTick, 20);
    h.wait(3600);
    EXPECT_TRUE(h.game().state().GameFinished);  // the wrong one was committed
}

TEST(Reveal, TheTeaserNeverNamesTheRightTheChosenOrARemovedAnswer)
{
    for (int seed = 1; seed <= 40; ++seed) {
        Harness h{std::uint64_t(seed)};
        h.toQuestion1();
        GameScreen &g = h.game();
        h.press(g, g.fifty);
        h.release(&g.fifty);
        const int wrong = h.wrongIndex();
        const QString chosen = g.answer(wrong).caption;
        h.answer(wrong);
        h.rnd.queue.assign(1, 5.5 / 6);  // the teaser
        h.wait(100);
        // After fifty-fifty and a wrong choice nothing is left to tease with.
        EXPECT_EQ(g.tablo.caption, QStringLiteral("Значит ") + g.Label2(wrong).caption.left(1) + QStringLiteral("."));
    }
    Harness h(9);
    h.toQuestion1();
    GameScreen &g = h.game();
    const int right = h.rightIndex();
    h.answer(right);
    h.rnd.queue.assign(1, 5.5 / 6);
    h.wait(100);
    EXPECT_TRUE(g.tablo.caption->startsWith(QStringLiteral("Вот если бы Вы сказали Неверно 1-"))) << g.tablo.caption->toStdString();
    EXPECT_TRUE(g.tablo.caption->endsWith(QStringLiteral(", то Вы бы проиграли.")));
}

TEST(Reveal, RepeatedAnswersCannotHangTheTeaser)
{
    QStringList records = standardRecords();
    records[0] = QStringLiteral("Все одинаковы?|Да||Да|||Да||||Да|||||");
    Harness h(1, encode(baseText(records)));
    h.toQuestion1();
    h.answer(1);
    h.rnd.queue.assign(1, 5.5 / 6);
    h.wait(100);
    EXPECT_EQ(h.game().tablo.caption, QStringLiteral("Значит A."));
    h.wait(8000);
    EXPECT_EQ(h.game().QuestionNow, 2);
}

TEST(Answers, OnlyTheReleaseOfThePressingButtonCommits)
{
    Harness h;
    h.toQuestion1();
    GameScreen &g = h.game();
    h.press(g, g.answer(h.wrongIndex()), LeftButton);
    EXPECT_FALSE(h.press(g, g.answer(h.rightIndex()), RightButton));  // a second press goes nowhere
    h.release(nullptr, RightButton);
    EXPECT_FALSE(g.AlreadyPressed);
    h.release(nullptr, LeftButton);
    EXPECT_TRUE(g.AlreadyPressed);
}

TEST(Buttons, OnlyTheLeftButtonClicks)
{
    Harness h;
    h.startProgram();
    h.pressStart(RightButton);  // the start button takes any button: it works on press and release
    GameScreen &g = h.game();
    h.click(g, g.begin, RightButton);
    h.click(g, g.begin, MiddleButton);
    EXPECT_TRUE(g.begin.enabled);
    h.click(g, g.begin, LeftButton);
    EXPECT_FALSE(g.begin.enabled);
}

// A press made during the reveal does nothing; held until the next question is on screen and
// released there, it still does nothing, for an answer and for each lifeline alike. The next
// press on the same control then works as usual. A key held is a press held, and is the same.
TEST(Answers, APressHeldAcrossAQuestionChangeDoesNothing)
{
    const struct {
        const char *name;
        int key;  // a key that stands for it, -1 for the Russian letter of the wrong answer
    } cases[] = {{"answer", 0}, {"fifty", 0}, {"zal", 0}, {"teleph", 0},
                 {"answer", -1}, {"fifty", Qt::Key_F}, {"zal", u'Я'}, {"teleph", Qt::Key_T}};
    for (auto [name, key] : cases) {
        SCOPED_TRACE(std::string(name) + (key ? " by key" : ""));
        Harness h(3);
        h.toQuestion(3);
        GameScreen &g = h.game();
        h.answer(h.rightIndex());
        h.wait(200);
        Control &c = QLatin1String(name) == QLatin1String("answer") ? g.answer(h.wrongIndex()) : g.ctl(QString::fromLatin1(name));
        const qsizetype from = h.rec.lines.size();
        if (key == -1)
            key = russianOnKey(char('A' + h.wrongIndex() - 1));
        if (key) {
            ASSERT_EQ(g.controlForKey(key), &c);
        }
        ASSERT_TRUE(key ? h.keyDown(g, key) : h.press(g, c));
        h.wait(8000);
        ASSERT_EQ(g.QuestionNow, 4);
        const QString line = g.tablo.caption;
        if (key)
            h.keyUp(key);
        else
            h.release(&c);
        h.wait(100);
        EXPECT_FALSE(h.linesSince(from).contains(QStringLiteral("sound /program/pressed.wav")));
        EXPECT_FALSE(g.AlreadyPressed);
        EXPECT_TRUE(g.forclock.enabled());
        EXPECT_EQ(g.tablo.caption, line);
        for (int i = 1; i <= 3; ++i)
            EXPECT_FALSE(g.used(i).visible) << i;
        EXPECT_TRUE(g.fifty.enabled && g.zal.enabled && g.teleph.enabled);
        EXPECT_FALSE(g.chart.visible);
        EXPECT_EQ(h.program->tel, nullptr);
        EXPECT_FALSE(g.state().LifelineBusy);
        h.click(g, c);  // a fresh press and release on this question acts
        EXPECT_TRUE(g.AlreadyPressed || g.state().LifelineBusy);
    }
}
