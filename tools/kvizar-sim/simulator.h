#pragma once

#include "changes.h"
#include "script.h"

#include "core/random.h"
#include "recorded/recordedprogram.h"

#include <QByteArray>

#include <string>
#include <string_view>
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

// The whole program on recorded services and virtual time, driven by script commands. Every
// effect is one line, prefixed by the virtual time in ms; the lines gather until flush()
// hands them to `sink`, whole, in UTF-8.
class Simulator {
public:
    using Sink = std::function<void(QByteArrayView lines)>;
    Simulator(SimOptions options, Sink sink);
    ~Simulator();
    Simulator(const Simulator &) = delete;
    Simulator &operator=(const Simulator &) = delete;

    // Program start: the start screen's start-up at virtual time 0.
    void start();
    // Carries out one command. False when the run is over: `quit`, or the program has ended.
    bool apply(const Command &command);
    bool programEnded() const { return recorded_.program->ended(); }
    // Hands the lines gathered so far to the sink.
    void flush();

    Program &program() { return *recorded_.program; }
    RecordedServices &services() { return recorded_.rec; }

    // The control a target means now; null when its screen is not loaded or, for
    // `right`/`wrong`, no label fits.
    Control *resolve(const Target &target, Screen **screen = nullptr) const;

private:
    void report(const QString &line);
    void afterEvent();
    std::string_view prefix();  // "TIME " of the present moment
    Screen *loaded(const QString &name) const;

    SimOptions options_;
    Sink sink_;
    Generator random_;
    RecordedProgram recorded_;
    ChangeTracker changes_;
    std::string pending_;
    std::string prefix_;
    std::int64_t prefixTime_ = -1;
};

}  // namespace kvizar::sim
