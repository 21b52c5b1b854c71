#pragma once

#include "core/services.h"

#include <memory>

class QSoundEffect;

namespace kvizar::gui {

// Plays the game's wave files, one at a time.
class SoundPlayer : public SoundOut {
public:
    SoundPlayer();
    ~SoundPlayer() override;

    bool play(const QString &path, bool async) override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace kvizar::gui
