#include "core/basefiledir.h"
#include "desktopservices.h"
#include "inisettings.h"
#include "preferences.h"
#include "singleinstance.h"
#include "questions/usedquestions.h"
#include "soundplayer.h"
#include "support/printers.h"

#include <QAudioDevice>
#include <QDir>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QFileInfo>
#include <QSettings>
#include <QSysInfo>
#include <unistd.h>

#include <cmath>
#include <csignal>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kvizar;

namespace {

// An environment variable set for the length of a scope, and put back as it was.
class ScopedEnv {
public:
    ScopedEnv(const char *name, const QString &value) : name_(name), old_(qgetenv(name))
    {
        qputenv(name, QFile::encodeName(value));
    }
    ~ScopedEnv()
    {
        if (old_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, old_);
    }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;

private:
    const char *name_;
    QByteArray old_;
};

}  // namespace

TEST(DesktopServices, SettingsKeepOneFilePerApplication)
{
    QTemporaryDir dir;
    gui::IniSettings settings(dir.path());
    EXPECT_EQ(settings.read(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                            QStringLiteral("none")),
              QStringLiteral("none"));
    ASSERT_TRUE(settings.write(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                               QStringLiteral("3")));
    EXPECT_EQ(settings.read(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"), QString()),
              QStringLiteral("3"));
    QFile file(dir.filePath(QStringLiteral("KvizarTest.ini")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().trimmed(), QByteArray("[Asked]\nSIMPLE=3"));
}

TEST(DesktopServices, FilesReadRemoveAndTellWhetherTheyExist)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("base.dat"));
    gui::DiskFiles files;
    EXPECT_FALSE(files.readAll(path));
    EXPECT_FALSE(files.exists(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0795");
    file.close();
    EXPECT_TRUE(files.exists(path));
    EXPECT_EQ(files.readAll(path), QByteArray("0795"));
    EXPECT_TRUE(files.remove(path));
    EXPECT_FALSE(files.exists(path));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("base.dat")));  // there, but no file to read
    EXPECT_TRUE(files.exists(path));
    EXPECT_FALSE(files.readAll(path));
}

TEST(DesktopServices, StarterRunsOnlyExecutableFilesByAbsolutePath)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("companion"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch started\n");
    file.close();
    gui::ChildStarter starter;
    EXPECT_FALSE(starter.startDetached(script));  // not executable yet
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    EXPECT_FALSE(starter.startDetached(QStringLiteral("companion")));
    EXPECT_FALSE(starter.startDetached(dir.path()));
    EXPECT_TRUE(starter.startDetached(script));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir.filePath(QStringLiteral("started"))); }, 5000));
}

// What became of the companion: still running, ended with a status, ended by a signal, and
// what it wrote to standard error meanwhile.
TEST(DesktopServices, StarterTellsHowTheProgramEndedAndWhatItSaid)
{
    QTemporaryDir dir;
    const auto program = [&](const char *name, const QByteArray &body) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n" + body);
        file.close();
        file.setPermissions(file.permissions() | QFile::ExeOwner);
        return file.fileName();
    };
    const auto ended = [](gui::ChildStarter &starter) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return starter.lastOutcome().state != ProgramOutcome::State::Running; }, 5000));
        return starter.lastOutcome();
    };
    using State = ProgramOutcome::State;
    gui::ChildStarter starter;
    EXPECT_EQ(starter.lastOutcome().state, State::Unknown);

    ASSERT_TRUE(starter.startDetached(program("failing", "echo 'банк вопросов не годится' >&2\nexit 3\n")));
    ProgramOutcome outcome = ended(starter);
    EXPECT_EQ(outcome.state, State::Exited);
    EXPECT_EQ(outcome.code, 3);
    EXPECT_EQ(outcome.errorOutput, QStringLiteral("банк вопросов не годится\n"));

    ASSERT_TRUE(starter.startDetached(program("crashing", "kill -SEGV $$\n")));
    outcome = ended(starter);
    EXPECT_EQ(outcome.state, State::Crashed);
    EXPECT_EQ(outcome.code, SIGSEGV);

    ASSERT_TRUE(starter.startDetached(program("slow", "sleep 0.3\necho done >&2\n")));
    EXPECT_EQ(starter.lastOutcome().state, State::Running);
    outcome = ended(starter);
    EXPECT_EQ(outcome.state, State::Exited);
    EXPECT_EQ(outcome.code, 0);
    EXPECT_EQ(outcome.errorOutput, QStringLiteral("done\n"));

    EXPECT_FALSE(starter.startDetached(dir.filePath(QStringLiteral("absent"))));
    EXPECT_FALSE(starter.lastOutcome().errorOutput.isEmpty());
    EXPECT_NE(starter.lastOutcome().state, State::Running);

    // Held until the game's first window is up: running, as far as the game can tell, but
    // started only then; one that cannot be started then has ended with an error.
    gui::ChildStarter held;
    held.holdUntilBegun();
    ASSERT_TRUE(held.startDetached(program("late", "touch late-started\n")));
    EXPECT_EQ(held.lastOutcome().state, State::Running);
    QTest::qWait(100);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("late-started"))));
    held.begin();
    EXPECT_EQ(ended(held).state, State::Exited);
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("late-started"))));
    gui::ChildStarter broken;
    broken.holdUntilBegun();
    const QString empty = program("broken", "");
    ASSERT_TRUE(broken.startDetached(empty));
    ASSERT_TRUE(QFile(empty).resize(0));  // emptied before it is started: no program at all
    broken.begin();
    EXPECT_EQ(broken.lastOutcome().state, State::Exited);
    EXPECT_EQ(broken.lastOutcome().code, 127);
    EXPECT_FALSE(broken.lastOutcome().errorOutput.isEmpty());
}

