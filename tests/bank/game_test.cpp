#include "banktesting.h"

#include "core/random.h"
#include "questions/bank.h"
#include "questions/mainmodule.h"

#include <QSet>

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

TEST(GameFile, HoldsFifteenDistinctQuestionsLevelByLevelWithTheRightAnswerFirst)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    QSet<QString> simpleSeen;
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        Generator random(seed);
        const QByteArray bytes = encodeGame(*bank, random);
        EXPECT_EQ(checkBaseFile(bytes, QStringLiteral("base.dat")), std::nullopt);
        const std::vector<DecodedQuestion> game = decodeBaseFile(bytes);
        ASSERT_EQ(game.size(), std::size_t(kQuestionsPerGame));
        QSet<QString> questions;
        for (int k = 0; k < kQuestionsPerGame; ++k) {
            const int cls = classOf(*bank, game[std::size_t(k)].question);
            ASSERT_EQ(cls, k / kQuestionsPerClass) << game[std::size_t(k)].question.toStdString();
            const auto &pool = bank->classes[std::size_t(cls)];
            const auto q = std::find_if(pool.begin(), pool.end(), [&](const BankQuestion &b) { return b.question == game[std::size_t(k)].question; });
            EXPECT_EQ(game[std::size_t(k)].answers, q->answers);
            EXPECT_EQ(q->level, k + 1);  // every level of the shipped bank is well stocked
            questions.insert(game[std::size_t(k)].question);
            if (cls == 0)
                simpleSeen.insert(game[std::size_t(k)].question);
        }
        EXPECT_EQ(questions.size(), kQuestionsPerGame);
    }
    EXPECT_GT(simpleSeen.size(), 50);  // the choice is spread over the class
}

TEST(GameFile, IsNotMadeFromAClassOfFewerThanFiveQuestions)
{
    std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    bank->classes[2].resize(4);
    Generator random(1);
    EXPECT_TRUE(encodeGame(*bank, random).isEmpty());
    AskedRecord record;
    EXPECT_FALSE(chooseUnserved(*bank, record, random));
}
