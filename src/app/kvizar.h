#pragma once

#include "screens/program.h"

namespace kvizar {

// The game: a program of three screens, the start screen, the game screen and the phone
// dialog. Loading the start screen is its start-up.
class Kvizar final : public Program {
public:
    using Program::Program;

    void loadStart() override;
    GameScreen &createGame() override;
    TelScreen &openTel() override;

private:
    void released(Screen &screen) override;
};

}  // namespace kvizar
