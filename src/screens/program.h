#pragma once

#include "core/services.h"
#include "core/random.h"
#include "screens/input.h"
#include "screens/scheduler.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace kvizar {

class Screen;
class StartScreen;
class GameScreen;
class TelScreen;

// The module `questions`: the program directory and the records of the current base.
struct QuestionsModule {
    QString AppDir;
    QStringList QuestionRecords = QStringList(16);
};

// The running program: its services, time, randomness, the modules' shared variables and the
// screens that are loaded. Screens reach each other through it. Which screens there are is the
// game's own affair (app/kvizar.h): it makes them when they are loaded.
class Program {
public:
    Program(const Services &services, RandomSource &random);
    virtual ~Program();
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    const Services &services() const { return services_; }
    Scheduler scheduler;
    RandomSource &rnd;
    QuestionsModule questions;
    InputRouter input{*this};

    StartScreen *start = nullptr;
    GameScreen *game = nullptr;
    TelScreen *tel = nullptr;

    // Program start: loads the start screen.
    void run();
    // Loads the start screen, which runs start-up.
    virtual void loadStart() = 0;
    // A fresh game screen, loaded and hidden.
    virtual GameScreen &createGame() = 0;
    // Opens the phone dialog (loads it first).
    virtual TelScreen &openTel() = 0;

    // Closes a screen and releases it once the running handler has finished.
    void unload(Screen *screen);
    bool isLoaded(const Screen *screen) const;
    // The loaded screens, in the order they were loaded.
    const std::vector<Screen *> &screens() const { return order_; }

    // Ends the program with a message for the player.
    void fail(const QString &message);
    // Ends the program: closes every screen.
    void quit();
    bool ended() const { return ended_; }

    // Re-seeds the generator from the time of day.
    void randomize();
    // A draw among n, re-seeded first: 1 to n.
    int draw(int n);
    // Redraws among n (re-seeding before each draw when `reseedEach`) until `accept` holds.
    // Returns 0 at once when no choice can be accepted, so such a loop always ends.
    int drawUntil(int n, bool reseedEach, const std::function<bool(int)> &accept);

    // Called after every handler, once discarded screens are released (front ends redraw).
    std::function<void()> afterEvent;

protected:
    // Takes in a screen just made and announces it to the window system.
    template <class T> T &adopt(std::unique_ptr<T> screen)
    {
        T &ref = *screen;
        adoptScreen(std::move(screen));
        return ref;
    }

    // A screen is being unloaded: whoever points at it lets go.
    virtual void released(Screen &screen) = 0;

private:
    void adoptScreen(std::unique_ptr<Screen> screen);
    void collect();

    Services services_;
    std::vector<std::unique_ptr<Screen>> loaded_;
    std::vector<Screen *> order_;  // the same screens
    std::vector<std::unique_ptr<Screen>> released_;
    bool ended_ = false;
};

}  // namespace kvizar
