#include "mainmodule.h"

#include "codepage.h"
#include "records.h"

namespace kvizar {

namespace {

// The number that the leading digits of `s` form: anything after the first non-digit is
// ignored.
int leadingNumber(QStringView s)
{
    int value = 0;
    for (QChar c : s) {
        if (!c.isDigit() || c.unicode() > '9')
            break;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

int keyPiece(int p)  // p = 1, 4, 7, 10, 13
{
    return kBaseKey.mid(p - 1, 3).toInt();
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

QString fourDigits(int v)
{
    QString s = QString::number(std::abs(v)).rightJustified(4, QLatin1Char('0'));
    return v < 0 ? QLatin1Char('-') + s : s;
}

}  // namespace

void DecodeBase(const QString &encoded, QString &adcoder, QString &forcoder)
{
    const int length = int(encoded.size());
    int p = 1;
    for (int i = 1; i <= length; i += 4) {
        const int g = leadingNumber(QStringView(encoded).mid(i - 1, 4));
        adcoder += fourDigits(g - keyPiece(p));
        p += 3;
        if (p == 16)
            p = 1;
    }
    const int stage1 = int(adcoder.size());
    for (int i = 1; i <= stage1; i += 4) {
        const QStringView group = QStringView(adcoder).mid(i - 1, 4);
        bool ok = false;
        const int code = group.toInt(&ok);
        forcoder += cp1251ToChar(ok ? code : -1);
    }
}

std::optional<QByteArray> EncodeBase(const QString &decoded)
{
    QByteArray out;
    out.reserve(decoded.size() * 4);
    int q = 0;
    for (QChar c : decoded) {
        const std::optional<int> code = charToCp1251(c);
        if (!code)
            return std::nullopt;
        out += QByteArray::number(*code + keyPiece(1 + 3 * q)).rightJustified(4, '0');
        q = (q + 1) % 5;
    }
    return out;
}

std::optional<QString> checkBaseFile(const QByteArray &bytes, const QString &path)
{
    const QString file = QStringLiteral("«%1»").arg(path);
    if (bytes.size() > kMaxBaseLength)
        return QStringLiteral("Файл вопросов %1 слишком велик: в нём больше %2 байт.").arg(file).arg(kMaxBaseLength);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char b = static_cast<unsigned char>(bytes[i]);
        if (b < '0' || b > '9')
            return QStringLiteral("Файл вопросов %1 повреждён: в байте %2 стоит код %3, а допускаются только цифры.")
                .arg(file).arg(i + 1).arg(b);
    }
    int q = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        const QByteArray group = bytes.mid(i, 4);
        const int code = group.toInt() - keyPiece(1 + 3 * q);
        if (code < 0 || code > 255)
            return QStringLiteral("Файл вопросов %1 повреждён: группа %2 («%3», байты %4–%5) не соответствует ключу.")
                .arg(file).arg(i / 4 + 1).arg(QString::fromLatin1(group)).arg(i + 1).arg(i + group.size());
        q = (q + 1) % 5;
    }
    QString adcoder, forcoder;
    DecodeBase(QString::fromLatin1(bytes), adcoder, forcoder);
    return checkDecodedBase(forcoder, path);
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
