#include "changes.h"

#include "screens/program.h"

namespace kvizar::sim {

namespace {

QString flag(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

QStringList ChangeTracker::collect(const Program &program)
{
    QStringList out;
    std::map<const Screen *, ScreenState> seen;
    for (const Screen *screen : program.screens()) {
        ScreenState now = captureState(*screen);
        const auto known = seen_.find(screen);
        ScreenState designed;
        const ScreenState *before = &designed;
        if (known != seen_.end())
            before = &known->second;
        else
            designed = designState(screen->design());
        if (!(*before == now))
            for (const QString &line : describeChanges(screen->design(), *before, now))
                out << screen->name() + QLatin1Char('.') + line;
        seen[screen] = std::move(now);
    }
    seen_ = std::move(seen);
    if (withState_ && program.game)
        out << stateChanges(program.game->state());
    return out;
}

QStringList ChangeTracker::stateChanges(const GameScreen::State &now)
{
    QStringList out;
    auto number = [&](const char *name, int before, int after) {
        if (before != after)
            out << QStringLiteral("game.%1 = %2").arg(QLatin1String(name)).arg(after);
    };
    auto boolean = [&](const char *name, bool before, bool after) {
        if (before != after)
            out << QStringLiteral("game.%1 = %2").arg(QLatin1String(name), flag(after));
    };
    const GameScreen::State &was = lastState_;
    number("QuestionNow", was.QuestionNow, now.QuestionNow);
    if (was.RightAnswer != now.RightAnswer)
        out << QStringLiteral("game.RightAnswer = ") + quoted(now.RightAnswer);
    boolean("AlreadyPressed", was.AlreadyPressed, now.AlreadyPressed);
    boolean("LifelineBusy", was.LifelineBusy, now.LifelineBusy);
    boolean("GameFinished", was.GameFinished, now.GameFinished);
    number("TimeLimit", was.TimeLimit, now.TimeLimit);
    number("SafeSum", was.SafeSum, now.SafeSum);
    number("ChosenAnswer", was.ChosenAnswer, now.ChosenAnswer);
    number("Motions", was.Motions, now.Motions);
    lastState_ = now;
    return out;
}

}  // namespace kvizar::sim
