#include "gamescreen.h"

namespace kvizar {

void GameScreen::Bazar(int NumberOfMovements)
{
    Timer1.setEnabled(true);
    TalkTicks = 2 * NumberOfMovements;
}

void GameScreen::talkTick()
{
    velmar(0).visible = !velmar(0).visible;
    if (TalkTicks < 0) {
        Timer1.setEnabled(false);
        velmar(0).visible = false;
    }
    --TalkTicks;
}

}  // namespace kvizar
