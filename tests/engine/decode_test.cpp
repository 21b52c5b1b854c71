#include "questions/codepage.h"

#include <QStringDecoder>
#include "questions/mainmodule.h"
#include "support/harness.h"

#include <gtest/gtest.h>

using namespace kvizar;
using kvizar::test::baseText;
using kvizar::test::encode;
using kvizar::test::standardRecords;

namespace {

QString decode(const QString &encoded, QString *stage1 = nullptr)
{
    QString adcoder, forcoder;
    DecodeBase(encoded, adcoder, forcoder);
    if (stage1)
        *stage1 = adcoder;
    return forcoder;
}

const QString kPath = QStringLiteral("/program/base.dat");

}  // namespace

TEST(DecodeBase, KeyPiecesCycleEveryFiveGroups)
{
    // Code 65 ("A") under pieces 730, 184, 295, 617, 402, then 730 again for group 6.
    const QString encoded = QStringLiteral("079502490360068204670795");
    QString stage1;
    EXPECT_EQ(decode(encoded, &stage1), QStringLiteral("AAAAAA"));
    EXPECT_EQ(stage1, QStringLiteral("006500650065006500650065"));
}

TEST(DecodeBase, ShortFinalGroupIsTheNumberItsDigitsForm)
{
    // "0796" = 66 + 730 ("B"); the final "250" is read as 250 - 184 = 66.
    EXPECT_EQ(decode(QStringLiteral("0796250")), QStringLiteral("BB"));
}

TEST(DecodeBase, EmptyFileDecodesToEmptyText)
{
    QString stage1;
    EXPECT_TRUE(decode(QString(), &stage1).isEmpty());
    EXPECT_TRUE(stage1.isEmpty());
}

TEST(DecodeBase, AppendsToWhatTheHoldersAlreadyHold)
{
    // Stage two reads the whole of adcoder again: that is why it must start empty.
    QString adcoder = QStringLiteral("0066"), forcoder = QStringLiteral("y");
    DecodeBase(QStringLiteral("0795"), adcoder, forcoder);
    EXPECT_EQ(adcoder, QStringLiteral("00660065"));
    EXPECT_EQ(forcoder, QStringLiteral("yBA"));
}

TEST(DecodeBase, RoundTripsEveryCodeOfTheCodePage)
{
    QString all;
    for (int code = 0; code < 256; ++code)
        all += cp1251ToChar(code);
    all.remove(QChar(0xFFFD));  // the one unassigned code has no character to send
    const QByteArray bytes = encode(all);
    EXPECT_EQ(bytes.size(), all.size() * 4);
    EXPECT_EQ(decode(QString::fromLatin1(bytes)), all);
    for (int code = 0; code < 256; ++code) {
        if (code == 0x98)
            continue;
        EXPECT_EQ(charToCp1251(cp1251ToChar(code)), code) << code;
    }
    EXPECT_EQ(cp1251ToChar(0xC0), QChar(0x0410));
    EXPECT_EQ(cp1251ToChar(0xB8), QChar(0x0451));  // ё
    EXPECT_FALSE(EncodeBase(QStringLiteral("€漢")).has_value());
}

TEST(DecodeBase, LongestFileDecodesCompletely)
{
    QString text(8191, QLatin1Char('x'));
    const QByteArray bytes = encode(text);
    ASSERT_EQ(bytes.size(), kMaxBaseLength);
    EXPECT_EQ(decode(QString::fromLatin1(bytes)).size(), 8191);
}

TEST(DecodeBase, SeparatorsAreOrdinaryCharactersToTheDecoding)
{
    const QString text = QStringLiteral("@|@||");
    EXPECT_EQ(decode(QString::fromLatin1(encode(text))), text);
}

TEST(CheckBaseFile, AcceptsAWellFormedBase)
{
    EXPECT_FALSE(checkBaseFile(encode(baseText(standardRecords())), kPath).has_value());
}

TEST(CheckBaseFile, NamesTheFileAndWhereTheFaultLies)
{
    const QByteArray good = encode(baseText(standardRecords()));

    QByteArray letter = good;
    letter[9] = 'x';
    const QString m1 = checkBaseFile(letter, kPath).value_or(QString());
    EXPECT_TRUE(m1.contains(kPath)) << m1.toStdString();
    EXPECT_TRUE(m1.contains(QStringLiteral("байте 10"))) << m1.toStdString();

    QByteArray lineBreak = good + "\n";
    EXPECT_TRUE(checkBaseFile(lineBreak, kPath)->contains(QStringLiteral("байте %1").arg(good.size() + 1)));

    QByteArray badGroup = good;
    badGroup.replace(4, 4, "0100");  // 100 - 184 < 0
    const QString m2 = checkBaseFile(badGroup, kPath).value_or(QString());
    EXPECT_TRUE(m2.contains(QStringLiteral("группа 2"))) << m2.toStdString();

    const QString m3 = checkBaseFile(QByteArray(kMaxBaseLength + 4, '7'), kPath).value_or(QString());
    EXPECT_TRUE(m3.contains(QStringLiteral("слишком велик"))) << m3.toStdString();

    EXPECT_TRUE(checkBaseFile(QByteArray(), kPath)->contains(QStringLiteral("пуст")));
}

TEST(CheckBaseFile, RejectsTextsThatAreNotFifteenCompleteRecords)
{
    QStringList records = standardRecords();
    records.removeLast();
    EXPECT_TRUE(checkBaseFile(encode(baseText(records)), kPath)->contains(QStringLiteral("14 вопросов из 15")));

    records = standardRecords();
    records[6] = QStringLiteral("Вопрос|один||два|||три||||четыре");  // no fifth separator
    EXPECT_TRUE(checkBaseFile(encode(baseText(records)), kPath)->contains(QStringLiteral("вопросе 7")));

    records = standardRecords();
    records[2] = QStringLiteral("Вопрос|один||два|||||||четыре|||||");  // third answer empty
    const QString m = checkBaseFile(encode(baseText(records)), kPath).value_or(QString());
    EXPECT_TRUE(m.contains(QStringLiteral("вопросе 3"))) << m.toStdString();

    EXPECT_TRUE(checkBaseFile(encode(QStringLiteral("@@") + baseText(standardRecords()).mid(2)), kPath).has_value());
}

TEST(CodePage, AgreesWithTheSystemsWindows1251WhereItHasOne)
{
    QStringDecoder system("windows-1251");
    if (!system.isValid())
        GTEST_SKIP() << "this Qt has no Windows-1251 codec";
    for (int code = 0; code < 256; ++code) {
        if (code == 0x98)
            continue;  // unassigned: systems differ on what they make of it
        const char byte = char(code);
        const QString expected = system.decode(QByteArrayView(&byte, 1));
        EXPECT_EQ(QString(cp1251ToChar(code)), expected) << code;
    }
}
