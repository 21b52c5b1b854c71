#include "basefiledir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kvizar {

QString baseFileDirectory(const QString &programDir)
{
    const QFileInfo program(programDir);
    if (program.isDir() && program.isWritable())
        return programDir;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        return {};
    const QString own = data + QStringLiteral("/Kvizar");
    return QDir().mkpath(own) ? own : QString();
}

}  // namespace kvizar
