// The companion program itself, run as the game runs it, in a copy of the program directory.

#include "banktesting.h"

#include "questions/mainmodule.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvizar;
using namespace kvizar::test;

namespace {

class Companion : public ::testing::Test {
protected:
    QTemporaryDir programDir;
    QTemporaryDir dataHome;  // stands for the user's data directory
    QString exe = programDir.filePath(QStringLiteral("base"));
    QString dat = programDir.filePath(QStringLiteral("base.dat"));

    void SetUp() override
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(KVIZAR_BASE_EXE), exe));
        ASSERT_TRUE(QFile::copy(shippedBankPath(), programDir.filePath(QStringLiteral("bank.txt"))));
    }

    struct Run {
        int exitCode = -1;
        QByteArray out, err;
    };
    Run run(const QStringList &args = {})
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome.path());
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(QDir::tempPath());  // not the program directory: the companion must find its own
        p.start(exe, args);
        EXPECT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
        return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    }
    static QByteArray read(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QSet<QString> questionsOf(const QByteArray &base)
    {
        QSet<QString> out;
        for (const DecodedQuestion &q : decodeBaseFile(base))
            out.insert(q.question);
        return out;
    }
};

}  // namespace

TEST_F(Companion, ReplacesAnOldBaseFileWholeAndRemembersWhatItServed)
{
    {
        QFile old(dat);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(kMaxBaseLength, '9'));  // longer than any fresh one
    }
    const Run first = run();
    ASSERT_EQ(first.exitCode, 0) << first.err.toStdString();
    const QByteArray one = read(dat);
    EXPECT_EQ(checkBaseFile(one, dat), std::nullopt);
    EXPECT_EQ(decodeBaseFile(one).size(), std::size_t(kQuestionsPerGame));
    EXPECT_EQ(QDir(programDir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({QStringLiteral("bank.txt"), QStringLiteral("base"), QStringLiteral("base.dat")}))
        << "no temporary file is left behind";
    EXPECT_TRUE(QFile::exists(dataHome.filePath(QStringLiteral("Kvizar/asked.txt"))));

    ASSERT_EQ(run().exitCode, 0);
    const QByteArray two = read(dat);
    EXPECT_EQ(questionsOf(two).size(), kQuestionsPerGame);
    EXPECT_TRUE((questionsOf(one) & questionsOf(two)).isEmpty()) << "the second game meets none of the first";
}

TEST_F(Companion, FailsCleanlyWithoutAUsableBank)
{
    ASSERT_TRUE(QFile::remove(programDir.filePath(QStringLiteral("bank.txt"))));
    Run r = run();
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("bank.txt")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dat));

    writeLines(programDir.filePath(QStringLiteral("bank.txt")), {QStringLiteral("# one line"), QStringLiteral("1 nature | Вопрос? | Да | Нет")});
    r = run();
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains("2: ")) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(dat));
}

TEST_F(Companion, ChecksABankLineByLine)
{
    QStringList lines = sixPerClass();
    lines[9] = QStringLiteral("9 nature | Вопрос? | Лев | Тигр | Лев | Слон");
    const QString bad = writeLines(programDir.filePath(QStringLiteral("bad.txt")), lines);
    Run r = run({QStringLiteral("check"), bad});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.startsWith((bad + QStringLiteral(":10: ")).toUtf8())) << r.out.toStdString();

    r = run({QStringLiteral("check"), shippedBankPath()});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains("SIMPLE")) << r.out.toStdString();

    r = run({QStringLiteral("stats"), writeLines(programDir.filePath(QStringLiteral("small.txt")), sixPerClass())});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList stats = QString::fromUtf8(r.out).split(QLatin1Char('\n'));
    EXPECT_EQ(stats.mid(0, 5), (QStringList{"class SIMPLE 6", "class MEDIUM 6", "class HARD 6", "level 1 2", "level 2 1"}));
    EXPECT_TRUE(stats.contains(QStringLiteral("level 15 1")));
    EXPECT_TRUE(stats.contains(QStringLiteral("topic nature 2")));
    EXPECT_TRUE(stats.contains(QStringLiteral("topic everyday 1")));
}

TEST_F(Companion, EncodesAndDecodesBaseFiles)
{
    const QString fromBank = programDir.filePath(QStringLiteral("a.dat"));
    Run r = run({QStringLiteral("encode"), shippedBankPath(), QStringLiteral("-o"), fromBank, QStringLiteral("--seed"), QStringLiteral("3")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(checkBaseFile(read(fromBank), fromBank), std::nullopt);
    EXPECT_EQ(run({QStringLiteral("encode"), shippedBankPath(), QStringLiteral("--seed"), QStringLiteral("3")}).out, read(fromBank));

    r = run({QStringLiteral("decode"), fromBank});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QString shown = QString::fromUtf8(r.out);
    EXPECT_EQ(shown.count(QStringLiteral("\n   + ")), kQuestionsPerGame);
    for (const DecodedQuestion &q : decodeBaseFile(read(fromBank)))
        EXPECT_TRUE(shown.contains(q.question + QStringLiteral("\n   + ") + q.answers[0] + QLatin1Char('\n'))) << q.question.toStdString();

    // A decoded text: every character kept, the game's own layout included.
    const QString text = QStringLiteral("#@") + QStringLiteral("Вопрос «№1»?|Да||Нет|||Может быть||||Не знаю|||||@").repeated(15);
    const QString textFile = writeLines(programDir.filePath(QStringLiteral("text.txt")), {text});
    r = run({QStringLiteral("encode"), textFile});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, *EncodeBase(text + QLatin1Char('\n')));

    const QString broken = writeLines(programDir.filePath(QStringLiteral("broken.dat")), {QStringLiteral("12ab")});
    r = run({QStringLiteral("decode"), broken});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_TRUE(r.out.isEmpty());
}
