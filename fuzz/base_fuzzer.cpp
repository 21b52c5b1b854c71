// The whole load path of a base file through the real start button of a running program:
// check, decode, cut into records, show every question; a refused file must end the game with
// a message naming it. An input whose first byte is odd is taken as a decoded text (code page
// bytes) and encoded first, so that the record layout is explored as well as the digit groups.
#include "app/startscreen.h"
#include "core/random.h"
#include "recorded/recordedprogram.h"
#include "game/gamescreen.h"
#include "questions/codepage.h"
#include "questions/mainmodule.h"
#include "questions/questions.h"
#include "questions/records.h"

#include <cstdlib>

using namespace kvizar;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (size > 0 && (data[0] & 1)) {
        QString text;
        for (std::size_t i = 1; i < size; ++i)
            text += cp1251ToChar(data[i]);
        bytes = EncodeBase(text).value_or(QByteArray());
    }
    Generator random(size);
    RecordedProgram recorded(random, bytes);
    Program &program = *recorded.program;
    program.run();
    StartScreen &start = *program.start;
    Control &go = start.ctl(QStringLiteral("continue"));
    program.input.press(start, &go, LeftButton);
    program.input.release(LeftButton, &go);

    if (recorded.rec.exited) {
        if (!recorded.rec.error.contains(recorded.basePath()) || program.game)
            std::abort();  // a refused base ends the game with a message that names the file
        return 0;
    }
    GameScreen &game = *program.game;
    for (int n = 1; n <= 15; ++n) {
        for (int i = 1; i <= 4; ++i)
            game.answer(i).caption.clear();
        const QString right = ShowQuestion(program, n);
        int found = 0;
        for (int i = 1; i <= 4; ++i) {
            if (game.answer(i).caption.isEmpty())
                std::abort();  // a checked base shows four answers
            found += game.answer(i).caption == right ? 1 : 0;
        }
        if (found == 0)
            std::abort();
    }
    return 0;
}
