#include "inisettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kvizar::gui {

IniSettings::IniSettings(QString directory)
    : directory_(directory.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                     : std::move(directory))
{
}

QString IniSettings::fileOf(const QString &app) const
{
    return directory_ + QLatin1Char('/') + app + QStringLiteral(".ini");
}

std::optional<QString> IniSettings::read(const QString &app, const QString &section, const QString &key,
                                         const QString &fallback)
{
    const QSettings settings(fileOf(app), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings.value(section + QLatin1Char('/') + key, fallback);
    // The store holds texts; a text with commas reads back as a list, which is joined again.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool IniSettings::write(const QString &app, const QString &section, const QString &key, const QString &value)
{
    const QString file = fileOf(app);
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return false;
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(section + QLatin1Char('/') + key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace kvizar::gui
