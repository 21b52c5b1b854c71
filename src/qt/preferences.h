#pragma once

#include <QString>

#include <array>

namespace kvizar::gui {

// The player's own choices of presentation, remembered from one game to the next in a file of
// their own (the settings store holds the game's counters and nothing else).
class Preferences {
public:
    // Reads the choices kept in `path`; the defaults where there are none or they make no sense.
    explicit Preferences(QString path = defaultPath());

    // The windows' scale, in percent of the designs' size: one of kZoomSteps.
    int zoom() const { return zoom_; }
    void setZoom(int percent);
    bool muted() const { return muted_; }
    void setMuted(bool muted);

    static constexpr std::array<int, 6> kZoomSteps = {100, 125, 150, 200, 250, 300};
    // The next step up or down from `percent`, staying within the steps.
    static int zoomIn(int percent);
    static int zoomOut(int percent);

    // ~/.config/Kvizar/preferences.ini, or where the platform keeps a program's configuration.
    static QString defaultPath();

private:
    void save() const;

    QString path_;
    int zoom_ = 100;
    bool muted_ = false;
};

}  // namespace kvizar::gui
