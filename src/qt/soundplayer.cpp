#include "soundplayer.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace kvizar::gui {

namespace {

bool isWaveFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.endsWith("WAVE");
}

}  // namespace

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() = default;

// Nothing in the game waits for a sound to end, so a synchronous request is started like any
// other: waiting here would mean running the event loop inside a game handler.
bool SoundPlayer::play(const QString &path, bool /*async*/)
{
    if (effect_)
        effect_->stop();
    if (!isWaveFile(path) || QMediaDevices::defaultAudioOutput().isNull())
        return false;
    if (!effect_)
        effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
    return true;
}

}  // namespace kvizar::gui
