#include "bank.h"

#include "codepage.h"
#include "textfit.h"
#include "core/random.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QStringDecoder>

#include <algorithm>
#include <numeric>

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

// The head of a question line, "LEVEL TOPIC [TAGS]"; false, with its problems, when it is not one.
bool parseHead(const QString &head, int line, BankQuestion &q, std::vector<Problem> &problems)
{
    const QStringList words = head.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    const int level = words.value(0).toInt(&ok);
    if (!ok || level < 1 || level > kLevelCount) {
        problems.push_back({line, QStringLiteral("the line must begin with a level from 1 to %1, not %2")
                                      .arg(kLevelCount).arg(quoted(words.value(0)))});
        return false;
    }
    if (words.size() < 2 || !kTopics.contains(words[1])) {
        problems.push_back({line, QStringLiteral("the level must be followed by a topic: %1").arg(kTopics.join(QStringLiteral(", ")))});
        return false;
    }
    for (const QString &tag : words.mid(2))
        if (!kTags.contains(tag)) {
            problems.push_back({line, QStringLiteral("unknown tag %1; the tags are %2").arg(quoted(tag), kTags.join(QStringLiteral(" and ")))});
            return false;
        }
    q.level = level;
    q.topic = words[1];
    q.tags = words.mid(2);
    return true;
}

