#pragma once

#include "changes.h"
#include "script.h"

#include "app/program.h"
#include "app/random.h"
#include "app/recording.h"

#include <QByteArray>
#include <QList>

#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace kvizar::sim {

struct SimOptions {
    std::uint64_t seed = 1;
    QByteArray base;  // a copy is placed as base.dat each time the companion is started
    QList<std::pair<QString, QString>> settings;  // "APP/SECTION/KEY" and its value
    bool state = false;  // also tell changes of the game's state variables
};

// The whole program on fake services and virtual time, driven by script commands. Every
// effect comes out through `sink` as one line prefixed by the virtual time in ms.
class Simulator {
public:
    using Sink = std::function<void(const QString &line)>;
    Simulator(SimOptions options, Sink sink);
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Program start: the start screen's start-up at virtual time 0.
    void start();
    // Carries out one command. False when the run is over: `quit`, or the program has ended.
    bool apply(const Command &command);
    bool programEnded() const { return program_->ended(); }

    Program &program() { return *program_; }
    RecordingServices &services() { return services_; }

    // The control a target means now; null when its screen is not loaded or, for
    // `right`/`wrong`, no label fits.
    Control *resolve(const Target &target, Screen **screen = nullptr) const;

private:
    void report(const QString &line);
    void afterEvent();
    Screen *loaded(const QString &name) const;

    SimOptions options_;
    Sink sink_;
    RecordingServices services_;
    Generator random_;
    std::unique_ptr<Program> program_;
    ChangeTracker changes_;
};

}  // namespace kvizar::sim
