#pragma once

#include "game/gamescreen.h"

#include <functional>
#include <string>
#include <string_view>

namespace kvizar {
class Program;
}

namespace kvizar::sim {

// Says what the last handler changed on every loaded screen, one line each after `prefix`:
// "game.answer(2).caption = \"Москва\"", "game.Timer2.enabled = true" and, with `withState`,
// "game.QuestionNow = 2". A screen loaded meanwhile tells what its load step changed from its
// design.
class ChangeTracker {
public:
    explicit ChangeTracker(bool withState) : withState_(withState) {}

    // `prefix` is asked for only when there is something to say.
    void collect(Program &program, const std::function<std::string_view()> &prefix, std::string &out);

private:
    void stateChanges(const GameScreen::State &now, const std::function<std::string_view()> &prefix, std::string &out);

    bool withState_;
    GameScreen::State lastState_{};
};

}  // namespace kvizar::sim
