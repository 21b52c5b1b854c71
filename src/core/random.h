#pragma once

#include <cstdint>

namespace kvizar {

// The game's one pseudo-random generator: values uniform in [0, 1), re-seeded from the time
// of day before most draws. Re-seeding with an unchanged clock value continues the sequence,
// so a loop that redraws within one clock value still moves on.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
    virtual void reseed(std::int64_t clockValue) = 0;

    // A choice among n: the integer part of n * r + 1.
    int among(int n) { return int(n * next() + 1); }
};

class Generator final : public RandomSource {
public:
    explicit Generator(std::uint64_t seed) : base_(seed), state_(mix(seed)) {}
    double next() override;
    void reseed(std::int64_t clockValue) override;

private:
    static std::uint64_t mix(std::uint64_t x);
    std::uint64_t base_;
    std::uint64_t state_;
    std::int64_t lastClock_ = INT64_MIN;
    double last_ = -1;
};

}  // namespace kvizar
