#pragma once

#include "core/services.h"

namespace kvizar::gui {

// Settings kept in one INI file per application name, in the user's configuration folder.
class IniSettings : public SettingsStore {
public:
    std::optional<QString> read(const QString &app, const QString &section, const QString &key,
                                const QString &fallback) override;
    bool write(const QString &app, const QString &section, const QString &key, const QString &value) override;

    static QString fileOf(const QString &app);
};

}  // namespace kvizar::gui
