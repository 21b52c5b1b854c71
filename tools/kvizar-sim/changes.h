#pragma once

#include "game/gamescreen.h"

#include <QStringList>

namespace kvizar {
class Program;
}

namespace kvizar::sim {

// Says what the last handler changed on every loaded screen: "game.answer(2).caption =
// \"Москва\"", "game.Timer2.enabled = true" and, with `withState`, "game.QuestionNow = 2". A
// screen loaded meanwhile tells what its load step changed from its design.
class ChangeTracker {
public:
    explicit ChangeTracker(bool withState) : withState_(withState) {}

    QStringList collect(Program &program);

private:
    QStringList stateChanges(const GameScreen::State &now);

    bool withState_;
    GameScreen::State lastState_{};
};

}  // namespace kvizar::sim
