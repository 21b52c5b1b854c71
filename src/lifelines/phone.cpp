#include "screens/program.h"
#include "game/gamescreen.h"

namespace kvizar {

void GameScreen::telephDown()
{
    if (AlreadyPressed)
        return;
    hidePoll();
    used(3).visible = true;
    teleph.enabled = false;
}

void GameScreen::telephUp()
{
    if (AlreadyPressed || timedOut())
        return;
    LifelineBusy = true;
    program_.openTel();
    teleph.enabled = false;
}

}  // namespace kvizar
