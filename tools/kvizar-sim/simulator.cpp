#include "simulator.h"

#include "app/paths.h"
#include "game/gamescreen.h"

namespace kvizar::sim {

Simulator::Simulator(SimOptions options, Sink sink)
    : options_(std::move(options)), sink_(std::move(sink)), random_(options_.seed), changes_(options_.state)
{
    for (const auto &[key, value] : options_.settings)
        services_.settings[key] = value;
    services_.elapsed = [this] { return program_ ? program_->scheduler.now() : 0; };
    services_.onStart = [this](const QString &) {
        services_.files[programPath(services_.programDir, QStringLiteral("\\base.dat"))] = options_.base;
    };
    services_.onLine = [this](const QString &line) { report(line); };
    program_ = std::make_unique<Program>(services_.services(), random_);
    program_->afterEvent = [this] { afterEvent(); };
}

Simulator::~Simulator()
{
    // Tearing the program down closes its screens; that is no part of the run.
    services_.onLine = nullptr;
    program_->afterEvent = nullptr;
    program_.reset();
}

void Simulator::start()
{
    program_->run();
}

void Simulator::report(const QString &line)
{
    sink_(QString::number(program_->scheduler.now()) + QLatin1Char(' ') + line);
}

void Simulator::afterEvent()
{
    for (const QString &line : changes_.collect(*program_))
        report(line);
}

Screen *Simulator::loaded(const QString &name) const
{
    for (Screen *s : program_->screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

Control *Simulator::resolve(const Target &target, Screen **screen) const
{
    Screen *s = loaded(target.screen);
    if (screen)
        *screen = s;
    if (!s)
        return nullptr;
    if (target.pick == Pick::Index)
        return s->find(target.control, target.index);
    const GameScreen *game = program_->game;
    if (!game)
        return nullptr;
    for (int i = 1; i <= 4; ++i) {
        Control &label = game->answer(i);
        if (label.caption.isEmpty())
            continue;
        const bool right = label.caption == game->RightAnswer;
        if (right == (target.pick == Pick::Right))
            return &label;
    }
    return nullptr;
}

bool Simulator::apply(const Command &command)
{
    if (program_->ended())
        return false;
    Screen *screen = nullptr;
    switch (command.action) {
    case Action::Quit:
        return false;
    case Action::Wait:
        program_->scheduler.advanceBy(command.ms);
        break;
    case Action::Press:
        if (Control *c = resolve(command.target, &screen))
            program_->input.press(*screen, c, command.button);
        break;
    case Action::Release:
        program_->input.release(command.button, resolve(command.target));
        break;
    case Action::Click: {
        Command half = command;
        half.button = LeftButton;
        half.action = Action::Press;
        apply(half);
        half.action = Action::Release;
        return apply(half);
    }
    }
    return !program_->ended();
}

}  // namespace kvizar::sim
