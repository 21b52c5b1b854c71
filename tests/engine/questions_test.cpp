#include "questions/questions.h"
#include "questions/records.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <map>

using namespace kvizar;
using namespace kvizar::test;

namespace {

// A fresh game screen with `text` in InData, as after the start button.
struct Shown {
    Harness h;
    explicit Shown(const QString &text)
    {
        h.startProgram();
        h.game().InData.text = text;
    }
    QStringList captions() const
    {
        QStringList out;
        for (int i = 1; i <= 4; ++i)
            out << h.game().answer(i).caption;
        return out;
    }
    void clear() const
    {
        for (int i = 1; i <= 4; ++i)
            h.game().answer(i).caption.clear();
    }
};

}  // namespace

TEST(Records, EachEntryIsItsRecordWithTheClosingAt)
{
    const QStringList records = cutRecords(baseText(standardRecords()) + QStringLiteral("хвост@ещё@"));
    ASSERT_EQ(records.size(), 16);
    EXPECT_EQ(records[1], standardRecords()[0] + QLatin1Char('@'));
    EXPECT_EQ(records[15], standardRecords()[14] + QLatin1Char('@'));
}

TEST(Records, AnswersAreTakenExactlyAsStored)
{
    const RecordParts p = splitRecord(QStringLiteral(" Что? | один ||два ,|||три||||  четыре|||||скрыто@"));
    ASSERT_TRUE(p.complete);
    EXPECT_EQ(p.question, QStringLiteral(" Что? "));
    EXPECT_EQ(p.answers[0], QStringLiteral(" один "));
    EXPECT_EQ(p.answers[1], QStringLiteral("два ,"));
    EXPECT_EQ(p.answers[2], QStringLiteral("три"));
    EXPECT_EQ(p.answers[3], QStringLiteral("  четыре"));
}

TEST(ShowQuestion, ShowsTextAndAnswersAndReturnsTheRightOne)
{
    QStringList records = standardRecords();
    records[3] = QStringLiteral("|пусто||вопроса|||нет||||совсем|||||это не видно");
    Shown s(baseText(records));
    EXPECT_EQ(ShowQuestion(*s.h.program, 2), QStringLiteral("Верно 2"));
    EXPECT_EQ(s.h.game().display.caption, QStringLiteral("Вопрос 2?"));
    QStringList shown = s.captions();
    shown.sort();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Верно 2"), QStringLiteral("Неверно 2-2"), QStringLiteral("Неверно 2-3"),
                                  QStringLiteral("Неверно 2-4")}));

    s.clear();
    EXPECT_EQ(ShowQuestion(*s.h.program, 4), QStringLiteral("пусто"));
    EXPECT_TRUE(s.h.game().display.caption.isEmpty());
    for (const QString &c : s.captions())
        EXPECT_FALSE(c.contains(QStringLiteral("видно")));
}

TEST(ShowQuestion, RecordsBeyondFifteenAndNumbersOutsideAreNeverShown)
{
    QStringList records = standardRecords();
    records << QStringLiteral("Лишний?|а||б|||в||||г|||||");
    Shown s(baseText(records));
    EXPECT_EQ(ShowQuestion(*s.h.program, 16), QString());
    EXPECT_EQ(ShowQuestion(*s.h.program, 0), QString());
    EXPECT_TRUE(s.h.game().display.caption.isEmpty());
    EXPECT_EQ(s.h.program->questions.QuestionRecords.size(), 16);
}

TEST(ShowQuestion, AnOccupiedLabelCannotHangThePlacement)
{
    Shown s(baseText(standardRecords()));
    s.h.game().answer(2).caption = QStringLiteral("занято");
    s.h.game().answer(4).caption = QStringLiteral("занято");
    ShowQuestion(*s.h.program, 1);
    EXPECT_EQ(s.h.game().answer(2).caption, QStringLiteral("занято"));
    EXPECT_FALSE(s.h.game().answer(1).caption.isEmpty());
    EXPECT_FALSE(s.h.game().answer(3).caption.isEmpty());
}

TEST(ShowQuestion, AllTwentyFourOrdersComeUpAboutEquallyOften)
{
    Shown s(baseText(standardRecords()));
    std::map<QString, int> seen;
    const int runs = 24000;
    for (int run = 0; run < runs; ++run) {
        s.clear();
        s.h.wait(1);  // a new time of day for every showing, as in play
        ShowQuestion(*s.h.program, 1);
        ++seen[s.captions().join(QLatin1Char('|'))];
    }
    ASSERT_EQ(seen.size(), 24u);
    double chi2 = 0;
    for (const auto &[order, count] : seen)
        chi2 += (count - 1000.0) * (count - 1000.0) / 1000.0;
    EXPECT_LT(chi2, 49.7);  // 23 degrees of freedom, p = 0.001
}
