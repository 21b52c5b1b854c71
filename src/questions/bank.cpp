#include "bank.h"

#include "codepage.h"
#include "textfit.h"
#include "core/random.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>

namespace kvizar {

namespace {

const std::array<QString, kClassCount> kClassNames = {
    QStringLiteral("SIMPLE"), QStringLiteral("MEDIUM"), QStringLiteral("HARD")};

struct Problem {
    int line;
    QString message;
};

QString quoted(const QString &text)
{
    return QStringLiteral("«%1»").arg(text);
}

QString fieldName(int field)
{
    return field == 0 ? QStringLiteral("the question") : QStringLiteral("answer %1").arg(field);
}

QString normalized(const QString &text)
{
    return text.simplified().toCaseFolded();
}

// Faults of one text that would spoil a base file or the game's display of it.
void checkCharacters(const QString &text, int field, int line, std::vector<Problem> &problems)
{
    const auto code = [](QChar c) { return QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0')).toUpper(); };
    for (QChar c : text) {
        if (c == QLatin1Char('@')) {
            problems.push_back({line, QStringLiteral("«@» in %1").arg(fieldName(field))});
        } else if (!charToCp1251(c)) {
            problems.push_back({line, QStringLiteral("character %1 (%2) in %3 is not in Windows-1251")
                                          .arg(quoted(QString(c)), code(c), fieldName(field))});
        } else if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            problems.push_back({line, QStringLiteral("control character %1 in %2").arg(code(c), fieldName(field))});
        } else {
            continue;
        }
        return;  // one report per text is enough
    }
}

// Faults that leave a base file sound but show badly: texts too wide, equal answers.
void checkLooks(const BankQuestion &q, std::vector<Problem> &problems)
{
    if (!questionFits(q.question)) {
        const int lines = questionLines(q.question);
        problems.push_back({q.line, lines > questionMaxLines()
                                        ? QStringLiteral("the question takes %1 lines; the box holds %2").arg(lines).arg(questionMaxLines())
                                        : QStringLiteral("a word of the question is wider than the box")});
    }
    for (int a = 0; a < 4; ++a) {
        const QString &answer = q.answers[std::size_t(a)];
        if (!answerFits(answer))
            problems.push_back({q.line, QStringLiteral("answer %1 %2 is %3 px wide; an answer may take %4 px")
                                            .arg(a + 1).arg(quoted(answer)).arg(answerWidth(answer))
                                            .arg(answerBoxWidth() - kFitMargin)});
        for (int b = 0; b < a; ++b)
            if (normalized(q.answers[std::size_t(b)]) == normalized(answer))
                problems.push_back({q.line, QStringLiteral("answers %1 and %2 are the same: %3").arg(b + 1).arg(a + 1).arg(quoted(answer))});
    }
}

struct Keyed {
    QString key;
    const BankQuestion *question;
};

// The questions of a class with their keys, repeats of a question text left out.
std::vector<Keyed> distinctQuestions(const std::vector<BankQuestion> &questions)
{
    std::vector<Keyed> out;
    QSet<QString> seen;
    for (const BankQuestion &q : questions) {
        const QString key = questionKey(q);
        if (!seen.contains(key)) {
            seen.insert(key);
            out.push_back({key, &q});
        }
    }
    return out;
}

std::optional<QByteArray> readFile(const QString &path, std::vector<Problem> &problems)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        problems.push_back({0, QStringLiteral("cannot read %1: %2").arg(quoted(path), file.errorString())});
        return std::nullopt;
    }
    return file.readAll();
}

// A question line; nullopt, with its problems, when it would spoil a base file.
std::optional<BankQuestion> parseQuestion(const QString &text, int line, std::vector<Problem> &problems)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    if (fields.size() != 5) {
        problems.push_back({line, QStringLiteral("%1 fields separated by «|»; a question line has 5: the question, the right answer, three wrong ones")
                                      .arg(fields.size())});
        return std::nullopt;
    }
    BankQuestion q;
    q.line = line;
    const std::size_t before = problems.size();
    for (int f = 0; f < 5; ++f) {
        const QString field = fields[f].trimmed();
        if (field.isEmpty())
            problems.push_back({line, QStringLiteral("%1 is empty").arg(fieldName(f))});
        else
            checkCharacters(field, f, line, problems);
        (f == 0 ? q.question : q.answers[std::size_t(f - 1)]) = field;
    }
    // Fifteen records of this length must still fit a base file: "#@", then each record with
    // its ten separator bars and its closing "@", four digits a character.
    const int record = int(q.question.size() + q.answers[0].size() + q.answers[1].size() + q.answers[2].size() +
                           q.answers[3].size()) + 16;
    if (problems.size() == before && (2 + kQuestionsPerGame * record) * 4 > kMaxBaseLength)
        problems.push_back({line, QStringLiteral("the question and its answers are too long for a base file")});
    return problems.size() == before ? std::optional(q) : std::nullopt;
}

