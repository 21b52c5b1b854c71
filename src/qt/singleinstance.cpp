#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kvizar::gui {

namespace {

#ifdef Q_OS_UNIX
int askedPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(askedPipe[1], &byte, 1);
}

// Once per process, and before any lock is taken: a copy that finds the lock may signal at once.
bool catchAsking()
{
    static const bool caught = [] {
        if (::pipe2(askedPipe, O_CLOEXEC | O_NONBLOCK) != 0)
            return false;
        struct sigaction action {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        return ::sigaction(SIGUSR1, &action, nullptr) == 0;
    }();
    return caught;
}
#endif

}  // namespace

SingleInstance::SingleInstance() = default;
SingleInstance::~SingleInstance() = default;

QString SingleInstance::lockPath(const QString &baseDir)
{
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(baseDir).toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);  // the user's own
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir + QStringLiteral("/kvizar-") + QString::fromLatin1(key) + QStringLiteral(".lock");
}

bool SingleInstance::claim(const QString &baseDir)
{
#ifdef Q_OS_UNIX
    const bool canBeAsked = catchAsking();
#endif
    lock_ = std::make_unique<QLockFile>(lockPath(baseDir));
    // Held for the whole game: never stale by age, only when the copy that holds it has died.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) {
#ifdef Q_OS_UNIX
        if (canBeAsked) {
            asked_ = new QSocketNotifier(askedPipe[0], QSocketNotifier::Read, this);
            connect(asked_, &QSocketNotifier::activated, this, [this] {
                char bytes[16];
                while (::read(askedPipe[0], bytes, sizeof bytes) > 0) {
                }
                if (onAsked)
                    onAsked();
            });
        }
#endif
        return true;
    }
    if (lock_->error() != QLockFile::LockFailedError) {
        lock_.reset();
        return true;  // no lock to be had at all: play without one
    }
    qint64 pid = 0;
    QString host, application;
    const bool known = lock_->getLockInfo(&pid, &host, &application) && pid > 0;
    lock_.reset();
#ifdef Q_OS_UNIX
    // A lock its holder left behind that cannot be taken over (not ours to remove): no game
    // holds it, so this one plays without a lock.
    if (known && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return true;
    if (known)
        ::kill(pid_t(pid), SIGUSR1);
#endif
    return false;
}

}  // namespace kvizar::gui
