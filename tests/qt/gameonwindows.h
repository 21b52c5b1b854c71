#pragma once

#include "artwork.h"
#include "screenwindow.h"
#include "screenwindows.h"

#include "core/random.h"
#include "recorded/recordedprogram.h"
#include "game/gamescreen.h"

#include <QImage>

#include <memory>

namespace kvizar::test {

// A whole game on recorded services, shown in real windows; time runs only when told.
class GameOnWindows {
public:
    GameOnWindows();
    ~GameOnWindows();

    gui::Artwork artwork;
    gui::ScreenWindows windows{artwork};
    Generator random{7};
    RecordedProgram recorded;
    RecordedServices &rec = recorded.rec;
    std::unique_ptr<Program> &program = recorded.program;

    GameScreen &game() const { return *program->game; }
    gui::ScreenWindow &window(const Screen &screen) const;

    void wait(std::int64_t ms) { program->scheduler.advanceBy(ms); }
    // The middle of a control, in its window's pixels.
    static QPoint centreOf(const Control &control);
    void press(const Screen &screen, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void release(const Screen &screen, QPoint at, Qt::MouseButton button = Qt::LeftButton);
    void click(const Screen &screen, const Control &control);
    QImage grab(const Screen &screen) const;

    // The start button, "начинаем!" and the intro: question 1 on screen.
    void toQuestion1();
};

}  // namespace kvizar::test
