#pragma once

#include "core/services.h"

namespace kvizar::gui {

// Starts another program by its absolute path, never searching for it.
class DetachedStarter : public ProgramStarter {
public:
    bool startDetached(const QString &path) override;
};

// Opens addresses with the desktop's browser.
class DesktopOpener : public AddressOpener {
public:
    void open(const QString &address) override;
};

class DiskFiles : public FileStore {
public:
    std::optional<QByteArray> readAll(const QString &path) override;
    bool remove(const QString &path) override;
    bool exists(const QString &path) override;
};

class LocalClock : public TimeOfDay {
public:
    int msecsSinceMidnight() override;
};

}  // namespace kvizar::gui
