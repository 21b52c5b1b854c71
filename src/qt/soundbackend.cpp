// The sound module: plays on the default output device with Qt Multimedia.
#include "soundbackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QObject>
#include <QSemaphore>

#include <memory>
#include <utility>

namespace kvizar::gui {

namespace {

class QtSoundBackend final : public QObject, public SoundBackend {
public:
    bool hasDevice() override { return !QMediaDevices::defaultAudioOutput().isNull(); }

    void play(const WaveFormat &wave, const QByteArray &samples, QSemaphore *done) override
    {
        finish();
        done_ = done;
        QAudioFormat format;
        format.setChannelCount(wave.channels);
        format.setSampleRate(wave.sampleRate);
        format.setSampleFormat(wave.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (samples.isEmpty() || !format.isValid() || device.isNull()) {
            finish();
            return;
        }
        if (!sink_ || sink_->format() != format) {
            sink_ = std::make_unique<QAudioSink>(device, format);
            connect(sink_.get(), &QAudioSink::stateChanged, this, [this](QAudio::State state) {
                if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink_->error() != QAudio::NoError))
                    finish();
            });
        }
        // A moment of silence after the sound: a stream shorter than what the server buffers
        // before it starts would otherwise never be heard.
        data_ = samples + QByteArray(format.bytesForDuration(250000), wave.bits == 8 ? char(0x80) : 0);
        buffer_.close();
        buffer_.setBuffer(&data_);
        buffer_.open(QIODevice::ReadOnly);
        sink_->start(&buffer_);
        if (sink_->error() != QAudio::NoError)
            finish();
    }

    void stop() override { finish(); }

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

}  // namespace

}  // namespace kvizar::gui

extern "C" Q_DECL_EXPORT kvizar::gui::SoundBackend *kvizarSoundBackend()
{
    return new kvizar::gui::QtSoundBackend;
}
