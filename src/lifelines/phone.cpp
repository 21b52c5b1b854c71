#include "screens/program.h"
#include "game/gamescreen.h"

namespace kvizar {

void GameScreen::telephDown()
{
    if (AlreadyPressed)
        return pressIgnored();
    pressActed();
    hidePoll();
    used(3).visible = true;
    teleph.enabled = false;
}

void GameScreen::telephUp()
{
    if (!releaseActs() || AlreadyPressed)
        return;
    LifelineBusy = true;
    program_.openTel();
    teleph.enabled = false;
}

}  // namespace kvizar
