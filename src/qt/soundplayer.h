#pragma once

#include "core/services.h"

#include <QThread>

#include <atomic>
#include <memory>

class QSemaphore;

namespace kvizar::gui {

class SoundWorker;

// Plays the game's wave files, one at a time: a new request stops a sound still playing. The
// sound is played from a thread of its own, by the sound module beside the game (`module`),
// loaded there when the first sound is asked for: neither the sound libraries nor opening the
// device hold up the windows.
class SoundPlayer : public SoundOut {
public:
    explicit SoundPlayer(QString module);
    ~SoundPlayer() override;

    // Asynchronous: starts the sound and returns; false when the file is no wave file, or when
    // the sound module has found no device (before it has looked, a sound is taken to start).
    // Synchronous: returns once the sound has been played to its end, without running the event
    // loop meanwhile, so that no game handler runs inside another; false when it could not be.
    bool play(const QString &path, bool async) override;

    // Lets the sound thread begin: until then, an asynchronous sound waits (the game asks for
    // its opening sound before its first window is painted, and that paint comes first).
    void begin();

    // Muted, every sound is played as silence of its own length: nothing else changes.
    void setMuted(bool muted);
    bool muted() const { return muted_; }

private:
    void post(const struct Wave &wave, QSemaphore *done);

    QString module_;
    QThread thread_;
    SoundWorker *worker_ = nullptr;  // lives in thread_
    std::atomic<int> device_{-1};    // -1 not known yet, 0 none, 1 there
    bool begun_ = false;
    bool muted_ = false;
    std::unique_ptr<struct Wave> waiting_;  // the sound asked for before begin()
};

}  // namespace kvizar::gui
