#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace kvizar {
struct ScreenDesign;
}

namespace kvizar::sim {

// Which label of `game.answer` a target means when it is not a plain index.
enum class Pick { Index, Right, Wrong };

// A control of a screen as a script names it: `game.answer(3)`, `start.continue`,
// `game.answer(right)`.
struct Target {
    QString screen;
    QString control;
    int index = -1;  // -1: not part of a control array
    Pick pick = Pick::Index;

    QString text() const;
};

enum class Action { Wait, Press, Release, Click, Quit };

struct Command {
    Action action = Action::Quit;
    std::int64_t ms = 0;  // wait
    Target target;        // press, release, click
    int button = 1;       // MouseButton
};

// One script line: a command, nothing (blank or comment only) or an error message.
struct ParsedLine {
    std::optional<Command> command;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

ParsedLine parseLine(const QString &line);

// The design of the screen a script may name (start, game, tel); null for any other name.
const ScreenDesign *designNamed(const QString &screen);

}  // namespace kvizar::sim
