#include "desktopservices.h"

#include "questions/mainmodule.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTime>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
extern char **environ;
#endif

namespace kvizar::gui {

ChildStarter::~ChildStarter()
{
#ifdef Q_OS_UNIX
    if (errors_ >= 0)
        ::close(errors_);
#endif
}

bool ChildStarter::startDetached(const QString &path)
{
    lastOutcome();  // what ran before is done with (reaped, when it has ended)
#ifdef Q_OS_UNIX
    if (errors_ >= 0)
        ::close(errors_);
    errors_ = -1;
    pid_ = -1;
#endif
    outcome_ = {};
    const QFileInfo file(path);
    if (!file.isAbsolute() || !file.isFile() || !file.isExecutable()) {
        outcome_.errorOutput = QStringLiteral("это не исполняемый файл");
        return false;
    }
    if (!begun_) {  // started once the first window is up; meanwhile it counts as running
        pending_ = file.absoluteFilePath();
        outcome_.state = ProgramOutcome::State::Running;
        return true;
    }
    return spawn(file);
}

void ChildStarter::begin()
{
    if (begun_)
        return;
    begun_ = true;
    if (pending_.isEmpty())
        return;
    const QFileInfo file(std::exchange(pending_, QString()));
    if (!spawn(file))  // what could not be started is told as an ending with an error
        outcome_ = {ProgramOutcome::State::Exited, 127, outcome_.errorOutput};
}

bool ChildStarter::spawn(const QFileInfo &file)
{
    outcome_ = {};
#ifdef Q_OS_UNIX
    int pipe[2];
    if (::pipe2(pipe, O_CLOEXEC) != 0) {
        outcome_.errorOutput = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, pipe[1], 2);
    const QByteArray directory = QFile::encodeName(file.absolutePath());
    posix_spawn_file_actions_addchdir_np(&actions, directory.constData());
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK);
    const QByteArray program = QFile::encodeName(file.absoluteFilePath());
    char *argv[] = {const_cast<char *>(program.constData()), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, program.constData(), &actions, &attributes, argv, environ);
    // Idle priority once it runs on its own: asked for in the child, it would keep the game
    // waiting for the child to reach exec behind everything else on the machine.
    if (failed == 0) {
        sched_param idle{};
        ::sched_setscheduler(pid, SCHED_IDLE, &idle);
    }
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (failed != 0) {
        ::close(pipe[0]);
        outcome_.errorOutput = QString::fromLocal8Bit(std::strerror(failed));
        return false;
    }
    ::fcntl(pipe[0], F_SETFL, ::fcntl(pipe[0], F_GETFL) | O_NONBLOCK);
    errors_ = pipe[0];
    pid_ = pid;
    outcome_.state = ProgramOutcome::State::Running;
    return true;
#else
    if (!QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath()))
        return false;
    return true;  // started; what becomes of it cannot be told here
#endif
}

void ChildStarter::readErrors()
{
#ifdef Q_OS_UNIX
    if (errors_ < 0)
        return;
    QByteArray said = outcome_.errorOutput.toUtf8();
    char chunk[1024];
    for (;;) {
        const ssize_t n = ::read(errors_, chunk, sizeof chunk);
        if (n <= 0)
            break;
        if (said.size() < 4096)
            said.append(chunk, n);
    }
    outcome_.errorOutput = QString::fromLocal8Bit(said);
#endif
}

ProgramOutcome ChildStarter::lastOutcome()
{
#ifdef Q_OS_UNIX
    if (pid_ > 0 && outcome_.state == ProgramOutcome::State::Running) {
        int status = 0;
        const pid_t ended = ::waitpid(pid_t(pid_), &status, WNOHANG);
        readErrors();
        if (ended == pid_) {
            readErrors();  // what it wrote just before it ended
            if (WIFEXITED(status))
                outcome_ = {ProgramOutcome::State::Exited, WEXITSTATUS(status), outcome_.errorOutput};
            else
                outcome_ = {ProgramOutcome::State::Crashed, WIFSIGNALED(status) ? WTERMSIG(status) : 0, outcome_.errorOutput};
        }
    }
#endif
    return outcome_;
}

void DesktopOpener::open(const QString &address)
{
    QDesktopServices::openUrl(QUrl(address));
}

std::optional<QByteArray> DiskFiles::readAll(const QString &path)
{
    // Only a regular file: a pipe or a device by that name would block the game for good.
    // Anything longer than a base file can be is cut, and refused as too long.
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.read(kMaxBaseLength + 1);
}

bool DiskFiles::remove(const QString &path)
{
    return QFile::remove(path);
}

// Anything by that name: a directory called base.dat is there, only not readable.
bool DiskFiles::exists(const QString &path)
{
    return QFileInfo::exists(path);
}

int LocalClock::msecsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

}  // namespace kvizar::gui
