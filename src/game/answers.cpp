#include "gamescreen.h"

#include "core/ladder.h"
#include "core/paths.h"
#include "screens/program.h"
#include "media/playwave.h"

namespace kvizar {

void GameScreen::answerDown(int i)
{
    if (AlreadyPressed)
        return pressIgnored();
    pressActed();
    PlaySoundFile(program_, programPath(program_.questions.AppDir, QStringLiteral("\\pressed.wav")), true);
    SaveUsed();
    ChosenAnswer = std::int16_t(i);
    otvet(i).picture = answerpress.picture;
}

void GameScreen::answerUp()
{
    if (!releaseActs() || AlreadyPressed || QuestionNow == 0)
        return;
    forclock.setEnabled(false);
    StartReveal();
}

void GameScreen::StartReveal()
{
    hidePoll();
    AlreadyPressed = true;
    if (const Rung *rung = rungOf(QuestionNow))
        RevealTick = rung->revealStart;
    Timer2.setEnabled(true);
}

void GameScreen::hidePoll()
{
    chart.visible = false;
    for (int i = 1; i <= 4; ++i)
        bar(i).visible = false;
}

}  // namespace kvizar
