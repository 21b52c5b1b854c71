#include "changes.h"

#include "screens/describe.h"
#include "screens/program.h"

namespace kvizar::sim {

void ChangeTracker::collect(Program &program, const std::function<std::string_view()> &prefix, std::string &out)
{
    for (Screen *screen : program.screens()) {
        if (!screen->changed())
            continue;
        std::string screenPrefix(prefix());
        screenPrefix += screen->name().toStdString();
        screenPrefix += '.';
        describeChanges(*screen, screen->takeChanges(), screenPrefix, out);
    }
    if (withState_ && program.game)
        stateChanges(program.game->state(), prefix, out);
}

void ChangeTracker::stateChanges(const GameScreen::State &now, const std::function<std::string_view()> &prefix, std::string &out)
{
    auto line = [&](const char *name) {
        out += prefix();
        out += "game.";
        out += name;
        out += " = ";
    };
    auto number = [&](const char *name, int before, int after) {
        if (before != after)
            line(name), out += std::to_string(after), out += '\n';
    };
    auto boolean = [&](const char *name, bool before, bool after) {
        if (before != after)
            line(name), out += after ? "true\n" : "false\n";
    };
    const GameScreen::State &was = lastState_;
    number("QuestionNow", was.QuestionNow, now.QuestionNow);
    if (was.RightAnswer != now.RightAnswer)
        line("RightAnswer"), appendQuoted(out, now.RightAnswer), out += '\n';
    boolean("AlreadyPressed", was.AlreadyPressed, now.AlreadyPressed);
    boolean("LifelineBusy", was.LifelineBusy, now.LifelineBusy);
    boolean("GameFinished", was.GameFinished, now.GameFinished);
    number("TimeLimit", was.TimeLimit, now.TimeLimit);
    number("SafeSum", was.SafeSum, now.SafeSum);
    number("ChosenAnswer", was.ChosenAnswer, now.ChosenAnswer);
    number("Motions", was.Motions, now.Motions);
    lastState_ = now;
}

}  // namespace kvizar::sim
