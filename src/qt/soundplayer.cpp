#include "soundplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QSemaphore>
#include <QtEndian>

#include <memory>
#include <optional>

namespace kvizar::gui {

namespace {

struct Wave {
    QAudioFormat format;
    QByteArray samples;
};

// A PCM wave file of 8 or 16 bits: its format and its samples; nullopt for anything else.
std::optional<Wave> readWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.read(16 << 20);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return std::nullopt;
    Wave wave;
    bool haveFormat = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        const qsizetype body = at + 8;
        if (size < 0 || body + size > bytes.size())
            return std::nullopt;
        if (id == "fmt " && size >= 16) {
            const char *f = bytes.constData() + body;
            const int bits = qFromLittleEndian<quint16>(f + 14);
            if (qFromLittleEndian<quint16>(f) != 1 || (bits != 8 && bits != 16))
                return std::nullopt;  // not plain PCM
            wave.format.setChannelCount(qFromLittleEndian<quint16>(f + 2));
            wave.format.setSampleRate(int(qFromLittleEndian<quint32>(f + 4)));
            wave.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
            haveFormat = true;
        } else if (id == "data") {
            wave.samples = bytes.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !wave.format.isValid() || wave.samples.isEmpty())
        return std::nullopt;
    return wave;
}

}  // namespace

// Owns the sound device's stream; every call comes queued from the player's thread.
class SoundWorker : public QObject {
public:
    // Stops what plays and starts `wave`. `done`, when given, is released once the sound has
    // been played to its end, or could not be.
    void play(const Wave &wave, QSemaphore *done)
    {
        finish();
        done_ = done;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (wave.samples.isEmpty() || device.isNull()) {
            finish();
            return;
        }
        if (!sink_ || sink_->format() != wave.format) {
            sink_ = std::make_unique<QAudioSink>(device, wave.format);
            connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
                if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
                    finish();
            });
        }
        // A moment of silence after the sound: a stream shorter than what the server buffers
        // before it starts would otherwise never be heard.
        data_ = wave.samples + QByteArray(wave.format.bytesForDuration(250000), wave.format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : 0);
        buffer_.close();
        buffer_.setBuffer(&data_);
        buffer_.open(QIODevice::ReadOnly);
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError)
            finish();
    }

private:
    void finish()
    {
        if (sink_)
            sink_->stop();
        if (QSemaphore *done = std::exchange(done_, nullptr))
            done->release();
    }

    std::unique_ptr<QAudioSink> sink_;
    QByteArray data_;
    QBuffer buffer_;
    QSemaphore *done_ = nullptr;
};

SoundPlayer::SoundPlayer() = default;

SoundPlayer::~SoundPlayer()
{
    if (worker_) {
        QMetaObject::invokeMethod(worker_, [worker = worker_] { delete worker; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
}

bool SoundPlayer::play(const QString &path, bool async)
{
    const std::optional<Wave> wave = readWave(path);
    if (!worker_) {
        thread_.setObjectName(QStringLiteral("sound"));
        thread_.start();
        worker_ = new SoundWorker;
        worker_->moveToThread(&thread_);
    }
    if (!wave || QMediaDevices::defaultAudioOutput().isNull()) {
        QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->play(Wave{}, nullptr); });  // silence what plays
        return false;
    }
    if (async) {
        QMetaObject::invokeMethod(worker_, [worker = worker_, w = *wave] { worker->play(w, nullptr); });
        return true;
    }
    QSemaphore done;
    QMetaObject::invokeMethod(worker_, [worker = worker_, w = *wave, &done] { worker->play(w, &done); });
    const int length = int(wave->format.durationForBytes(wave->samples.size()) / 1000);
    return done.tryAcquire(1, length + 3000);
}

}  // namespace kvizar::gui
