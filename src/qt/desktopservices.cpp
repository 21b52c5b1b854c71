#include "desktopservices.h"

#include "questions/mainmodule.h"

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTime>
#include <QUrl>

namespace kvizar::gui {

bool DetachedStarter::startDetached(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isAbsolute() || !file.isFile() || !file.isExecutable())
        return false;
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
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
