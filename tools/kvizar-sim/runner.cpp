#include "runner.h"

#include "script.h"
#include "simulator.h"

namespace kvizar::sim {

int runScript(Simulator &simulator, const ScriptIo &io)
{
    simulator.start();
    simulator.flush();
    io.flush();
    if (simulator.programEnded())
        return kExitOk;
    for (int number = 1;; ++number) {
        const std::optional<QString> line = io.readLine();
        if (!line)
            return kExitOk;
        const ParsedLine parsed = parseLine(*line);
        if (!parsed.ok()) {
            simulator.flush();
            io.flush();
            io.error(QStringLiteral("script line %1: %2").arg(number).arg(parsed.error));
            return kExitUsage;
        }
        if (!parsed.command)
            continue;
        const bool goOn = simulator.apply(*parsed.command);
        simulator.flush();
        io.flush();
        if (!goOn)
            return kExitOk;
    }
}

}  // namespace kvizar::sim
