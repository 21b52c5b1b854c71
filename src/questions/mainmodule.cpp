#include "mainmodule.h"

#include "codepage.h"
#include "records.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace kvizar {

namespace {

// The key's five pieces, as numbers: characters 1 to 3, 4 to 6, ... of kBaseKey.
constexpr int piece(int q)
{
    return (kBaseKey[3 * q] - '0') * 100 + (kBaseKey[3 * q + 1] - '0') * 10 + (kBaseKey[3 * q + 2] - '0');
}
constexpr int kPieces[5] = {piece(0), piece(1), piece(2), piece(3), piece(4)};

// The number that the leading digits of the group at `from` (up to four characters) form:
// anything after the first non-digit is ignored.
int leadingNumber(const QChar *text, qsizetype from, qsizetype length)
{
    int value = 0;
    for (qsizetype k = from; k < from + 4 && k < length; ++k) {
        const char16_t c = text[k].unicode();
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + (c - u'0');
    }
    return value;
}

// A stage-1 group read as a number: digits with an optional leading minus, nothing else.
std::optional<int> groupValue(const QChar *group, qsizetype size)
{
    const bool negative = size > 0 && group[0] == u'-';
    if (size == qsizetype(negative))
        return std::nullopt;
    int value = 0;
    for (qsizetype k = negative; k < size; ++k) {
        const char16_t c = group[k].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return negative ? -value : value;
}

// "вопрос", "вопроса" or "вопросов", as the number before it asks.
QString questions(int n)
{
    const int tens = n % 100, ones = n % 10;
    if (ones == 1 && tens != 11)
        return QStringLiteral("вопрос");
    if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14))
        return QStringLiteral("вопроса");
    return QStringLiteral("вопросов");
}

// Writes `v` in decimal with at least four digits, a minus sign in front of them; returns
// the end of what it wrote. (|v| < 10000: a group less a key piece.)
QChar *writeFourDigits(QChar *out, int v)
{
    if (v < 0)
        *out++ = u'-';
    const int a = std::abs(v);
    *out++ = QChar(u'0' + a / 1000 % 10);
    *out++ = QChar(u'0' + a / 100 % 10);
    *out++ = QChar(u'0' + a / 10 % 10);
    *out++ = QChar(u'0' + a % 10);
    return out;
}

}  // namespace

void DecodeBase(const QString &encoded, QString &adcoder, QString &forcoder)
{
    const qsizetype length = encoded.size();
    const qsizetype had = adcoder.size();
    // The usual case in one pass: the holders start empty and no group falls below its key
    // piece, so that every stage-1 group is four digits and stage 2 reads back exactly the
    // values stage 1 wrote.
    if (had == 0) {
        const qsizetype groups = (length + 3) / 4;
        adcoder.resize(groups * 4);
        const qsizetype before = forcoder.size();
        forcoder.resize(before + groups);
        QChar *digits = adcoder.data();
        QChar *decoded = forcoder.data() + before;
        bool aligned = true;
        for (qsizetype i = 0, q = 0; i < length && aligned; i += 4, q = (q + 1) % 5) {
            const int v = leadingNumber(encoded.constData(), i, length) - kPieces[q];
            aligned = v >= 0;
            if (aligned) {
                digits = writeFourDigits(digits, v);
                *decoded++ = cp1251ToChar(v);
            }
        }
        if (aligned)
            return;
        adcoder.clear();
        forcoder.truncate(before);
    }
    adcoder.resize(had + (length + 3) / 4 * 5);
    QChar *out = adcoder.data() + had;
    for (qsizetype i = 0, q = 0; i < length; i += 4, q = (q + 1) % 5)
        out = writeFourDigits(out, leadingNumber(encoded.constData(), i, length) - kPieces[q]);
    adcoder.truncate(out - adcoder.constData());
    // The second stage reads the whole of adcoder, four characters at a time.
    const qsizetype stage1 = adcoder.size();
    const qsizetype before = forcoder.size();
    forcoder.resize(before + (stage1 + 3) / 4);
    QChar *decoded = forcoder.data() + before;
    for (qsizetype i = 0; i < stage1; i += 4)
        *decoded++ = cp1251ToChar(groupValue(adcoder.constData() + i, std::min<qsizetype>(4, stage1 - i)).value_or(-1));
}

