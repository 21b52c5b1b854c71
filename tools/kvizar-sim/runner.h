#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace kvizar::sim {

class Simulator;

// Where a script comes from and where its side output goes.
struct ScriptIo {
    std::function<std::optional<QString>()> readLine;  // nullopt at the end of the script
    std::function<void()> flush;                       // all output so far must reach the reader
    std::function<void(const QString &)> error;        // a message for standard error
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

// Starts the program, then carries out the script one line at a time, flushing the output of
// each line before reading the next. Returns the exit status: 0 at the end of the script, at
// `quit` or when the program has ended; 2 at a bad line (its number goes to `io.error`).
int runScript(Simulator &simulator, const ScriptIo &io);

}  // namespace kvizar::sim
