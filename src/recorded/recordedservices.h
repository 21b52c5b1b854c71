#pragma once

#include "core/services.h"

#include <QMap>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace kvizar {

// Services that perform nothing real and report every request as one line, in order:
// "sound PATH", "spawn PATH", "open ADDRESS", "delete PATH", "settings read A/S/K -> \"V\"",
// "settings write A/S/K = \"V\"", "error \"MESSAGE\"", "exit", "SCREEN loaded|shown|closed|
// enabled|disabled". Files and settings live in memory. For the simulator and the tests.
class RecordedServices {
public:
    RecordedServices();
    ~RecordedServices();
    RecordedServices(const RecordedServices &) = delete;
    RecordedServices &operator=(const RecordedServices &) = delete;

    Services services();

    // Every reported line, and a hook that sees each as it comes.
    QStringList lines;
    std::function<void(const QString &)> onLine;

    QString programDir = QStringLiteral("/program");
    QString baseDir = QStringLiteral("/program");
    QString exeName = QStringLiteral("Kvizar");

    // The in-memory file system and settings store ("APP/SECTION/KEY" -> value).
    QMap<QString, QByteArray> files;
    QMap<QString, QString> settings;
    QStringList unreadable;  // files that exist but cannot be read
    bool settingsReadable = true;
    bool settingsWritable = true;
    bool deletesFiles = true;

    // Starting programs: whether it works, what the started program does, and how it is
    // doing when asked (by default nobody can tell, as on a platform that does not say).
    bool canStart = true;
    std::function<void(const QString &path)> onStart;
    ProgramOutcome outcome;

    // The time of day: 12:00:00.000 plus what `elapsed` says (virtual time).
    std::function<std::int64_t()> elapsed;

    bool exited = false;
    QString error;

    void report(const QString &line);

private:
    struct Impl;
    Impl *impl_;
};

}  // namespace kvizar
