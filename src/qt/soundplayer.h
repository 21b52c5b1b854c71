#pragma once

#include "core/services.h"

#include <QThread>

#include <memory>

namespace kvizar::gui {

class SoundWorker;

// Plays the game's wave files, one at a time: a new request stops a sound still playing. The
// sound is played from a thread of its own, so that neither opening the sound device nor
// playing holds up the windows.
class SoundPlayer : public SoundOut {
public:
    SoundPlayer();
    ~SoundPlayer() override;

    // Asynchronous: starts the sound and returns. Synchronous: returns once the sound has been
    // played to its end, without running the event loop meanwhile (so no game handler runs
    // inside another).
    bool play(const QString &path, bool async) override;

private:
    QThread thread_;
    SoundWorker *worker_ = nullptr;  // lives in thread_
};

}  // namespace kvizar::gui
