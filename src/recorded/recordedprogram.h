#pragma once

#include "recordedservices.h"

#include "screens/program.h"

#include <QByteArray>

#include <memory>

namespace kvizar {

// The game on recorded services and virtual time, as the simulator, the fuzzer and the tests
// run it. Whenever the game starts its companion, `base` is left as base.dat in the program
// directory, as the real companion would leave it.
class RecordedProgram {
public:
    // `windows`, when given, takes the place of the recorded window system.
    explicit RecordedProgram(RandomSource &random, QByteArray base = {}, WindowSystem *windows = nullptr);
    ~RecordedProgram();
    RecordedProgram(const RecordedProgram &) = delete;
    RecordedProgram &operator=(const RecordedProgram &) = delete;

    RecordedServices rec;
    QByteArray base;
    std::unique_ptr<Program> program;

    // Where the game looks for base.dat.
    QString basePath() const;
};

}  // namespace kvizar
