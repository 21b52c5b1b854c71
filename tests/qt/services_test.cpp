#include "desktopservices.h"
#include "inisettings.h"
#include "soundplayer.h"

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
