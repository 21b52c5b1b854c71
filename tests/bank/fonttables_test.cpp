// The width tables of the engine against the fonts as installed and laid out by Qt: texts
// are never wider than the tables say (beyond the margin), questions never take more lines.

#include "banktesting.h"

#include "questions/codepage.h"
#include "questions/textfit.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextLayout>

#include <cmath>

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

class FontTables : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bank_font_tests";
        static char *argv[] = {name, nullptr};
        static QGuiApplication app(argc, argv);
    }

    static QFont qfont(const Face &face)
    {
        QFont font(face.family);
        font.setPixelSize(face.pixelSize);
        font.setBold(face.bold);
        font.setItalic(face.italic);
        return font;
    }

    void SetUp() override
    {
        answerFont = qfont(kAnswerTableFace);
        questionFont = qfont(kQuestionTableFace);
        if (QFontInfo(answerFont).family() != answerFont.family() || QFontInfo(questionFont).family() != questionFont.family())
            GTEST_SKIP() << "the game's fonts are not installed";
    }

    static double laidOutWidth(const QFont &font, const QString &text)
    {
        QTextLayout layout(text, font);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1e6);
        layout.endLayout();
        return line.naturalTextWidth();
    }

    QFont answerFont, questionFont;
};

}  // namespace

TEST_F(FontTables, NoCharacterIsWiderThanItsTableSays)
{
    const QFontMetricsF answer(answerFont), question(questionFont);
    for (int code = 0x20; code < 256; ++code) {
        const QChar c = cp1251ToChar(code);
        if (code == 0x7F || c == QChar(0xFFFD))
            continue;
        SCOPED_TRACE(code);
        EXPECT_GE(answerWidth(QString(c)), answer.horizontalAdvance(c) - 0.01);
        EXPECT_GE(questionWidth(QString(c)), question.horizontalAdvance(c) - 0.01);
    }
}

TEST_F(FontTables, ACharacterOutsideTheCodePageCountsAsTheWidestOfItsFont)
{
    int widestAnswer = 0, widestQuestion = 0;
    for (int code = 0x20; code < 256; ++code) {
        widestAnswer = std::max(widestAnswer, answerWidth(QString(cp1251ToChar(code)).repeated(64)));
        widestQuestion = std::max(widestQuestion, questionWidth(QString(cp1251ToChar(code)).repeated(64)));
    }
    const QString foreign = QStringLiteral("漢").repeated(64);
    EXPECT_EQ(answerWidth(foreign), widestAnswer);
    EXPECT_EQ(questionWidth(foreign), widestQuestion);
    EXPECT_NE(widestAnswer, widestQuestion);
}

TEST_F(FontTables, BankTextsAreLaidOutWithinTheMeasuredWidthAndLines)
{
    const std::optional<Bank> bank = loadBank(shippedBankPath());
    ASSERT_TRUE(bank);
    const QFontMetrics metrics(questionFont);
    EXPECT_LE(metrics.lineSpacing(), kQuestionLineSpacing);
    for (const auto &questions : bank->classes)
        for (const BankQuestion &q : questions) {
            SCOPED_TRACE(q.line);
            for (const QString &a : q.answers)
                EXPECT_LE(std::ceil(laidOutWidth(answerFont, a)), answerWidth(a) + kFitMargin) << a.toStdString();
            const QRect wrapped = metrics.boundingRect(QRect(0, 0, questionBoxWidth(), 10000), Qt::TextWordWrap, q.question);
            EXPECT_LE(wrapped.height() / metrics.lineSpacing(), questionLines(q.question)) << q.question.toStdString();
        }
}
