#include "random.h"

namespace kvizar {

std::uint64_t Generator::mix(std::uint64_t x)
{
    // splitmix64 finaliser
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

double Generator::next()
{
    double r;
    do {
        state_ = mix(state_);
        r = double(state_ >> 11) * 0x1.0p-53;
    } while (r == last_);
    last_ = r;
    return r;
}

void Generator::reseed(std::int64_t clockValue)
{
    if (clockValue == lastClock_)
        return;
    lastClock_ = clockValue;
    state_ = mix(base_ ^ mix(std::uint64_t(clockValue)));
}

}  // namespace kvizar