// A question line; nullopt, with its problems, when it would spoil a base file.
std::optional<BankQuestion> parseQuestion(const QString &text, int line, std::vector<Problem> &problems)
{
    const QStringList fields = text.split(QLatin1Char('|'));
    if (fields.size() != 6) {
        problems.push_back({line, QStringLiteral("%1 fields separated by «|»; a question line has 6: the level and topic, the "
                                                 "question, the right answer, three wrong ones")
                                      .arg(fields.size())});
        return std::nullopt;
    }
    BankQuestion q;
    q.line = line;
    if (!parseHead(fields[0].trimmed(), line, q, problems))
        return std::nullopt;
    const std::size_t before = problems.size();
    for (int f = 0; f < 5; ++f) {
        const QString field = fields[f + 1].trimmed();
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
            problems.push_back({line, QStringLiteral("a section line; each question line now begins with its level, which "
                                                     "gives its class")});
            continue;
        }
        const std::optional<BankQuestion> q = parseQuestion(text, line, problems);
        if (!q)
            continue;
        if (looks)
            checkLooks(*q, problems);
        bank.classes[std::size_t(classOfLevel(q->level))].push_back(*q);
    }

    const int lastLine = int(lines.size()) - (bytes.endsWith('\n') ? 1 : 0);
    for (int c = 0; c < kClassCount; ++c) {
        const std::size_t distinct = distinctQuestions(bank.classes[std::size_t(c)]).size();
        if (distinct < std::size_t(kQuestionsPerClass))
            problems.push_back({lastLine, QStringLiteral("%1 different questions of class %2 (levels %3 to %4); a game needs %5")
                                              .arg(distinct).arg(kClassNames[std::size_t(c)]).arg(c * 5 + 1).arg(c * 5 + 5)
                                              .arg(kQuestionsPerClass)});
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

// The five questions of class `cls` for a game, question by question: for question n one of
// level n, or, when the pool has none left, one of the nearest level of the class that has
// (the fuller of two equally near, the lower on a tie). The pool holds at least five.
std::vector<Keyed> pickByLevel(std::vector<Keyed> pool, int cls, RandomSource &random)
{
    std::vector<Keyed> chosen;
    const int first = cls * kQuestionsPerClass + 1, last = first + kQuestionsPerClass - 1;
    const auto count = [&pool](int level) {
        return std::count_if(pool.begin(), pool.end(), [level](const Keyed &k) { return k.question->level == level; });
    };
    for (int level = first; level <= last; ++level) {
        int from = level;
        for (int d = 1; count(from) == 0 && d < kQuestionsPerClass; ++d) {
            const int below = level - d >= first ? int(count(level - d)) : 0;
            const int above = level + d <= last ? int(count(level + d)) : 0;
            if (below > 0 || above > 0)
                from = below >= above ? level - d : level + d;
        }
        std::vector<std::size_t> candidates;
        for (std::size_t i = 0; i < pool.size(); ++i)
            if (pool[i].question->level == from)
                candidates.push_back(i);
        const std::size_t pick = candidates[std::min(candidates.size() - 1, std::size_t(candidates.size() * random.next()))];
        chosen.push_back(pool[pick]);
        pool.erase(pool.begin() + std::ptrdiff_t(pick));
    }
    return chosen;
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

int classOfLevel(int level)
{
    return std::clamp((level - 1) / kQuestionsPerClass, 0, kClassCount - 1);
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
    AskedRecord fresh;
    const std::optional<GameQuestions> game = chooseUnserved(bank, fresh, random);
    return game ? EncodeBase(gameText(*game)).value_or(QByteArray()) : QByteArray();
}

QStringList bankStats(const Bank &bank)
{
    QStringList out;
    std::array<int, kLevelCount + 1> levels{};
    QMap<QString, int> topics;
    int total = 0, newer = 0, fun = 0, low = 0, funLow = 0;
    const BankQuestion *widest = nullptr, *longest = nullptr;
    int widestAnswer = 0, widestWidth = -1, longestLines = -1;
    for (int c = 0; c < kClassCount; ++c) {
        out << QStringLiteral("class %1 %2").arg(kClassNames[std::size_t(c)]).arg(bank.classes[std::size_t(c)].size());
        for (const BankQuestion &q : bank.classes[std::size_t(c)]) {
            ++total;
            ++levels[std::size_t(q.level)];
            ++topics[q.topic];
            newer += q.tags.contains(QStringLiteral("new")) ? 1 : 0;
            fun += q.tags.contains(QStringLiteral("fun")) ? 1 : 0;
            low += q.level <= 3 ? 1 : 0;
            funLow += q.level <= 3 && q.tags.contains(QStringLiteral("fun")) ? 1 : 0;
            for (int a = 0; a < 4; ++a)
                if (const int w = answerWidth(q.answers[std::size_t(a)]); w > widestWidth) {
                    widestWidth = w;
                    widest = &q;
                    widestAnswer = a;
                }
            if (const int l = questionLines(q.question); l > longestLines) {
                longestLines = l;
                longest = &q;
            }
        }
    }
    for (int l = 1; l <= kLevelCount; ++l)
        out << QStringLiteral("level %1 %2").arg(l).arg(levels[std::size_t(l)]);
    for (const QString &topic : kTopics)
        out << QStringLiteral("topic %1 %2").arg(topic).arg(topics.value(topic));
    if (total == 0)
        return out;
    const auto percent = [](int part, int whole) { return whole ? QString::number(100.0 * part / whole, 'f', 1) : QStringLiteral("0"); };
    QString largest;
    for (const QString &topic : kTopics)
        if (largest.isEmpty() || topics.value(topic) > topics.value(largest))
            largest = topic;
    out << QStringLiteral("largest topic: %1, %2% of the bank").arg(largest, percent(topics.value(largest), total));
    out << QStringLiteral("tagged new (about the years since 1991): %1, %2% of the bank").arg(newer).arg(percent(newer, total));
    out << QStringLiteral("tagged fun: %1; at levels 1 to 3, %2 of %3 (%4%)").arg(fun).arg(funLow).arg(low).arg(percent(funLow, low));
    std::vector<int> order(kLevelCount);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return levels[std::size_t(a)] < levels[std::size_t(b)]; });
    QStringList fewest;
    for (int i = 0; i < 3; ++i)
        fewest << QStringLiteral("level %1 (%2)").arg(order[std::size_t(i)]).arg(levels[std::size_t(order[std::size_t(i)])]);
    out << QStringLiteral("levels closest to running out: ") + fewest.join(QStringLiteral(", "));
    QStringList games;
    for (int c = 0; c < kClassCount; ++c)
        games << QStringLiteral("%1 %2").arg(kClassNames[std::size_t(c)])
                     .arg(distinctQuestions(bank.classes[std::size_t(c)]).size() / kQuestionsPerClass);
    out << QStringLiteral("games before a question comes again: ") + games.join(QStringLiteral(", "));
    out << QStringLiteral("widest answer: %1 px of %2, line %3: %4")
               .arg(widestWidth).arg(answerBoxWidth() - kFitMargin).arg(widest->line).arg(quoted(widest->answers[std::size_t(widestAnswer)]));
    out << QStringLiteral("longest question: %1 lines of %2, line %3: %4")
               .arg(longestLines).arg(questionMaxLines()).arg(longest->line).arg(quoted(longest->question));
    return out;
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
    // When a key was served, oldest first, whichever class's list holds it.
    QHash<QString, int> servedAt;
    for (const QStringList &served : record.served)
        for (int i = 0; i < served.size(); ++i)
            if (!servedAt.contains(served[i]))
                servedAt.insert(served[i], i);
    GameQuestions game{};
    AskedRecord updated;
    for (int c = 0; c < kClassCount; ++c) {
        const std::vector<Keyed> all = distinctQuestions(bank.classes[std::size_t(c)]);
        if (all.size() < std::size_t(kQuestionsPerClass))
            return std::nullopt;
        std::vector<Keyed> fresh, used;
        for (const Keyed &k : all)
            (servedAt.contains(k.key) ? used : fresh).push_back(k);
        std::stable_sort(used.begin(), used.end(), [&](const Keyed &a, const Keyed &b) { return servedAt[a.key] < servedAt[b.key]; });

        QStringList &served = updated.served[std::size_t(c)];
        std::vector<Keyed> pool;
        if (fresh.size() >= std::size_t(kQuestionsPerClass)) {
            for (const Keyed &k : used)
                served << k.key;
            pool = std::move(fresh);
        } else {
            // The round is over: the last fresh ones, then some of those served longest ago.
            const std::size_t missing = std::size_t(kQuestionsPerClass) - fresh.size();
            used.resize(std::max(missing, used.size() / 2));
            pickToFront(used, int(missing), random);
            pool = std::move(fresh);
            pool.insert(pool.end(), used.begin(), used.begin() + std::ptrdiff_t(missing));
        }
        const std::vector<Keyed> chosen = pickByLevel(pool, c, random);
        for (int i = 0; i < kQuestionsPerClass; ++i) {
            game[std::size_t(c * kQuestionsPerClass + i)] = chosen[std::size_t(i)].question;
            served << chosen[std::size_t(i)].key;
        }
    }
    record = updated;
    return game;
}

}  // namespace kvizar
