#include "commands.h"

#include "companion.h"
#include "output.h"

#include "core/random.h"
#include "questions/bank.h"
#include "questions/codepage.h"
#include "questions/mainmodule.h"
#include "questions/records.h"
#include "questions/usedquestions.h"

#include <QFile>
#include <QStringDecoder>

#include <optional>

namespace {

std::optional<QByteArray> readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read «%1»: %2").arg(path, file.errorString()));
        return std::nullopt;
    }
    return file.readAll();
}

int usageError(const QString &message)
{
    printError(message + QStringLiteral(" (see base --help)"));
    return 2;
}

// A bank has lines that begin with a level and a topic; a decoded base text is a single run
// of records.
bool isBank(const QByteArray &bytes)
{
    for (const QByteArray &line : bytes.split('\n')) {
        const QStringList head = QString::fromUtf8(line.left(line.indexOf('|'))).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool number = false;
        head.value(0).toInt(&number);
        if (number && kvizar::kTopics.contains(head.value(1)))
            return true;
    }
    return false;
}

std::optional<QByteArray> encodeBank(const QString &path, std::uint64_t seed)
{
    QStringList problems;
    const std::optional<kvizar::Bank> bank = kvizar::loadBank(path, &problems);
    if (!bank) {
        printError(QStringLiteral("the bank «%1» cannot be used:\n  %2").arg(path, problems.join(QStringLiteral("\n  "))));
        return std::nullopt;
    }
    kvizar::Generator random(seed);
    const QByteArray bytes = kvizar::encodeGame(*bank, random);
    if (bytes.isEmpty()) {
        printError(QStringLiteral("no game could be made from «%1»").arg(path));
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> encodeText(const QString &path, const QByteArray &utf8)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(utf8);
    if (decoder.hasError()) {
        printError(QStringLiteral("«%1» is neither a bank nor a UTF-8 text").arg(path));
        return std::nullopt;
    }
    for (qsizetype i = 0; i < text.size(); ++i)
        if (!kvizar::charToCp1251(text[i])) {
            printError(QStringLiteral("character «%1» (U+%2) at position %3 of «%4» is not in Windows-1251")
                           .arg(text[i]).arg(text[i].unicode(), 4, 16, QLatin1Char('0')).arg(i + 1).arg(path));
            return std::nullopt;
        }
    return kvizar::EncodeBase(text);
}

}  // namespace

int checkCommand(const QStringList &args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("check takes one file"));
    const QString &path = args.first();
    const QStringList problems = kvizar::checkBank(path);
    for (const QString &problem : problems)
        printOut(path + QLatin1Char(':') + problem + QLatin1Char('\n'));
    if (!problems.isEmpty())
        return 1;
    const std::optional<kvizar::Bank> bank = kvizar::loadBank(path);
    if (!bank) {
        printError(QStringLiteral("%1 changed while it was being checked").arg(path));
        return 1;
    }
    QStringList counts;
    for (int c = 0; c < kvizar::kClassCount; ++c)
        counts << QStringLiteral("%1 %2").arg(bank->classes[std::size_t(c)].size()).arg(kvizar::bankClassName(c));
    printOut(QStringLiteral("%1: no problems; %2 questions\n").arg(path, counts.join(QStringLiteral(", "))));
    return 0;
}

int statsCommand(const QStringList &args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("stats takes one file"));
    QStringList problems;
    const std::optional<kvizar::Bank> bank = kvizar::loadBank(args.first(), &problems);
    if (!bank) {
        printError(QStringLiteral("the bank «%1» cannot be used:\n  %2").arg(args.first(), problems.join(QStringLiteral("\n  "))));
        return 1;
    }
    printOut(kvizar::bankStats(*bank).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return 0;
}

int encodeCommand(const QStringList &args)
{
    QString in, out;
    std::optional<std::uint64_t> seed;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const bool hasValue = i + 1 < args.size();
        if (args[i] == QLatin1String("-o") && hasValue) {
            out = args[++i];
        } else if (args[i] == QLatin1String("--seed") && hasValue) {
            bool ok = false;
            seed = args[++i].toULongLong(&ok);
            if (!ok)
                return usageError(QStringLiteral("--seed takes a whole number"));
        } else if (in.isEmpty() && !args[i].startsWith(QLatin1Char('-'))) {
            in = args[i];
        } else {
            return usageError(QStringLiteral("encode: unexpected «%1»").arg(args[i]));
        }
    }
    if (in.isEmpty())
        return usageError(QStringLiteral("encode takes a file"));

    const std::optional<QByteArray> source = readAll(in);
    if (!source)
        return 1;
    const std::optional<QByteArray> bytes = isBank(*source) ? encodeBank(in, seed.value_or(seedFromTime()))
                                                            : encodeText(in, *source);
    if (!bytes)
        return 1;
    if (const std::optional<QString> fault = kvizar::checkBaseFile(*bytes, out.isEmpty() ? QStringLiteral("-") : out))
        printError(QStringLiteral("warning: the game will refuse the result: ") + *fault);
    if (out.isEmpty()) {
        std::fwrite(bytes->constData(), 1, std::size_t(bytes->size()), stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    QString error;
    if (!writeWhole(out, *bytes, &error)) {
        printError(error);
        return 1;
    }
    return 0;
}

int decodeCommand(const QStringList &args)
{
    if (args.size() != 1)
        return usageError(QStringLiteral("decode takes one file"));
    const QString &path = args.first();
    const std::optional<QByteArray> bytes = readAll(path);
    if (!bytes)
        return 1;
    if (const std::optional<QString> fault = kvizar::checkBaseFile(*bytes, path)) {
        printError(*fault);
        return 1;
    }
    QString codes, text;
    kvizar::DecodeBase(QString::fromLatin1(*bytes), codes, text);
    const QStringList records = kvizar::cutRecords(text);
    for (int k = 1; k <= kvizar::kQuestionsPerGame; ++k) {
        const kvizar::RecordParts parts = kvizar::splitRecord(records[k]);
        printOut(QStringLiteral("%1. [%2] %3\n").arg(k).arg(kvizar::questionClass(k), parts.question));
        for (int a = 0; a < 4; ++a)
            printOut(QStringLiteral("   %1 %2\n").arg(a == 0 ? QLatin1Char('+') : QLatin1Char('-')).arg(parts.answers[std::size_t(a)]));
    }
    return 0;
}
