#include "soundplayer.h"

#include "soundbackend.h"

#include <QFile>
#include <QLibrary>
#include <QSemaphore>
#include <QtEndian>

#include <algorithm>
#include <memory>
#include <optional>

namespace kvizar::gui {

struct Wave {
    WaveFormat format;
    QByteArray samples;
};

namespace {

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
            wave.format = {qFromLittleEndian<quint16>(f + 2), int(qFromLittleEndian<quint32>(f + 4)), bits};
            haveFormat = wave.format.channels > 0 && wave.format.sampleRate > 0;
        } else if (id == "data") {
            wave.samples = bytes.mid(body, size);
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || wave.samples.isEmpty())
        return std::nullopt;
    return wave;
}

}  // namespace

// Loads the sound module on its first request and hands it every request after; lives in the
// player's thread.
class SoundWorker : public QObject {
public:
    SoundWorker(QString module, std::atomic<int> &device) : module_(std::move(module)), device_(device) {}
    ~SoundWorker() override
    {
        backend_.reset();  // before the module that made it goes
    }

    void play(const Wave &wave, QSemaphore *done)
    {
        if (SoundBackend *backend = this->backend(); backend && !wave.samples.isEmpty()) {
            backend->play(wave.format, wave.samples, done);
            return;
        }
        if (backend_)
            backend_->stop();
        if (done)
            done->release();
    }

private:
    SoundBackend *backend()
    {
        if (!loaded_) {
            loaded_ = true;
            library_.setFileName(module_);
            using Make = SoundBackend *(*)();
            if (const auto make = reinterpret_cast<Make>(library_.resolve("kvizarSoundBackend")))
                backend_.reset(make());
            device_ = backend_ && backend_->hasDevice() ? 1 : 0;
        }
        return device_ == 1 ? backend_.get() : nullptr;
    }

    QString module_;
    std::atomic<int> &device_;
    QLibrary library_;
    std::unique_ptr<SoundBackend> backend_;
    bool loaded_ = false;
};

SoundPlayer::SoundPlayer(QString module) : module_(std::move(module)) {}


SoundPlayer::~SoundPlayer()
{
    if (worker_) {
        QMetaObject::invokeMethod(worker_, [worker = worker_] { delete worker; }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    }
}

void SoundPlayer::begin()
{
    if (begun_)
        return;
    begun_ = true;
    thread_.setObjectName(QStringLiteral("sound"));
    thread_.start();
    worker_ = new SoundWorker(module_, device_);
    worker_->moveToThread(&thread_);
    if (waiting_)
        post(*std::exchange(waiting_, nullptr), nullptr);
}

void SoundPlayer::post(const Wave &wave, QSemaphore *done)
{
    QMetaObject::invokeMethod(worker_, [worker = worker_, wave, done] { worker->play(wave, done); });
}

void SoundPlayer::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    if (muted && begun_)
        post(Wave{}, nullptr);  // what plays stops
}

bool SoundPlayer::play(const QString &path, bool async)
{
    const std::optional<Wave> wave = readWave(path);
    Wave request = wave.value_or(Wave{});  // nothing to play: what plays stops
    if (muted_ && wave)  // played all the same, as silence: it lasts, and answers, as the sound would
        request.samples.fill(request.format.bits == 8 ? char(0x80) : char(0));
    if (async) {
        if (begun_)
            post(request, nullptr);
        else
            waiting_ = std::make_unique<Wave>(request);
        return wave && device_ != 0;
    }
    begin();
    QSemaphore done;
    post(request, &done);
    const int f = wave ? wave->format.channels * wave->format.sampleRate * wave->format.bits / 8 : 1;
    const int length = wave ? int(qint64(wave->samples.size()) * 1000 / std::max(1, f)) : 0;
    return done.tryAcquire(1, length + 5000) && wave && device_ == 1;
}

}  // namespace kvizar::gui
