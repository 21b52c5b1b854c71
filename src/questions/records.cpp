#include "records.h"

namespace kvizar {

namespace {

// 1-based search from position `from`, 0 when absent, like the string search the base
// format was designed around.
int inStr(int from, const QString &text, QChar what)
{
    if (from < 1)
        from = 1;
    if (from > text.size())
        return 0;
    return int(text.indexOf(what, from - 1)) + 1;
}

// The same for a run of `n` bars (1 to 5): the first position where n "|" follow one another.
int inStrBars(const QString &text, int n)
{
    static const QString bars[6] = {QString(), QStringLiteral("|"), QStringLiteral("||"), QStringLiteral("|||"),
                                    QStringLiteral("||||"), QStringLiteral("|||||")};
    return int(text.indexOf(bars[n])) + 1;
}

QString mid(const QString &text, int from, int length)
{
    if (from < 1 || length <= 0)
        return {};
    return text.mid(from - 1, length);
}

}  // namespace

QStringList cutRecords(const QString &base)
{
    const QChar at = QLatin1Char('@');
    QStringList records(16);
    int a = 2;
    for (int k = 1; k <= 15; ++k) {
        if (a < 1)
            break;  // no further "@": the remaining records stay empty
        const int c = inStr(a, base, at);
        const int b = inStr(a + 1, base, at);
        const int d = inStr(a - 1, base, at);
        if (c == 0 || b == 0)
            break;
        records[k] = mid(base, d + 1, b - c);
        a = inStr(a + 1, base, at);
    }
    return records;
}

RecordParts splitRecord(const QString &record)
{
    RecordParts parts;
    int s[6] = {0, 0, 0, 0, 0, 0};
    for (int n = 1; n <= 5; ++n) {
        s[n] = inStrBars(record, n);
        if (s[n] == 0)
            return parts;
    }
    for (int n = 1; n < 5; ++n)
        if (s[n + 1] <= s[n] + n - 1)
            return parts;  // separators overlap: an answer would have no room
    parts.complete = true;
    parts.question = mid(record, 1, s[1] - 1);
    for (int j = 1; j <= 4; ++j)
        parts.answers[std::size_t(j - 1)] = mid(record, s[j] + j, s[j + 1] - s[j] - j);
    return parts;
}

int emptyAnswerOf(const QString &record)
{
    int expected = 1;  // the separator due next: "|" is 1, "||" is 2, ...
    for (qsizetype i = 0; i < record.size() && expected <= 5;) {
        if (record[i] != QLatin1Char('|')) {
            ++i;
            continue;
        }
        int run = 0;
        while (i < record.size() && record[i] == QLatin1Char('|')) {
            ++run;
            ++i;
        }
        // The run is separators expected..last with nothing between them.
        int last = expected, sum = expected;
        while (sum < run && last < 5)
            sum += ++last;
        if (sum != run)
            return 0;
        if (last > expected)
            return expected;
        ++expected;
    }
    return 0;
}

}  // namespace kvizar
