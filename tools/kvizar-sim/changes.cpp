#include "changes.h"

#include "screens/describe.h"
#include "screens/program.h"

namespace kvizar::sim {

namespace {

QString flag(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

}  // namespace

QStringList ChangeTracker::collect(Program &program)
{
    QStringList out;
    for (Screen *screen : program.screens())
        if (screen->changed())
            for (const QString &line : describeChanges(*screen, screen->takeChanges()))
                out << screen->name() + QLatin1Char('.') + line;
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
