#include "screens/program.h"
#include "game/gamescreen.h"
#include "game/hostlines.h"

namespace kvizar {

void GameScreen::fiftyDown()
{
    if (AlreadyPressed)
        return pressIgnored();
    pressActed();
    hidePoll();
    used(1).visible = true;
}

void GameScreen::fiftyUp()
{
    if (!releaseActs() || AlreadyPressed)
        return;
    LifelineBusy = true;
    say(fill(lines::kFifty, {}));
    for (int removal = 0; removal < 2; ++removal) {
        const int k = program_.drawUntil(4, true, [this](int i) {
            return answer(i).caption != RightAnswer && !answer(i).caption.isEmpty();
        });
        if (k == 0)
            break;  // fewer wrong answers on screen than removals: nothing more to take away
        answer(k).caption.clear();
        answer(k).enabled = false;
    }
    fifty.enabled = false;
}

}  // namespace kvizar
