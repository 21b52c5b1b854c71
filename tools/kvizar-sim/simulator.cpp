#include "simulator.h"

#include "game/gamescreen.h"

namespace kvizar::sim {

Simulator::Simulator(SimOptions options, Sink sink)
    : options_(std::move(options)), sink_(std::move(sink)), random_(options_.seed), recorded_(random_, options_.base),
      changes_(options_.state)
{
    for (const auto &[key, value] : options_.settings)
        recorded_.rec.settings[key] = value;
    recorded_.rec.onLine = [this](const QString &line) { report(line); };
    recorded_.program->afterEvent = [this] { afterEvent(); };
}

Simulator::~Simulator()
{
    // Tearing the program down closes its screens; that is no part of the run.
    recorded_.rec.onLine = nullptr;
    recorded_.program->afterEvent = nullptr;
    recorded_.program.reset();
}

void Simulator::start()
{
    recorded_.program->run();
}

std::string_view Simulator::prefix()
{
    const std::int64_t now = recorded_.program->scheduler.now();
    if (now != prefixTime_) {
        prefixTime_ = now;
        prefix_ = std::to_string(now);
        prefix_ += ' ';
    }
    return prefix_;
}

void Simulator::report(const QString &line)
{
    pending_ += prefix();
    pending_ += line.toStdString();
    pending_ += '\n';
}

void Simulator::afterEvent()
{
    changes_.collect(*recorded_.program, [this] { return prefix(); }, pending_);
}

void Simulator::flush()
{
    if (!pending_.empty())
        sink_(QByteArrayView(pending_.data(), qsizetype(pending_.size())));
    pending_.clear();
}

Screen *Simulator::loaded(const QString &name) const
{
    for (Screen *s : recorded_.program->screens())
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
    const GameScreen *game = recorded_.program->game;
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
    if (recorded_.program->ended())
        return false;
    Screen *screen = nullptr;
    switch (command.action) {
    case Action::Quit:
        return false;
    case Action::Wait:
        recorded_.program->scheduler.advanceBy(command.ms);
        break;
    case Action::Press:
        if (Control *c = resolve(command.target, &screen))
            recorded_.program->input.press(*screen, c, command.button);
        break;
    case Action::Release:
        recorded_.program->input.release(command.button, resolve(command.target));
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
    return !recorded_.program->ended();
}

}  // namespace kvizar::sim
