#include "desktopservices.h"
#include "inisettings.h"
#include "questions/usedquestions.h"
#include "soundplayer.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <unistd.h>

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace kvizar;

TEST(DesktopServices, SettingsKeepOneFilePerApplication)
{
    QStandardPaths::setTestModeEnabled(true);
    QFile::remove(gui::IniSettings::fileOf(QStringLiteral("KvizarTest")));
    gui::IniSettings settings;
    EXPECT_EQ(settings.read(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                            QStringLiteral("none")),
              QStringLiteral("none"));
    ASSERT_TRUE(settings.write(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                               QStringLiteral("3")));
    EXPECT_EQ(settings.read(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"), QString()),
              QStringLiteral("3"));
    QFile file(gui::IniSettings::fileOf(QStringLiteral("KvizarTest")));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().trimmed(), QByteArray("[Asked]\nSIMPLE=3"));
    file.remove();
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
}

TEST(DesktopServices, StarterRunsOnlyExecutableFilesByAbsolutePath)
{
    QTemporaryDir dir;
    const QString script = dir.filePath(QStringLiteral("companion"));
    QFile file(script);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\ntouch started\n");
    file.close();
    gui::DetachedStarter starter;
    EXPECT_FALSE(starter.startDetached(script));  // not executable yet
    file.setPermissions(file.permissions() | QFile::ExeOwner);
    EXPECT_FALSE(starter.startDetached(QStringLiteral("companion")));
    EXPECT_FALSE(starter.startDetached(dir.path()));
    EXPECT_TRUE(starter.startDetached(script));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFile::exists(dir.filePath(QStringLiteral("started"))); }, 5000));
}

TEST(DesktopServices, SoundOfAMissingOrForeignFilePlaysNothing)
{
    QTemporaryDir dir;
    gui::SoundPlayer sound;
    EXPECT_FALSE(sound.play(dir.filePath(QStringLiteral("begin.wav")), true));
    QFile text(dir.filePath(QStringLiteral("text.wav")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a wave file at all");
    text.close();
    EXPECT_FALSE(sound.play(text.fileName(), false));
}

namespace {

// Counting answered questions through the real settings file, as the game does.
void countWith(gui::IniSettings &settings, int question)
{
    countAnsweredQuestion(settings, QStringLiteral("KvizarTest"), question);
}

QString storedCounter(const QString &key)
{
    const QSettings file(gui::IniSettings::fileOf(QStringLiteral("KvizarTest")), QSettings::IniFormat);
    return file.value(QStringLiteral("Asked/") + key, QStringLiteral("<none>")).toString();
}

}  // namespace

TEST(DesktopServices, ACorruptSettingsFileNeverReachesTheGame)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString path = gui::IniSettings::fileOf(QStringLiteral("KvizarTest"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    for (const QByteArray &content : {QByteArray("\x00\xff[[[Asked\nSIMPLE=\"12", 20), QByteArray("[Asked]\nSIMPLE=1, 2, 3\n"),
                                      QByteArray("[Asked]\nSIMPLE=@Variant(\\0\\0\\0\\x7f)\n")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        gui::IniSettings settings;
        countWith(settings, 2);  // whatever the file holds: a count or a reset, never a failure
        const QString simple = storedCounter(QStringLiteral("SIMPLE"));
        bool number = false;
        simple.toInt(&number);
        EXPECT_TRUE(number || simple == QStringLiteral("<none>")) << simple.toStdString();
    }
    QFile::remove(path);
}

TEST(DesktopServices, ASettingsFileInAReadOnlyDirectoryKeepsItsCounters)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes anywhere";
    QStandardPaths::setTestModeEnabled(true);
    const QString path = gui::IniSettings::fileOf(QStringLiteral("KvizarTest"));
    const QString dir = QFileInfo(path).absolutePath();
    QDir().mkpath(dir);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Asked]\nSIMPLE=4\n");
    file.close();
    file.setPermissions(QFile::ReadOwner);
    QFile(dir).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    gui::IniSettings settings;
    EXPECT_FALSE(settings.write(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                                QStringLiteral("5")));
    countWith(settings, 2);  // the failed write turns into a reset, which fails too: no harm done
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("[Asked]\nSIMPLE=4\n"));  // the file on disk is untouched
    file.close();
    QFile(dir).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QFile::remove(path);
}

TEST(DesktopServices, AnUnwritableSettingsDirectoryIsReportedAsAFailedWrite)
{
    QStandardPaths::setTestModeEnabled(true);
    const QString path = gui::IniSettings::fileOf(QStringLiteral("KvizarTest"));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    QDir().mkpath(path);  // a directory where the file should be: no user can write it
    gui::IniSettings settings;
    EXPECT_FALSE(settings.write(QStringLiteral("KvizarTest"), QStringLiteral("Asked"), QStringLiteral("SIMPLE"),
                                QStringLiteral("5")));
    countWith(settings, 2);
    QDir().rmdir(path);
}
