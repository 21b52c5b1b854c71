// kvizar-sim as other programs see it: arguments, exit status, byte-for-byte output, pipes.

#include "testbase.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvizar::sim::test;

namespace {

const QString kExe = QStringLiteral(KVIZAR_SIM_EXE);
const QString kGolden = QStringLiteral(KVIZAR_SIM_GOLDEN);

struct Result {
    int status = -1;
    QByteArray out, err;
};

Result runSim(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(kExe, args);
    EXPECT_TRUE(p.waitForStarted()) << kExe.toStdString();
    p.write(input);
    p.closeWriteChannel();
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

class SimExecutable : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        base = writeTestBase(dir.path());
    }
    QTemporaryDir dir;
    QString base;
};

class SimGolden : public SimExecutable, public ::testing::WithParamInterface<const char *> {};

}  // namespace

// Each golden/NAME.script is run with the test base; its output must equal golden/NAME.out.
// KVIZAR_UPDATE_GOLDEN=1 rewrites the .out files instead (then read them before committing).
TEST_P(SimGolden, TraceMatches)
{
    const QString name = QString::fromLatin1(GetParam());
    const Result r = runSim({QStringLiteral("--base"), base, QStringLiteral("--state"), kGolden + "/" + name + ".script"});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString expected = kGolden + "/" + name + ".out";
    if (qEnvironmentVariableIntValue("KVIZAR_UPDATE_GOLDEN") == 1) {
        QFile f(expected);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(r.out);
        return;
    }
    EXPECT_EQ(r.out.toStdString(), readFile(expected).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Games, SimGolden, ::testing::Values("intro", "right", "wrong"));

TEST_F(SimExecutable, SameArgumentsSameBytesAndTheSeedMatters)
{
    const QString script = kGolden + "/right.script";
    const Result a = runSim({QStringLiteral("--base"), base, script});
    const Result b = runSim({QStringLiteral("--base"), base, script});
    const Result c = runSim({QStringLiteral("--seed"), QStringLiteral("7"), QStringLiteral("--base"), base, script});
    ASSERT_EQ(a.status, 0);
    EXPECT_FALSE(a.out.isEmpty());
    EXPECT_EQ(a.out, b.out);
    EXPECT_NE(a.out, c.out);
}

TEST_F(SimExecutable, ScriptFromStandardInput)
{
    const QByteArray script = readFile(kGolden + "/intro.script");
    const Result fromFile = runSim({QStringLiteral("--base"), base, kGolden + "/intro.script"});
    const Result fromStdin = runSim({QStringLiteral("--base"), base}, script);
    const Result fromDash = runSim({QStringLiteral("--base"), base, QStringLiteral("-")}, script);
    EXPECT_EQ(fromStdin.status, 0);
    EXPECT_EQ(fromStdin.out, fromFile.out);
    EXPECT_EQ(fromDash.out, fromFile.out);
}

TEST_F(SimExecutable, BadScriptLineGivesStatusTwoAndItsNumber)
{
    const Result r = runSim({QStringLiteral("--base"), base}, "wait 10\n# comment\n\nclick game.answer(9)\nwait 10\n");
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.err.contains("line 4")) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("0 start loaded\n"));
}

TEST_F(SimExecutable, BadCommandLineGivesStatusTwo)
{
    EXPECT_EQ(runSim({QStringLiteral("--seed"), QStringLiteral("x"), QStringLiteral("--base"), base}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--seed")}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--setting"), QStringLiteral("Kvizar/Asked=1"), QStringLiteral("--base"), base}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--frobnicate"), QStringLiteral("--base"), base}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--base"), dir.filePath(QStringLiteral("missing.dat"))}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--base"), base, dir.filePath(QStringLiteral("missing.script"))}).status, 2);
    EXPECT_EQ(runSim({QStringLiteral("--base"), base, QStringLiteral("a"), QStringLiteral("b")}).status, 2);
}

TEST_F(SimExecutable, SettingsOnTheCommandLine)
{
    const Result r = runSim({QStringLiteral("--setting"), QStringLiteral("Kvizar/Asked/SIMPLE=7"), QStringLiteral("--base"), base},
                            "click start.continue\nclick game.begin\nwait 5600\nclick game.answer(1)\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.contains("5600 settings read Kvizar/Asked/SIMPLE -> \"7\"\n5600 settings write Kvizar/Asked/SIMPLE = \"8\"\n"))
        << r.out.toStdString();
}

TEST_F(SimExecutable, ExitStopsReadingTheScript)
{
    const Result r = runSim({QStringLiteral("--base"), base}, "click start.exitfromgame\nthis line is never read\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.endsWith("0 exit\n"));
    EXPECT_TRUE(r.err.isEmpty());
}

TEST_F(SimExecutable, ShippedBankMakesThePlayableDefaultBase)
{
    const QByteArray script = "click start.continue\nclick game.begin\nwait 5600\n";
    const Result a = runSim({}, script);
    const Result b = runSim({}, script);
    ASSERT_EQ(a.status, 0) << a.err.toStdString();
    EXPECT_TRUE(a.out.contains("0 game shown\n")) << a.out.toStdString();
    EXPECT_TRUE(a.out.contains("5600 game.display.caption = \""));
    EXPECT_FALSE(a.out.contains(" error "));
    EXPECT_EQ(a.out, b.out);
}

// Another program drives the simulator through pipes: each line's output arrives before the
// next line is written.
TEST_F(SimExecutable, DrivenLineByLineThroughAPipe)
{
    QProcess p;
    p.start(kExe, {QStringLiteral("--base"), base, QStringLiteral("--state")});
    ASSERT_TRUE(p.waitForStarted());
    QByteArray seen;
    auto readUntil = [&](const QByteArray &line) {
        while (!seen.contains(line)) {
            if (!p.waitForReadyRead(10000))
                return false;
            seen += p.readAllStandardOutput();
        }
        return true;
    };
    ASSERT_TRUE(readUntil("0 start shown\n"));
    const struct {
        const char *command;
        const char *answer;  // the last line the command causes
    } steps[] = {
        {"wait 250\n", "250 start.Image2.visible = false\n"},
        {"click start.continue\n", "250 game.pimpa(15).visible = false\n"},
        {"click game.begin   # go\n", "250 game.Motions = 28\n"},
        {"wait 5600\n", "5850 game.Motions = 0\n"},
        {"click game.answer(right)\n", "5850 game.AlreadyPressed = true\n"},
    };
    for (const auto &step : steps) {
        p.write(step.command);
        ASSERT_TRUE(readUntil(step.answer)) << "no answer to " << step.command << "got:\n" << seen.toStdString();
        EXPECT_TRUE(seen.endsWith(step.answer)) << step.command;
    }
    p.write("quit\n");
    ASSERT_TRUE(p.waitForFinished(10000));
    EXPECT_EQ(p.exitCode(), 0);
}
