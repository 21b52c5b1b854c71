#include "screens/program.h"
#include "game/gamescreen.h"
#include "lifelines/telscreen.h"

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

// Time ran out with the dialog open: the call ends with the question, so that no friend can
// answer over the farewell.
void GameScreen::hangUp()
{
    if (!program_.tel)
        return;
    program_.unload(program_.tel);
    setEnabled(true);
}

}  // namespace kvizar