// base.dat goes where the player can write: the program directory if possible, otherwise the
// game's own directory among the user's data, made when missing.
TEST(DesktopServices, TheBaseFileDirectoryIsTheProgramDirectoryWhenItCanBeWritten)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString data = dir.filePath(QStringLiteral("data"));
    ASSERT_TRUE(QDir().mkpath(program));
    const ScopedEnv dataHome("XDG_DATA_HOME", data);

    EXPECT_EQ(baseFileDirectory(program), program);
    EXPECT_FALSE(QFileInfo::exists(data));

    QFile(program).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::geteuid() != 0) {  // the superuser writes everywhere
        EXPECT_EQ(baseFileDirectory(program), data + QStringLiteral("/Kvizar"));
        EXPECT_TRUE(QFileInfo(data + QStringLiteral("/Kvizar")).isDir());
        EXPECT_EQ(baseFileDirectory(program), data + QStringLiteral("/Kvizar"));  // and again, once it is there
    }
    EXPECT_EQ(baseFileDirectory(dir.filePath(QStringLiteral("no such directory"))), data + QStringLiteral("/Kvizar"));
    QFile(program).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A second copy for the same base.dat finds the first, asks it to the front and gives way;
// another base directory is another game; a lock left by a copy that is gone is taken over.
TEST(DesktopServices, OneCopyOfTheGamePerBaseDirectory)
{
    QTemporaryDir runtime;
    const ScopedEnv runtimeDir("XDG_RUNTIME_DIR", runtime.path());
    {
        int asked = 0;
        gui::SingleInstance first;
        first.onAsked = [&] { ++asked; };
        ASSERT_TRUE(first.claim(QStringLiteral("/home/a/.local/share/Kvizar")));
        EXPECT_TRUE(QFileInfo(gui::SingleInstance::lockPath(QStringLiteral("/home/a/.local/share/Kvizar/"))).path() ==
                    runtime.path());
        gui::SingleInstance second;
        EXPECT_FALSE(second.claim(QStringLiteral("/home/a/.local/share/Kvizar/")));
        EXPECT_TRUE(QTest::qWaitFor([&] { return asked == 1; }, 5000));
        gui::SingleInstance elsewhere;
        EXPECT_TRUE(elsewhere.claim(QStringLiteral("/opt/kvizar")));
        EXPECT_EQ(asked, 1);
    }
    QFile stale(gui::SingleInstance::lockPath(QStringLiteral("/opt/kvizar")));
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("999999999\nKvizar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    gui::SingleInstance again;
    EXPECT_TRUE(again.claim(QStringLiteral("/opt/kvizar")));
}

// Zoom and sound off are kept per user, apart from the counters; nonsense reads as the default.
TEST(DesktopServices, PreferencesAreKeptAndOnlySensibleOnesRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Kvizar/preferences.ini"));
    {
        gui::Preferences fresh(path);
        EXPECT_EQ(fresh.zoom(), 100);
        EXPECT_FALSE(fresh.muted());
        fresh.setZoom(175);  // no step
        EXPECT_EQ(fresh.zoom(), 100);
        fresh.setZoom(gui::Preferences::zoomIn(gui::Preferences::zoomIn(100)));
        fresh.setMuted(true);
    }
    gui::Preferences again(path);
    EXPECT_EQ(again.zoom(), 150);
    EXPECT_TRUE(again.muted());

    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("zoom"), 5000);
    EXPECT_EQ(gui::Preferences(path).zoom(), 100);

    EXPECT_EQ(gui::Preferences::zoomIn(300), 300);
    EXPECT_EQ(gui::Preferences::zoomOut(100), 100);
    EXPECT_EQ(gui::Preferences::zoomOut(200), 150);
    EXPECT_EQ(gui::Preferences::zoomIn(200), 250);
}

