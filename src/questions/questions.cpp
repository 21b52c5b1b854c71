#include "questions.h"

#include "screens/program.h"
#include "game/gamescreen.h"
#include "records.h"

namespace kvizar {

QString ShowQuestion(Program &program, int n)
{
    GameScreen &game = *program.game;
    program.questions.QuestionRecords = cutRecords(game.InData.text);
    if (n < 1 || n > 15)
        return {};
    const RecordParts parts = splitRecord(program.questions.QuestionRecords[n]);
    game.display.caption = parts.question;
    program.randomize();
    for (int j = 0; j < 4; ++j) {
        // Only labels still empty can take an answer; with none left the answer is dropped.
        const int z = program.drawUntil(4, false, [&](int k) { return game.answer(k).caption.isEmpty(); });
        if (z == 0)
            break;
        game.answer(z).caption = parts.answers[std::size_t(j)];
    }
    return parts.answers[0];
}

}  // namespace kvizar
