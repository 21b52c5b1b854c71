#pragma once

#include "screens/screen.h"

namespace kvizar {

class GameScreen;

// The start screen: loading it is the program's start-up; its button starts a game.
class StartScreen : public Screen {
public:
    explicit StartScreen(Program &program);

    void load() override;

private:
    void startGame();
    bool loadBase(GameScreen &game);
    void exitGame();
    void blink();
};

}  // namespace kvizar
