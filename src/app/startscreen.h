#pragma once

#include "screens/screen.h"

#include <memory>

namespace kvizar {

class GameScreen;

// The start screen: loading it is the program's start-up; its button starts a game.
class StartScreen : public Screen {
public:
    explicit StartScreen(Program &program);

    void load() override;
    // The keys of this screen (see keys.h).
    static const std::vector<KeyBinding> &keyBindings();
    const std::vector<KeyBinding> &keys() const override { return keyBindings(); }

    // How long the start button waits for a companion still at work, and how often it looks.
    static constexpr int kCompanionWaitMs = 5000;
    static constexpr int kCompanionLookMs = 100;

private:
    void released();
    void lookForBase();
    void startGame();
    bool loadBase(GameScreen &game);
    QString missingBase(const QString &path);
    void exitGame();
    void blink();

    // Looks for base.dat while the companion is still writing it; no part of the design.
    Timer waiting_;
    int waited_ = 0;
};

}  // namespace kvizar
