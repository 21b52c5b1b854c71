#include "harness.h"

#include <stdexcept>

namespace kvizar::test {

QString baseText(const QStringList &records)
{
    QString text = QStringLiteral("#@");
    for (const QString &r : records)
        text += r + QLatin1Char('@');
    return text;
}

QStringList standardRecords()
{
    QStringList records;
    for (int k = 1; k <= 15; ++k)
        records << QStringLiteral("Вопрос %1?|Верно %1||Неверно %1-2|||Неверно %1-3||||Неверно %1-4|||||").arg(k);
    return records;
}

QByteArray encode(const QString &decoded)
{
    const std::optional<QByteArray> bytes = EncodeBase(decoded);
    if (!bytes)
        throw std::invalid_argument("text outside the code page");
    return *bytes;
}

double ScriptedRandom::next()
{
    if (queue.empty())
        return fallback_.next();
    const double v = queue.front();
    queue.pop_front();
    return v;
}

Harness::Harness(std::uint64_t seed, QByteArray b) : HarnessRandom(seed), RecordedProgram(rnd, std::move(b)) {}

void Harness::click(Screen &s, Control &c, int button)
{
    press(s, c, button);
    release(&c, button);
}

void Harness::startProgram()
{
    program->run();
}

void Harness::key(Screen &s, int key)
{
    keyDown(s, key);
    keyUp(key);
}

void Harness::pressStart(int button)
{
    StartScreen &start = *program->start;
    Control &button_ = start.ctl(QStringLiteral("continue"));
    press(start, button_, button);
    release(&button_, button);
}

void Harness::toQuestion1()
{
    startProgram();
    pressStart();
    click(game(), game().begin);
    wait(28 * 200);
}

void Harness::answer(int i, int button)
{
    press(game(), game().answer(i), button);
    release(&game().answer(i), button);
}

int Harness::rightIndex() const
{
    for (int i = 1; i <= 4; ++i)
        if (game().answer(i).caption == game().RightAnswer)
            return i;
    return 0;
}

int Harness::wrongIndex() const
{
    for (int i = 1; i <= 4; ++i)
        if (!game().answer(i).caption.isEmpty() && game().answer(i).caption != game().RightAnswer)
            return i;
    return 0;
}

void Harness::toQuestion(int q)
{
    toQuestion1();
    while (game().QuestionNow < q) {
        const int now = game().QuestionNow;
        answer(rightIndex());
        while (game().QuestionNow == now)
            wait(100);
    }
}

}  // namespace kvizar::test
