#include "usedquestions.h"

#include "core/services.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

namespace kvizar {

QString questionClass(int n)
{
    if (n >= 1 && n <= 5)
        return QStringLiteral("SIMPLE");
    if (n >= 6 && n <= 10)
        return QStringLiteral("MEDIUM");
    if (n >= 11 && n <= 15)
        return QStringLiteral("HARD");
    return {};
}

double leadingValue(const QString &text)
{
    QString s;
    for (QChar c : text)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            s += c;
    qsizetype i = 0;
    auto digits = [&] {
        const qsizetype from = i;
        while (i < s.size() && s[i] >= QLatin1Char('0') && s[i] <= QLatin1Char('9'))
            ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    qsizetype mantissa = digits();
    if (i < s.size() && s[i] == QLatin1Char('.')) {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0)
        return 0;
    qsizetype end = i;
    if (i < s.size() && QStringLiteral("eEdD").contains(s[i])) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == QLatin1Char('+') || s[j] == QLatin1Char('-')))
            ++j;
        i = j;
        if (digits() > 0)
            end = i;
    }
    QByteArray number = s.left(end).toLatin1();
    number.replace('d', 'e').replace('D', 'e');
    const bool negative = number.startsWith('-');
    if (number.startsWith('+') || negative)
        number.remove(0, 1);
    double v = 0;
    const auto [rest, error] = std::from_chars(number.constData(), number.constData() + number.size(), v);
    if (error == std::errc::result_out_of_range)  // a number, but beyond any double: too large a count
        v = number.contains("e-") ? 0 : std::numeric_limits<double>::infinity();
    return negative ? -v : v;
}

namespace {

// Nearest 16-bit integer, halves to even; nullopt when it does not fit.
std::optional<int> toInt16(double v)
{
    const double r = std::nearbyint(v);  // default rounding mode: to nearest, ties to even
    if (!(r >= -32768 && r <= 32767))
        return std::nullopt;
    return int(r);
}

}  // namespace

void countAnsweredQuestion(SettingsStore &settings, const QString &exeName, int questionNow)
{
    const QString key = questionClass(questionNow);
    if (key.isEmpty())
        return;
    const std::optional<QString> stored = settings.read(kSettingsApp, kAskedSection, key, QString());
    std::optional<int> v;
    if (stored)
        v = toInt16(leadingValue(*stored));
    if (v && *v < 32767 && settings.write(exeName, kAskedSection, key, QString::number(*v + 1)))
        return;
    for (const char *k : {"SIMPLE", "MEDIUM", "HARD"})
        settings.write(exeName, kAskedSection, QString::fromLatin1(k), QStringLiteral("1"));
}

}  // namespace kvizar
