#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <utility>

namespace kvizar::sim {

// kvizar-sim [--seed N] [--base FILE] [--setting APP/SECTION/KEY=VALUE]... [--state] [SCRIPT]
struct CommandLine {
    std::uint64_t seed = 1;
    std::optional<QString> basePath;  // none: a base made from the shipped bank
    QList<std::pair<QString, QString>> settings;
    bool state = false;
    std::optional<QString> scriptPath;  // none or "-": standard input
    bool help = false;
};

// The arguments after the program name. nullopt, with `error` set, for a bad command line.
std::optional<CommandLine> parseCommandLine(const QStringList &args, QString *error);

QString usage();

}  // namespace kvizar::sim
