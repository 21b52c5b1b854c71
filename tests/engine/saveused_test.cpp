#include "questions/usedquestions.h"
#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;

namespace {

struct Counters {
    RecordedServices rec;
    void set(const QString &key, const QString &v) { rec.settings[QStringLiteral("Kvizar/Asked/") + key] = v; }
    QString get(const QString &key, const QString &app = QStringLiteral("Kvizar")) const
    {
        return rec.settings.value(app + QStringLiteral("/Asked/") + key, QStringLiteral("<none>"));
    }
    void count(int q, const QString &exe = QStringLiteral("Kvizar"))
    {
        countAnsweredQuestion(rec.services().settings, exe, q);
    }
};

}  // namespace

TEST(SaveUsed, QuestionsOutsideTheGameChangeNothing)
{
    Counters c;
    c.count(0);
    c.count(16);
    EXPECT_TRUE(c.rec.lines.isEmpty());
}

TEST(SaveUsed, RaisesOnlyTheCounterOfTheQuestionsClass)
{
    Counters c;
    c.set(QStringLiteral("MEDIUM"), QStringLiteral("7"));
    c.count(6);
    EXPECT_EQ(c.get(QStringLiteral("MEDIUM")), QStringLiteral("8"));
    EXPECT_EQ(c.get(QStringLiteral("SIMPLE")), QStringLiteral("<none>"));
    EXPECT_EQ(c.get(QStringLiteral("HARD")), QStringLiteral("<none>"));
    c.count(1);
    c.count(15);
    EXPECT_EQ(c.get(QStringLiteral("SIMPLE")), QStringLiteral("1"));
    EXPECT_EQ(c.get(QStringLiteral("HARD")), QStringLiteral("1"));
}

TEST(SaveUsed, ReadsTheNumberAtTheStartOfTheText)
{
    const std::pair<const char *, const char *> cases[] = {
        {"12abc", "13"}, {"abc", "1"}, {"", "1"}, {" 4 2", "43"}, {"-5", "-4"}, {"2.5", "3"}, {"3.5", "5"}, {"1e2", "101"},
        {"1d2", "101"}, {"1e-400", "1"}, {"+7", "8"},
    };
    for (const auto &[stored, written] : cases) {
        Counters c;
        c.set(QStringLiteral("SIMPLE"), QString::fromLatin1(stored));
        c.count(3);
        EXPECT_EQ(c.get(QStringLiteral("SIMPLE")), QString::fromLatin1(written)) << stored;
    }
}

TEST(SaveUsed, OverflowResetsAllThreeCounters)
{
    for (const char *stored : {"32767", "40000", "99999999999999999999", "1e400", "-1e400", "1e309", "1d400", "-32769"}) {
        Counters c;
        c.set(QStringLiteral("HARD"), QString::fromLatin1(stored));
        c.set(QStringLiteral("SIMPLE"), QStringLiteral("9"));
        c.count(12);
        for (const char *key : {"SIMPLE", "MEDIUM", "HARD"})
            EXPECT_EQ(c.get(QString::fromLatin1(key)), QStringLiteral("1")) << stored << key;
    }
    Counters c;
    c.set(QStringLiteral("HARD"), QStringLiteral("32766"));
    c.count(12);
    EXPECT_EQ(c.get(QStringLiteral("HARD")), QStringLiteral("32767"));
}

TEST(SaveUsed, FailuresResetInsteadOfReachingTheGame)
{
    Counters c;
    c.set(QStringLiteral("SIMPLE"), QStringLiteral("5"));
    c.rec.settingsReadable = false;
    c.count(2);
    EXPECT_EQ(c.get(QStringLiteral("SIMPLE")), QStringLiteral("1"));
    EXPECT_EQ(c.get(QStringLiteral("HARD")), QStringLiteral("1"));
}

TEST(SaveUsed, AnotherExecutableNameWritesOneUnderThatName)
{
    Counters c;
    c.set(QStringLiteral("SIMPLE"), QStringLiteral("20"));
    c.count(1, QStringLiteral("Other"));
    c.count(1, QStringLiteral("Other"));
    EXPECT_EQ(c.get(QStringLiteral("SIMPLE"), QStringLiteral("Other")), QStringLiteral("21"));
    EXPECT_EQ(c.get(QStringLiteral("SIMPLE")), QStringLiteral("20"));
    Counters fresh;
    fresh.count(1, QStringLiteral("Other"));
    fresh.count(1, QStringLiteral("Other"));
    EXPECT_EQ(fresh.get(QStringLiteral("SIMPLE"), QStringLiteral("Other")), QStringLiteral("1"));
}
