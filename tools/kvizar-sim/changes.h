#pragma once

#include "game/gamescreen.h"
#include "screens/snapshot.h"

#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace kvizar {
class Program;
}

namespace kvizar::sim {

// Remembers what every loaded screen looked like after the last handler and says what a
// handler changed: "game.answer(2).caption = \"Москва\"", "game.Timer2.enabled = true" and,
// with `withState`, "game.QuestionNow = 2". A screen that was not there before is compared
// with its design, so only what its load step changed is told.
class ChangeTracker {
public:
    explicit ChangeTracker(bool withState) : withState_(withState) {}

    QStringList collect(const Program &program);

private:
    QStringList stateChanges(const GameScreen::State &now);

    bool withState_;
    std::map<const Screen *, ScreenState> seen_;
    GameScreen::State lastState_{};
};

}  // namespace kvizar::sim