TEST(DesktopServices, SoundOfAMissingOrForeignFilePlaysNothing)
{
    QTemporaryDir dir;
    gui::SoundPlayer sound(QStringLiteral(KVIZAR_SOUND_MODULE));
    EXPECT_FALSE(sound.play(dir.filePath(QStringLiteral("begin.wav")), true));
    QFile text(dir.filePath(QStringLiteral("text.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a wave file at all");
    text.close();
    EXPECT_FALSE(sound.play(text.fileName(), false));
}

// A synchronous sound returns once it has been played to its end; an asynchronous one at once.
// Without a sound device both return false at once. (The sound test runs this with a device.)
TEST(SoundPlayer, ASynchronousSoundReturnsOnceItHasBeenPlayedMutedOrNot)
{
    QTemporaryDir dir;
    const int rate = 22050, samples = rate * 2 / 5;  // 400 ms of a quiet tone
    QByteArray wave("RIFF");
    auto put = [&wave](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            wave += char((v >> (8 * i)) & 0xFF);
    };
    put(36 + samples * 2, 4);
    wave += "WAVEfmt ";
    put(16, 4), put(1, 2), put(1, 2), put(rate, 4), put(rate * 2, 4), put(2, 2), put(16, 2);
    wave += "data";
    put(samples * 2, 4);
    for (int i = 0; i < samples; ++i)
        put(quint16(qint16(3000 * std::sin(i * 2 * M_PI * 440 / rate))), 2);
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wave);
    file.close();

    gui::SoundPlayer sound(QStringLiteral(KVIZAR_SOUND_MODULE));
    const bool device = !QMediaDevices::defaultAudioOutput().isNull();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(sound.play(path, false), device);
    const qint64 synchronous = clock.restart();
    EXPECT_EQ(sound.play(path, true), device);
    const qint64 asynchronous = clock.elapsed();
    if (device)
        EXPECT_GE(synchronous, 390);
    else
        EXPECT_LT(synchronous, 100);
    EXPECT_LT(asynchronous, 100);

    // Muted, a sound is silence of its own length: it lasts and answers as it would.
    sound.setMuted(true);
    clock.restart();
    EXPECT_EQ(sound.play(path, false), device);
    if (device) {
        EXPECT_GE(clock.elapsed(), 390);
    }
    EXPECT_EQ(sound.play(path, true), device);
}

namespace {

// Counting answered questions through the real settings file, as the game does.
void countWith(gui::IniSettings &settings, int question)
{
    countAnsweredQuestion(settings, kSettingsApp, question);
}

QString storedCounter(const gui::IniSettings &settings, const QString &key)
{
    const QSettings file(settings.fileOf(kSettingsApp), QSettings::IniFormat);
    return file.value(QStringLiteral("Asked/") + key, QStringLiteral("<none>")).toString();
}

}  // namespace

TEST(DesktopServices, ACorruptSettingsFileNeverReachesTheGame)
{
    struct Case {
        QByteArray content;
        const char *simple, *medium;  // the counters after one count of question 2
    };
    const Case cases[] = {
        {QByteArray("\x00\xff[[[Asked\nSIMPLE=\"12", 20), "1", "1"},  // unreadable: all three reset
        {"[Asked]\nSIMPLE=1, 2, 3\n", "2", "<none>"},                   // the number at the start of the text
        {"[Asked]\nSIMPLE=@Variant(\\0\\0\\0\\x7f)\n", "1", "<none>"},  // no number in it: 0
    };
    for (const Case &c : cases) {
        QTemporaryDir dir;
        gui::IniSettings settings(dir.path());
        QFile file(settings.fileOf(kSettingsApp));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        countWith(settings, 2);
        EXPECT_EQ(storedCounter(settings, QStringLiteral("SIMPLE")), QLatin1String(c.simple)) << c.content.toStdString();
        EXPECT_EQ(storedCounter(settings, QStringLiteral("MEDIUM")), QLatin1String(c.medium)) << c.content.toStdString();
    }
}

// Neither the directory nor the file can be made where a file stands in the way, whoever
// runs the test.
TEST(DesktopServices, AStoreThatCannotBeWrittenFailsEveryWriteAndTheGameGoesOn)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("blocker")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    gui::IniSettings settings(dir.filePath(QStringLiteral("blocker/config")));
    EXPECT_FALSE(settings.write(kSettingsApp, QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                                QStringLiteral("5")));
    countWith(settings, 2);  // the count fails, then its reset: the game never hears of it
    EXPECT_TRUE(QFileInfo(blocker.fileName()).isFile());
    EXPECT_EQ(settings.read(kSettingsApp, QStringLiteral("Asked"), QStringLiteral("SIMPLE"), QStringLiteral("0")),
              QStringLiteral("0"));
}

TEST(DesktopServices, AnUnwritableSettingsDirectoryIsReportedAsAFailedWrite)
{
    QTemporaryDir dir;
    gui::IniSettings settings(dir.path());
    const QString path = settings.fileOf(kSettingsApp);
    QDir().mkpath(path);  // a directory where the file should be: no user can write it
    EXPECT_FALSE(settings.write(kSettingsApp, QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                                QStringLiteral("5")));
    countWith(settings, 2);
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QDir(path).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}