// Parses a bank; `looks` adds the checks of checkLooks and of repeated questions.
Bank parse(const QByteArray &bytes, bool looks, std::vector<Problem> &problems)
{
    Bank bank;
    std::array<int, kClassCount> sectionLine = {0, 0, 0};
    int cls = -1;
    bool unknownSection = false;
    const QList<QByteArray> lines = bytes.split('\n');
    for (int n = 0; n < lines.size(); ++n) {
        const int line = n + 1;
        QByteArray raw = lines[n];
        if (n == 0 && raw.startsWith("\xEF\xBB\xBF"))
            raw.remove(0, 3);
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = QString(decoder.decode(raw)).trimmed();
        if (decoder.hasError()) {
            problems.push_back({line, QStringLiteral("not valid UTF-8")});
            continue;
        }
        if (text.isEmpty() || text.startsWith(QLatin1Char('#')))
            continue;
        if (text.startsWith(QLatin1Char('['))) {
            const auto found = std::find_if(kClassNames.begin(), kClassNames.end(),
                                            [&](const QString &name) { return text == QLatin1Char('[') + name + QLatin1Char(']'); });
            unknownSection = found == kClassNames.end();
            if (unknownSection) {
                problems.push_back({line, QStringLiteral("unknown section %1; the sections are [SIMPLE], [MEDIUM] and [HARD]").arg(quoted(text))});
                cls = -1;
                continue;
            }
            cls = int(found - kClassNames.begin());
            if (sectionLine[std::size_t(cls)] == 0)
                sectionLine[std::size_t(cls)] = line;
            continue;
        }
        if (unknownSection)
            continue;  // reported at the section line
        if (cls < 0) {
            problems.push_back({line, QStringLiteral("a question before the first section line ([SIMPLE], [MEDIUM] or [HARD])")});
            continue;
        }
        const std::optional<BankQuestion> q = parseQuestion(text, line, problems);
        if (!q)
            continue;
        if (looks)
            checkLooks(*q, problems);
        bank.classes[std::size_t(cls)].push_back(*q);
    }

    const int lastLine = int(lines.size()) - (bytes.endsWith('\n') ? 1 : 0);
    for (int c = 0; c < kClassCount; ++c) {
        const std::size_t distinct = distinctQuestions(bank.classes[std::size_t(c)]).size();
        if (distinct < std::size_t(kQuestionsPerClass))
            problems.push_back({sectionLine[std::size_t(c)] ? sectionLine[std::size_t(c)] : lastLine,
                                QStringLiteral("%1 different questions in [%2]; a game needs %3")
                                    .arg(distinct).arg(kClassNames[std::size_t(c)]).arg(kQuestionsPerClass)});
    }
    if (looks) {
        QHash<QString, int> firstLine;
        for (const auto &questions : bank.classes)
            for (const BankQuestion &q : questions) {
                const auto it = firstLine.constFind(questionKey(q));
                if (it != firstLine.cend())
                    problems.push_back({q.line, QStringLiteral("the same question as on line %1").arg(*it)});
                else
                    firstLine.insert(questionKey(q), q.line);
            }
    }
    return bank;
}

QStringList formatted(std::vector<Problem> problems)
{
    std::stable_sort(problems.begin(), problems.end(), [](const Problem &a, const Problem &b) { return a.line < b.line; });
    QStringList out;
    for (const Problem &p : problems)
        out << QStringLiteral("%1: %2").arg(p.line).arg(p.message);
    return out;
}

// Moves `count` randomly chosen entries of `pool` to its front.
template <typename T>
void pickToFront(std::vector<T> &pool, int count, RandomSource &random)
{
    const int n = int(pool.size());
    for (int i = 0; i < count && i < n; ++i) {
        const int j = std::min(n - 1, i + int((n - i) * random.next()));
        std::swap(pool[std::size_t(i)], pool[std::size_t(j)]);
    }
}

bool isKey(const QString &word)
{
    return word.size() == 16 && std::all_of(word.begin(), word.end(), [](QChar c) {
               return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
           });
}

}  // namespace

QString bankClassName(int cls)
{
    return cls >= 0 && cls < kClassCount ? kClassNames[std::size_t(cls)] : QString();
}

std::optional<Bank> loadBank(const QString &path, QStringList *problems)
{
    std::vector<Problem> found;
    std::optional<Bank> bank;
    if (const std::optional<QByteArray> bytes = readFile(path, found))
        bank = parse(*bytes, false, found);
    if (problems)
        *problems = formatted(found);
    return found.empty() ? bank : std::nullopt;
}

