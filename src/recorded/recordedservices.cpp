#include "recordedservices.h"

#include "screens/screen.h"
#include "screens/describe.h"

namespace kvizar {

namespace {

QString settingsKey(const QString &app, const QString &section, const QString &key)
{
    return app + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

}  // namespace

struct RecordedServices::Impl : SoundOut, ProgramStarter, AddressOpener, SettingsStore, FileStore, TimeOfDay, WindowSystem {
    explicit Impl(RecordedServices &o) : owner(o) {}
    RecordedServices &owner;

    bool play(const QString &path, bool) override
    {
        owner.report(QStringLiteral("sound ") + path);
        return owner.files.contains(path);
    }
    bool startDetached(const QString &path) override
    {
        owner.report(QStringLiteral("spawn ") + path);
        if (!owner.canStart)
            return false;
        if (owner.onStart)
            owner.onStart(path);
        return true;
    }
    ProgramOutcome lastOutcome() override { return owner.outcome; }
    void open(const QString &address) override { owner.report(QStringLiteral("open ") + address); }
    std::optional<QString> read(const QString &app, const QString &section, const QString &key, const QString &fallback) override
    {
        const QString k = settingsKey(app, section, key);
        if (!owner.settingsReadable) {
            owner.report(QStringLiteral("settings read ") + k + QStringLiteral(" failed"));
            return std::nullopt;
        }
        const QString v = owner.settings.value(k, fallback);
        owner.report(QStringLiteral("settings read ") + k + QStringLiteral(" -> ") + quoted(v));
        return v;
    }
    bool write(const QString &app, const QString &section, const QString &key, const QString &value) override
    {
        const QString k = settingsKey(app, section, key);
        owner.report(QStringLiteral("settings write ") + k + QStringLiteral(" = ") + quoted(value) +
                     (owner.settingsWritable ? QString() : QStringLiteral(" failed")));
        if (!owner.settingsWritable)
            return false;
        owner.settings[k] = value;
        return true;
    }
    std::optional<QByteArray> readAll(const QString &path) override
    {
        if (!owner.files.contains(path) || owner.unreadable.contains(path))
            return std::nullopt;
        return owner.files.value(path);
    }
    bool remove(const QString &path) override
    {
        owner.report(QStringLiteral("delete ") + path);
        if (owner.deletesFiles)
            owner.files.remove(path);
        return true;
    }
    bool exists(const QString &path) override { return owner.files.contains(path); }
    int msecsSinceMidnight() override
    {
        const std::int64_t t = 12LL * 3600 * 1000 + (owner.elapsed ? owner.elapsed() : 0);
        return int(t % (24LL * 3600 * 1000));
    }
    void screenLoaded(Screen &s) override { owner.report(s.name() + QStringLiteral(" loaded")); }
    void screenShown(Screen &s) override { owner.report(s.name() + QStringLiteral(" shown")); }
    void screenClosed(Screen &s) override { owner.report(s.name() + QStringLiteral(" closed")); }
    void screenEnabled(Screen &s, bool on) override
    {
        owner.report(s.name() + (on ? QStringLiteral(" enabled") : QStringLiteral(" disabled")));
    }
    void fatalError(const QString &message) override
    {
        owner.error = message;
        owner.report(QStringLiteral("error ") + quoted(message));
    }
    void exitProgram() override
    {
        owner.exited = true;
        owner.report(QStringLiteral("exit"));
    }
};

RecordedServices::RecordedServices() : impl_(new Impl(*this)) {}

RecordedServices::~RecordedServices()
{
    delete impl_;
}

Services RecordedServices::services()
{
    return Services{*impl_, *impl_, *impl_, *impl_, *impl_, *impl_, *impl_, programDir, exeName, baseDir};
}

void RecordedServices::report(const QString &line)
{
    lines << line;
    if (onLine)
        onLine(line);
}

}  // namespace kvizar
