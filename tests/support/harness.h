#pragma once

#include "app/startscreen.h"
#include "core/random.h"
#include "recorded/recordedprogram.h"
#include "game/gamescreen.h"
#include "lifelines/telscreen.h"
#include "questions/mainmodule.h"
#include "support/printers.h"

#include <QStringList>

#include <deque>
#include <memory>
#include <ostream>


namespace kvizar::test {

// The decoded text of a base: a leading character, "@", and the records, each closed by "@".
QString baseText(const QStringList &records);
// Fifteen records "Вопрос k?|Верно k||Неверно k-2|||Неверно k-3||||Неверно k-4|||||".
QStringList standardRecords();
QByteArray encode(const QString &decoded);

// A generator whose values can be dictated: queued values come first, then the seeded sequence.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::uint64_t seed = 1) : fallback_(seed) {}
    std::deque<double> queue;
    double next() override;
    void reseed(std::int64_t clockValue) override { fallback_.reseed(clockValue); }

private:
    Generator fallback_;
};

struct HarnessRandom {
    explicit HarnessRandom(std::uint64_t seed) : rnd(seed) {}
    ScriptedRandom rnd;
};

// A whole program on recorded services and virtual time, with a generator tests can dictate.
class Harness : private HarnessRandom, public RecordedProgram {
public:
    explicit Harness(std::uint64_t seed = 1, QByteArray base = encode(baseText(standardRecords())));

    using HarnessRandom::rnd;

    GameScreen &game() const { return *program->game; }
    QString datPath() const { return basePath(); }

    void wait(std::int64_t ms) { program->scheduler.advanceBy(ms); }
    bool press(Screen &s, Control &c, int button = LeftButton) { return program->input.press(s, &c, button); }
    void release(Control *under = nullptr, int button = LeftButton) { program->input.release(button, under); }
    void click(Screen &s, Control &c, int button = LeftButton);
    // A key struck on a screen: down on the control it stands for, then up.
    bool keyDown(Screen &s, int key) { return program->input.pressKey(s, s.controlForKey(key), key); }
    void keyUp(int key) { program->input.releaseKey(key); }
    void key(Screen &s, int key);

    // Program start, the start button, "начинаем!" and the whole intro: question 1 on screen.
    void startProgram();
    void pressStart(int button = LeftButton);
    void toQuestion1();
    // Commits answer i of the current question (press and release on it).
    void answer(int i, int button = LeftButton);
    int rightIndex() const;
    int wrongIndex() const;
    // Answers right until question q is on screen.
    void toQuestion(int q);

    // Lines reported since `from`.
    QStringList linesSince(qsizetype from) const { return rec.lines.mid(from); }
};

}  // namespace kvizar::test