QStringList checkBank(const QString &path)
{
    std::vector<Problem> found;
    if (const std::optional<QByteArray> bytes = readFile(path, found))
        parse(*bytes, true, found);
    return formatted(found);
}

QString gameText(const GameQuestions &questions)
{
    QString text = QStringLiteral("#@");
    for (const BankQuestion *q : questions) {
        text += q->question;
        for (int a = 0; a < 4; ++a)
            text += QString(a + 1, QLatin1Char('|')) + q->answers[std::size_t(a)];
        text += QStringLiteral("|||||@");
    }
    return text;
}

QByteArray encodeGame(const Bank &bank, RandomSource &random)
{
    GameQuestions game{};
    for (int c = 0; c < kClassCount; ++c) {
        std::vector<Keyed> pool = distinctQuestions(bank.classes[std::size_t(c)]);
        if (pool.size() < std::size_t(kQuestionsPerClass))
            return {};
        pickToFront(pool, kQuestionsPerClass, random);
        for (int i = 0; i < kQuestionsPerClass; ++i)
            game[std::size_t(c * kQuestionsPerClass + i)] = pool[std::size_t(i)].question;
    }
    return EncodeBase(gameText(game)).value_or(QByteArray());
}

QString questionKey(const BankQuestion &question)
{
    const QByteArray hash = QCryptographicHash::hash(normalized(question.question).toUtf8(), QCryptographicHash::Sha1);
    return QString::fromLatin1(hash.toHex().left(16));
}

QString askedRecordPath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/Kvizar/asked.txt");
}

AskedRecord readAskedRecord(const QString &path)
{
    AskedRecord record;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return record;
    std::array<bool, kClassCount> seen = {false, false, false};
    for (const QByteArray &bytes : file.readAll().split('\n')) {
        const QStringList words = QString::fromLatin1(bytes).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const auto name = std::find(kClassNames.begin(), kClassNames.end(), words.first());
        const std::size_t cls = std::size_t(name - kClassNames.begin());
        if (name == kClassNames.end() || seen[cls] || !std::all_of(words.begin() + 1, words.end(), isKey))
            return AskedRecord();
        seen[cls] = true;
        record.served[cls] = words.mid(1);
    }
    return record;
}

bool writeAskedRecord(const QString &path, const AskedRecord &record)
{
    if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (int c = 0; c < kClassCount; ++c)
        file.write((QStringList(kClassNames[std::size_t(c)]) + record.served[std::size_t(c)]).join(QLatin1Char(' ')).toLatin1() + '\n');
    return file.commit();
}

std::optional<GameQuestions> chooseUnserved(const Bank &bank, AskedRecord &record, RandomSource &random)
{
    GameQuestions game{};
    AskedRecord updated;
    for (int c = 0; c < kClassCount; ++c) {
        const std::vector<Keyed> all = distinctQuestions(bank.classes[std::size_t(c)]);
        if (all.size() < std::size_t(kQuestionsPerClass))
            return std::nullopt;
        // Keys of questions no longer in the bank are dropped; the rest keep their order.
        QHash<QString, int> servedAt;
        for (const QString &key : std::as_const(record.served[std::size_t(c)]))
            if (!servedAt.contains(key))
                servedAt.insert(key, int(servedAt.size()));
        std::vector<Keyed> fresh, used;
        for (const Keyed &k : all)
            (servedAt.contains(k.key) ? used : fresh).push_back(k);
        std::sort(used.begin(), used.end(), [&](const Keyed &a, const Keyed &b) { return servedAt[a.key] < servedAt[b.key]; });

        QStringList &served = updated.served[std::size_t(c)];
        std::vector<Keyed> chosen;
        if (fresh.size() >= std::size_t(kQuestionsPerClass)) {
            for (const Keyed &k : used)
                served << k.key;
            pickToFront(fresh, kQuestionsPerClass, random);
            chosen.assign(fresh.begin(), fresh.begin() + kQuestionsPerClass);
        } else {
            // The round is over: the last fresh ones, then some of those served longest ago.
            const std::size_t missing = std::size_t(kQuestionsPerClass) - fresh.size();
            used.resize(std::max(missing, used.size() / 2));
            pickToFront(used, int(missing), random);
            chosen = fresh;
            chosen.insert(chosen.end(), used.begin(), used.begin() + std::ptrdiff_t(missing));
            pickToFront(chosen, kQuestionsPerClass, random);  // the leftovers need not come first
        }
        for (int i = 0; i < kQuestionsPerClass; ++i) {
            game[std::size_t(c * kQuestionsPerClass + i)] = chosen[std::size_t(i)].question;
            served << chosen[std::size_t(i)].key;
        }
    }
    record = updated;
    return game;
}

}  // namespace kvizar