std::optional<QByteArray> EncodeBase(const QString &decoded)
{
    QByteArray out(decoded.size() * 4, Qt::Uninitialized);
    char *at = out.data();
    int q = 0;
    for (QChar c : decoded) {
        const std::optional<int> code = charToCp1251(c);
        if (!code)
            return std::nullopt;
        const int v = *code + kPieces[q];  // at most 255 + 730: always four digits with zeros
        *at++ = char('0' + v / 1000);
        *at++ = char('0' + v / 100 % 10);
        *at++ = char('0' + v / 10 % 10);
        *at++ = char('0' + v % 10);
        q = (q + 1) % 5;
    }
    return out;
}

std::optional<QString> checkBaseFile(const QByteArray &bytes, const QString &path, DecodedBase *decoded)
{
    const auto file = [&path] { return QStringLiteral("«%1»").arg(path); };
    if (bytes.size() > kMaxBaseLength)
        return QStringLiteral("Файл вопросов %1 слишком велик: в нём больше %2 байт.").arg(file()).arg(kMaxBaseLength);
    // A byte array ends in a zero byte, which is no digit either.
    const qsizetype digits = qsizetype(std::strspn(bytes.constData(), "0123456789"));
    if (digits < bytes.size())
        return QStringLiteral("Файл вопросов %1 повреждён: в байте %2 стоит код %3, а допускаются только цифры.")
            .arg(file()).arg(digits + 1).arg(static_cast<unsigned char>(bytes[digits]));
    // Every group must stand for a character: then decoding is this one pass, and its result
    // is what DecodeBase leaves in empty holders.
    DecodedBase stages;
    const qsizetype groups = (bytes.size() + 3) / 4;
    stages.adcoder.resize(groups * 4);
    stages.forcoder.resize(groups);
    QChar *stage1 = stages.adcoder.data();
    QChar *text = stages.forcoder.data();
    for (qsizetype i = 0, q = 0; i < bytes.size(); i += 4, q = (q + 1) % 5) {
        const qsizetype size = std::min<qsizetype>(4, bytes.size() - i);
        const char *d = bytes.constData() + i;
        int value;
        if (size == 4) {
            value = (d[0] - '0') * 1000 + (d[1] - '0') * 100 + (d[2] - '0') * 10 + (d[3] - '0');
        } else {
            value = 0;
            for (qsizetype k = 0; k < size; ++k)
                value = value * 10 + (d[k] - '0');
        }
        const int code = value - kPieces[q];
        if (code < 0 || code > 255)
            return QStringLiteral("Файл вопросов %1 повреждён: группа %2 («%3», байты %4–%5) не соответствует ключу.")
                .arg(file()).arg(i / 4 + 1).arg(QString::fromLatin1(bytes.mid(i, size))).arg(i + 1).arg(i + size);
        stage1 = writeFourDigits(stage1, code);
        *text++ = cp1251ToChar(code);
    }
    std::optional<QString> fault = checkDecodedBase(stages.forcoder, path);
    if (!fault && decoded)
        *decoded = std::move(stages);
    return fault;
}

std::optional<QString> checkDecodedBase(const QString &decoded, const QString &path)
{
    const QString file = QStringLiteral("«%1»").arg(path);
    if (decoded.isEmpty())
        return QStringLiteral("Файл вопросов %1 пуст: в нём нет ни одного вопроса.").arg(file);
    if (decoded.size() < 2 || decoded[0] == QLatin1Char('@') || decoded[1] != QLatin1Char('@'))
        return QStringLiteral("Файл вопросов %1 повреждён: текст должен начинаться с одного знака и «@».").arg(file);
    const int found = int(decoded.count(QLatin1Char('@'))) - 1;
    if (found < kQuestionsPerGame)
        return QStringLiteral("Файл вопросов %1 неполон: в нём %2 %3 из %4.")
            .arg(file).arg(found).arg(questions(found)).arg(kQuestionsPerGame);
    const QStringList records = cutRecords(decoded);
    for (int k = 1; k <= kQuestionsPerGame; ++k) {
        if (splitRecord(records[k]).complete)
            continue;
        if (const int empty = emptyAnswerOf(records[k]))
            return QStringLiteral("Файл вопросов %1 повреждён: в вопросе %2 пуст ответ %3.").arg(file).arg(k).arg(empty);
        return QStringLiteral("Файл вопросов %1 повреждён: в вопросе %2 нет всех пяти разделителей «|».").arg(file).arg(k);
    }
    return std::nullopt;
}

}  // namespace kvizar
