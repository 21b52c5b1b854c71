#include "changes.h"

#include "app/program.h"

namespace kvizar::sim {

namespace {

QString flag(bool b)
{
    return b ? QStringLiteral("true") : QStringLiteral("false");
}

void diff(const QString &screen, const std::vector<PropertyValue> &before, const std::vector<PropertyValue> &after,
          QStringList &out)
{
    // Both lists come from the same design, property for property.
    for (std::size_t i = 0; i < after.size(); ++i) {
        const PropertyValue &now = after[i];
        if (i < before.size() && before[i] == now)
            continue;
        out << screen + QLatin1Char('.') + now.target + QLatin1Char('.') + now.property + QStringLiteral(" = ") + now.value;
    }
}

}  // namespace

QStringList ChangeTracker::collect(const Program &program)
{
    QStringList out;
    std::map<const Screen *, std::vector<PropertyValue>> seen;
    for (const Screen *screen : program.screens()) {
        std::vector<PropertyValue> now = snapshot(*screen);
        const auto known = seen_.find(screen);
        diff(screen->name(), known != seen_.end() ? known->second : designSnapshot(screen->design()), now, out);
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
