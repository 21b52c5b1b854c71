#include "core/ladder.h"
#include "screens/program.h"
#include "game/gamescreen.h"
#include "game/hostlines.h"

#include <cmath>

namespace kvizar {

namespace {

constexpr int kFullBar = 719;   // twips for 100 percent
constexpr int kBaseLine = 3150;  // the bars stand on this line
const QString kServed = QStringLiteral("OK");

}  // namespace

void GameScreen::zalDown()
{
    if (AlreadyPressed)
        return pressIgnored();
    pressActed();
    used(2).visible = true;
    zal.enabled = false;
}

void GameScreen::zalUp()
{
    if (!releaseActs() || AlreadyPressed)
        return;
    LifelineBusy = true;
    const Rung *rung = rungOf(QuestionNow);
    const int bonus = rung ? rung->audienceBonus : 0;
    int inPlay = 4;
    for (int i = 1; i <= 4; ++i)
        if (answer(i).caption.isEmpty())
            inPlay = 2;
    int rest = 100 - bonus;
    for (int step = 1; step <= inPlay; ++step) {
        const int k = program_.drawUntil(4, true, [this](int i) {
            return bar(i).tag != kServed && !answer(i).caption.isEmpty();
        });
        if (k == 0)
            break;  // every answer on screen has its share already
        const bool right = answer(k).caption == RightAnswer;
        if (step < inPlay) {
            program_.randomize();
            const int share = int(std::floor((rest / inPlay - 9) * program_.rnd.next() + 10));
            bar(k).height = kFullBar * share / 100 + (right ? kFullBar * bonus / 100 : 0);
            bar(k).tag = kServed;
            rest -= share;
        } else {
            bar(k).height = kFullBar * rest / 100 + (right ? kFullBar * bonus / 100 : 0);
            break;
        }
    }
    chart.visible = true;
    say(fill(lines::kAudience, {}));
    for (int i = 1; i <= 4; ++i) {
        bar(i).top = kBaseLine - bar(i).height;
        if (!answer(i).caption.isEmpty())
            bar(i).visible = true;
        bar(i).tag.clear();
    }
}

}  // namespace kvizar
