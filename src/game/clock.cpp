#include "gamescreen.h"

#include "screens/program.h"
#include "core/ladder.h"
#include "hostlines.h"

namespace kvizar {

void GameScreen::clockTick()
{
    const int c = TimeLimit;
    if (c == -15) {
        program_.loadStart();  // start-up discards this screen, which stops the clock
        return;
    }
    if (!LifelineBusy && (c == 70 || c == 40 || c == 20 || c == 10))
        prompt(c);
    TimeLimit = std::int16_t(TimeLimit - 1);
    const int n = TimeLimit;
    if (n == -1)
        timeout();
    if (n >= 0) {
        timebar.width -= kBarPixelsPerSecond;
        clocktablo.caption = QString::number(n);
    } else {
        clocktablo.caption.clear();
    }
}

void GameScreen::prompt(int mark)
{
    const std::array<lines::Prompt, 3> &rows = mark == 70   ? lines::kPrompt70
                                               : mark == 40 ? lines::kPrompt40
                                               : mark == 20 ? lines::kPrompt20
                                                            : lines::kPrompt10;
    const lines::Prompt &row = rows[std::size_t(program_.draw(3) - 1)];
    const Rung *rung = rungOf(QuestionNow);
    const Rung *won = rungOf(QuestionNow - 1);
    const Holes holes{.prize = rung ? QString::fromLatin1(rung->caption) : QString(),
                      .loss = QString::number((won ? won->amount : 0) - SafeSum)};
    if (row.line) {
        tablo.caption = fill(row.line, holes);
    } else {
        if (teleph.enabled)
            tablo.caption = fill(row.phone, holes);
        if (zal.enabled)
            tablo.caption = fill(row.audience, holes);
        if (fifty.enabled)
            tablo.caption = fill(row.fifty, holes);
    }
    Bazar(int(tablo.caption.size()) / 5);
}

void GameScreen::timeout()
{
    ++questionSerial_;
    chart.visible = false;
    for (int i = 1; i <= 4; ++i) {
        answer(i).enabled = false;
        bar(i).visible = false;
    }
    zal.enabled = false;
    teleph.enabled = false;
    fifty.enabled = false;
    hangUp();
    program_.randomize();
    const int row = int(2 * program_.rnd.next() + 1);
    tablo.caption = fill(lines::kTimeout[std::size_t(row - 1)], {.site = SiteAddress});
    Bazar(int(tablo.caption.size()) / 5);
}

}  // namespace kvizar
