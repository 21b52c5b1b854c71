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

// The two stages exactly as the base format describes them, character by character: what the
// decoder must agree with for any text at all, groups below their key piece included.
void referenceDecode(const QString &encoded, QString &adcoder, QString &forcoder)
{
    const QString key = QStringLiteral("730184295617402");
    int p = 1;
    const int length = int(encoded.size());
    for (int i = 1; i <= length; i += 4) {
        const QString group = encoded.mid(i - 1, 4);
        int g = 0;
        for (QChar c : group) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                break;
            g = g * 10 + c.digitValue();
        }
        const int v = g - key.mid(p - 1, 3).toInt();
        adcoder += (v < 0 ? QStringLiteral("-") : QString()) + QString::number(std::abs(v)).rightJustified(4, QLatin1Char('0'));
        p = p + 3 == 16 ? 1 : p + 3;
    }
    const int stage1 = int(adcoder.size());
    for (int i = 1; i <= stage1; i += 4) {
        bool ok = false;
        const int c = adcoder.mid(i - 1, 4).toInt(&ok);
        forcoder += cp1251ToChar(ok ? c : -1);
    }
}

}  // namespace

TEST(DecodeBase, AgreesWithTheTwoStagesForAnyText)
{
    Generator random(41);
    for (int round = 0; round < 400; ++round) {
        QString encoded;
        const int length = int(random.next() * 60);
        for (int i = 0; i < length; ++i) {
            const double r = random.next();
            encoded += r < 0.9 ? QChar(u'0' + int(r * 10 / 0.9)) : r < 0.95 ? QChar(u'x') : QChar(u'-');
        }
        QString held = round % 3 == 0 ? QStringLiteral("0800") : QString();  // holders not always empty
        QString adcoder = held, forcoder, refAdcoder = held, refForcoder;
        DecodeBase(encoded, adcoder, forcoder);
        referenceDecode(encoded, refAdcoder, refForcoder);
        ASSERT_EQ(adcoder, refAdcoder) << encoded.toStdString();
        ASSERT_EQ(forcoder, refForcoder) << encoded.toStdString();
    }
}

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

// Every fault of a base file with its whole message: the file, where the fault lies, in Russian
// that agrees in number.
TEST(CheckBaseFile, SaysWhatIsWrongAndWhere)
{
    const QByteArray good = encode(baseText(standardRecords()));
    auto withRecord = [](int k, const QString &record) {
        QStringList records = standardRecords();
        records[k - 1] = record;
        return encode(baseText(records));
    };
    auto first = [](int n) { return encode(baseText(standardRecords().mid(0, n))); };
    QByteArray letter = good, badGroup = good;
    letter[9] = 'x';
    badGroup.replace(4, 4, "0100");  // 100 - 184 < 0
    const struct {
        QByteArray file;
        QString message;
    } cases[] = {
        {letter, "Файл вопросов «%1» повреждён: в байте 10 стоит код 120, а допускаются только цифры."},
        {good + "\n", "Файл вопросов «%1» повреждён: в байте " + QString::number(good.size() + 1) +
                          " стоит код 10, а допускаются только цифры."},
        {badGroup, "Файл вопросов «%1» повреждён: группа 2 («0100», байты 5–8) не соответствует ключу."},
        {QByteArray(kMaxBaseLength + 4, '7'), "Файл вопросов «%1» слишком велик: в нём больше 32764 байт."},
        {QByteArray(), "Файл вопросов «%1» пуст: в нём нет ни одного вопроса."},
        {encode(QStringLiteral("@@") + baseText(standardRecords()).mid(2)),
         "Файл вопросов «%1» повреждён: текст должен начинаться с одного знака и «@»."},
        {first(0), "Файл вопросов «%1» неполон: в нём 0 вопросов из 15."},
        {first(1), "Файл вопросов «%1» неполон: в нём 1 вопрос из 15."},
        {first(3), "Файл вопросов «%1» неполон: в нём 3 вопроса из 15."},
        {first(11), "Файл вопросов «%1» неполон: в нём 11 вопросов из 15."},
        {first(14), "Файл вопросов «%1» неполон: в нём 14 вопросов из 15."},
        {withRecord(7, "Вопрос|один||два|||три||||четыре"), "Файл вопросов «%1» повреждён: в вопросе 7 нет всех пяти разделителей «|»."},
        {withRecord(2, "Вопрос|||два|||три||||четыре|||||"), "Файл вопросов «%1» повреждён: в вопросе 2 пуст ответ 1."},
        {withRecord(3, "Вопрос|один|||||три||||четыре|||||"), "Файл вопросов «%1» повреждён: в вопросе 3 пуст ответ 2."},
        {withRecord(4, "Вопрос|один||два|||||||четыре|||||"), "Файл вопросов «%1» повреждён: в вопросе 4 пуст ответ 3."},
        {withRecord(15, "Вопрос|один||два|||три|||||||||"), "Файл вопросов «%1» повреждён: в вопросе 15 пуст ответ 4."},
        {withRecord(5, "Вопрос|один||||||||||||||"), "Файл вопросов «%1» повреждён: в вопросе 5 пуст ответ 2."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkBaseFile(c.file, kPath), c.message.arg(kPath));
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
