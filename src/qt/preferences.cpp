#include "preferences.h"

#include <QSettings>
#include <QStandardPaths>

#include <algorithm>

namespace kvizar::gui {

Preferences::Preferences(QString path) : path_(std::move(path))
{
    if (path_.isEmpty())
        return;
    const QSettings file(path_, QSettings::IniFormat);
    const int zoom = file.value(QStringLiteral("zoom"), 100).toInt();
    if (std::find(kZoomSteps.begin(), kZoomSteps.end(), zoom) != kZoomSteps.end())
        zoom_ = zoom;
    muted_ = file.value(QStringLiteral("muted"), false).toBool();
}

QString Preferences::defaultPath()
{
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/preferences.ini");
}

void Preferences::setZoom(int percent)
{
    if (std::find(kZoomSteps.begin(), kZoomSteps.end(), percent) == kZoomSteps.end() || percent == zoom_)
        return;
    zoom_ = percent;
    save();
}

void Preferences::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    save();
}

int Preferences::zoomIn(int percent)
{
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return next == kZoomSteps.end() ? kZoomSteps.back() : *next;
}

int Preferences::zoomOut(int percent)
{
    const auto at = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), percent);
    return at == kZoomSteps.begin() ? kZoomSteps.front() : *(at - 1);
}

// A choice that cannot be kept is still the choice of this game.
void Preferences::save() const
{
    if (path_.isEmpty())
        return;
    QSettings file(path_, QSettings::IniFormat);
    file.setValue(QStringLiteral("zoom"), zoom_);
    file.setValue(QStringLiteral("muted"), muted_);
}

}  // namespace kvizar::gui
