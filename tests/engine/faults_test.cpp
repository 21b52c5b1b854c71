// What the game survives: missing sounds, odd settings, a base that changes or goes away.
#include "questions/usedquestions.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <random>

using namespace kvizar;
using namespace kvizar::test;

TEST(Faults, WithoutWaveFilesAWholeGameRunsSilentlyAndWithoutAMessage)
{
    Harness h;
    ASSERT_TRUE(h.rec.files.keys().filter(QStringLiteral(".wav")).isEmpty());
    h.toQuestion(3);
    h.answer(h.wrongIndex());
    h.wait(16000);
    EXPECT_TRUE(h.rec.error.isEmpty());
    EXPECT_FALSE(h.rec.exited);
    EXPECT_NE(h.program->start, nullptr);
}

TEST(Faults, ABaseReplacedWhileTheStartScreenIsOpenIsTheOneRead)
{
    Harness h;
    h.startProgram();
    QStringList records = standardRecords();
    records[0] = QStringLiteral("Новый вопрос?|Новый ответ||б|||в||||г|||||");
    h.rec.files[h.datPath()] = encode(baseText(records));
    h.pressStart();
    h.click(h.game(), h.game().begin);
    h.wait(5600);
    EXPECT_EQ(h.game().display.caption, QStringLiteral("Новый вопрос?"));
    EXPECT_EQ(h.game().RightAnswer, QStringLiteral("Новый ответ"));
}

TEST(Faults, ABaseThatCannotBeReadEndsTheGameWithAMessage)
{
    Harness h;
    h.startProgram();
    h.rec.unreadable << h.datPath();
    h.pressStart();
    EXPECT_TRUE(h.rec.error.startsWith(QStringLiteral("Не удалось прочитать файл вопросов «/program/base.dat»")))
        << h.rec.error.toStdString();
    EXPECT_TRUE(h.rec.exited);
}

TEST(Faults, ACompanionThatWritesNothingGivesTheMissingFileMessage)
{
    Harness h;
    h.rec.onStart = [](const QString &) {};
    h.startProgram();
    h.pressStart();
    EXPECT_EQ(h.rec.error, QStringLiteral("Не найден файл вопросов «/program/base.dat». Игра будет закрыта."));
}

TEST(Faults, ASettingsValueOfAnyTextCountsOrResets)
{
    std::mt19937 gen(5);
    const QString alphabet = QStringLiteral("0123456789 +-.eEdD\t\nабв\u00A0xyz");
    for (int run = 0; run < 3000; ++run) {
        RecordedServices rec;
        QString stored;
        const int length = std::uniform_int_distribution<int>(0, 30)(gen);
        for (int i = 0; i < length; ++i)
            stored += alphabet[std::uniform_int_distribution<int>(0, int(alphabet.size()) - 1)(gen)];
        rec.settings[QStringLiteral("Kvizar/Asked/MEDIUM")] = stored;
        countAnsweredQuestion(rec.services().settings, QStringLiteral("Kvizar"), 7);
        bool ok = false;
        const int written = rec.settings.value(QStringLiteral("Kvizar/Asked/MEDIUM")).toInt(&ok);
        ASSERT_TRUE(ok) << stored.toStdString();
        ASSERT_GE(written, -32767);
        ASSERT_LE(written, 32767);
        if (rec.settings.contains(QStringLiteral("Kvizar/Asked/HARD"))) {  // a reset writes all three
            ASSERT_EQ(written, 1);
        }
    }
}

TEST(Faults, ASettingsStoreThatCannotBeWrittenNeverReachesTheGame)
{
    Harness h;
    h.rec.settingsWritable = false;
    h.toQuestion(2);
    EXPECT_EQ(h.game().QuestionNow, 2);
    EXPECT_TRUE(h.rec.error.isEmpty());
}
