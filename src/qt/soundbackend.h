#pragma once

#include <QByteArray>

class QSemaphore;

namespace kvizar::gui {

struct WaveFormat {
    int channels = 0;
    int sampleRate = 0;
    int bits = 0;  // 8 or 16
};

// What plays sound on the device. It lives in a module of its own, loaded by the sound thread
// when the first sound is asked for, so that neither the sound libraries nor the sound server
// hold up the game's first window. All calls come from that thread, which runs an event loop.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    virtual bool hasDevice() = 0;
    // Stops what plays and starts `samples`. `done`, when given, is released once they have
    // been played to their end, or could not be.
    virtual void play(const WaveFormat &format, const QByteArray &samples, QSemaphore *done) = 0;
    // Stops what plays.
    virtual void stop() = 0;
};

}  // namespace kvizar::gui

// The module's one entry point.
extern "C" kvizar::gui::SoundBackend *kvizarSoundBackend();
