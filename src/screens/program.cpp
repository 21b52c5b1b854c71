#include "program.h"

#include "screen.h"

#include <algorithm>

namespace kvizar {

Program::Program(const Services &services, RandomSource &random) : rnd(random), services_(services)
{
    scheduler.afterEvent = [this] {
        collect();
        if (afterEvent)
            afterEvent();
    };
}

Program::~Program()
{
    scheduler.afterEvent = nullptr;
    for (auto &s : loaded_)
        s->close();
    order_.clear();
    loaded_.clear();
    released_.clear();
}

void Program::run()
{
    scheduler.dispatch([this] { loadStart(); });
}

void Program::adoptScreen(std::unique_ptr<Screen> screen)
{
    Screen &ref = *screen;
    order_.push_back(&ref);
    loaded_.push_back(std::move(screen));
    services_.windows.screenLoaded(ref);
}

void Program::unload(Screen *screen)
{
    if (!screen)
        return;
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [screen](const auto &s) { return s.get() == screen; });
    if (it == loaded_.end())
        return;
    std::unique_ptr<Screen> owned = std::move(*it);
    loaded_.erase(it);
    std::erase(order_, screen);
    released(*owned);
    input.forget(owned.get());
    owned->close();
    released_.push_back(std::move(owned));
}

bool Program::isLoaded(const Screen *screen) const
{
    return std::any_of(loaded_.begin(), loaded_.end(), [screen](const auto &s) { return s.get() == screen; });
}

void Program::collect()
{
    released_.clear();
}

void Program::quit()
{
    if (ended_)
        return;
    ended_ = true;
    while (!loaded_.empty())
        unload(loaded_.back().get());
    services_.windows.exitProgram();
}

void Program::fail(const QString &message)
{
    if (ended_)
        return;
    while (!loaded_.empty())
        unload(loaded_.back().get());
    services_.windows.fatalError(message);
    ended_ = true;
    services_.windows.exitProgram();
}

void Program::randomize()
{
    rnd.reseed(services_.clock.msecsSinceMidnight());
}

int Program::draw(int n)
{
    randomize();
    return rnd.among(n);
}

int Program::drawUntil(int n, bool reseedEach, const std::function<bool(int)> &accept)
{
    int candidates = 0;
    for (int k = 1; k <= n; ++k)
        candidates += accept(k) ? 1 : 0;
    if (candidates == 0)
        return 0;
    for (;;) {
        if (reseedEach)
            randomize();
        const int k = rnd.among(n);
        if (k >= 1 && k <= n && accept(k))
            return k;
    }
}

}  // namespace kvizar
