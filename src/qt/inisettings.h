#pragma once

#include "core/services.h"

namespace kvizar::gui {

// Settings kept in one INI file per application name, in a directory: by default the user's
// configuration folder.
class IniSettings : public SettingsStore {
public:
    explicit IniSettings(QString directory = QString());

    std::optional<QString> read(const QString &app, const QString &section, const QString &key,
                                const QString &fallback) override;
    bool write(const QString &app, const QString &section, const QString &key, const QString &value) override;

    QString fileOf(const QString &app) const;

private:
    QString directory_;
};

}  // namespace kvizar::gui
