#include "gamescreen.h"

#include "core/paths.h"
#include "screens/program.h"
#include "media/playwave.h"
#include "hostlines.h"
#include "questions/questions.h"

namespace kvizar {

void GameScreen::revealTick()
{
    const std::int32_t v = RevealTick;
    if (v == 20 || v == 60 || v == 100)
        confirmationRemark(v);
    else if (v == -135 && GameFinished)
        returnToStart();
    else if (v == -60 && !GameFinished)
        nextQuestion();
    else if (v == -15)
        verdict();
    --RevealTick;
}

void GameScreen::confirmationRemark(int v)
{
    const Holes holes{.L = letter(ChosenAnswer)};
    if (v == 100) {
        say(fill(lines::kRemark100[std::size_t(program_.draw(5) - 1)], holes));
    } else if (v == 60) {
        say(fill(lines::kRemark60[std::size_t(program_.draw(5) - 1)], holes));
    } else if (const Line line = lines::kRemark20[std::size_t(program_.draw(6) - 1)]) {
        say(fill(line, holes));
    } else {
        teaser(holes.L);
    }
}

void GameScreen::teaser(const QString &L)
{
    say(fill(lines::kTeaser[0], {.L = L}));
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    const int t = program_.drawUntil(4, true, [&](int k) {
        const QString &c = answer(k).caption;
        return c != RightAnswer && !c.isEmpty() && c != chosen;
    });
    if (t == 0)
        return;  // nothing else to tease with (two answers removed): the plain line stands
    say(fill(lines::kTeaser[1], {.L = L, .other = answer(t).caption}));
}

void GameScreen::verdict()
{
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    if (ChosenAnswer >= 1 && ChosenAnswer <= 4 && chosen == RightAnswer)
        rightVerdict();
    else
        wrongVerdict();
}

void GameScreen::rightVerdict()
{
    const Holes holes{.chosen = answer(ChosenAnswer).caption, .site = SiteAddress};
    otvet(ChosenAnswer).picture = trueanswer.picture;
    PlaySoundFile(program_, programPath(program_.services().programDir, QStringLiteral("\\true.wav")), true);
    if (QuestionNow == 5) {
        say(fill(lines::kRightAtFirstSafeSum[std::size_t(program_.draw(3) - 1)], holes));
    } else if (QuestionNow == 10) {
        say(fill(lines::kRightAtSecondSafeSum[std::size_t(program_.draw(3) - 1)], holes));
    } else if (QuestionNow == 15) {
        say(fill(lines::kRightAtTheTop[std::size_t(program_.draw(3) - 1)], holes));
        GameFinished = true;
    } else {
        say(fill(lines::kRight[std::size_t(program_.draw(5) - 1)], holes));
    }
}

// The wrong answer's line is shown without the talking animation.
void GameScreen::wrongVerdict()
{
    const QString chosen = ChosenAnswer >= 1 && ChosenAnswer <= 4 ? answer(ChosenAnswer).caption : QString();
    PlaySoundFile(program_, programPath(program_.services().programDir, QStringLiteral("\\false.wav")), true);
    int k = 0;
    for (int i = 1; i <= 4 && k == 0; ++i)
        if (answer(i).caption == RightAnswer)
            k = i;
    if (k != 0)
        otvet(k).picture = trueanswer.picture;
    const Holes holes{.chosen = chosen, .right = RightAnswer, .letter = letter(k), .site = SiteAddress,
                      .sum = QString::number(SafeSum)};
    const int row = program_.draw(3);
    tablo.caption = fill(row == 1 && SafeSum == 0 ? lines::kWrongNothingWon : lines::kWrong[std::size_t(row - 1)], holes);
    forclock.setEnabled(false);
    GameFinished = true;
}

void GameScreen::nextQuestion()
{
    PlaySoundFile(program_, programPath(program_.questions.AppDir, QStringLiteral("\\change.wav")), true);
    QuestionNow = std::int16_t(QuestionNow + 1);
    if (QuestionNow < 2 || QuestionNow > 15)
        return;
    pimpa(QuestionNow - 1).visible = true;
    videlenie.top = denga(QuestionNow).top;
    for (int i = 1; i <= 4; ++i) {
        answer(i).caption.clear();
        otvet(i).picture = simpleanswer.picture;
    }
    for (int i = 1; i <= 4; ++i)
        answer(i).enabled = true;
    LifelineBusy = false;
    AlreadyPressed = false;
    RightAnswer = ShowQuestion(program_, QuestionNow);
    tablo.caption.clear();
    Bazar(int(display.caption.size()) / 5);
    StartQuestionClock();
}

void GameScreen::returnToStart()
{
    program_.unload(this);
    program_.loadStart();
}

}  // namespace kvizar
