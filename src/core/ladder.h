#pragma once

namespace kvizar {

// The money ladder and what each question is played for, one row per question: the design
// draws the ladder from it, the clock, the reveal and the audience read their numbers here.
struct Rung {
    int amount;           // the prize for answering this question, in roubles
    const char *caption;  // the amount as the ladder shows it
    bool milestone;       // a safe sum or the top prize: shown in the ladder's light colour
    int safeSum;          // what a wrong answer to this question still wins
    int seconds;          // the question's clock
    int revealStart;      // where the reveal's counter starts when the answer is committed
    int audienceBonus;    // percent the audience gives the right answer on top of its share
};

inline constexpr int kQuestionCount = 15;

inline constexpr Rung kLadder[kQuestionCount] = {
    {100, "100", false, 0, 30, 20, 60},
    {200, "200", false, 0, 30, 20, 60},
    {300, "300", false, 0, 30, 20, 60},
    {500, "500", false, 0, 30, 20, 60},
    {1000, "1,000", true, 0, 30, 20, 60},
    {2000, "2,000", false, 1000, 60, 60, 30},
    {4000, "4,000", false, 1000, 60, 60, 30},
    {8000, "8,000", false, 1000, 60, 60, 20},
    {16000, "16,000", false, 1000, 60, 100, 20},
    {32000, "32,000", true, 1000, 60, 100, 15},
    {64000, "64,000", false, 32000, 90, 100, 15},
    {125000, "125,000", false, 32000, 90, 100, 15},
    {250000, "250,000", false, 32000, 90, 120, 10},
    {500000, "500,000", false, 32000, 90, 120, 10},
    {1000000, "1,000,000", true, 32000, 90, 120, 10},
};

// The row of question q; null for a number outside 1 to 15.
constexpr const Rung *rungOf(int q)
{
    return q >= 1 && q <= kQuestionCount ? &kLadder[q - 1] : nullptr;
}

// The time bar shows the seconds left at this many pixels each.
inline constexpr int kBarPixelsPerSecond = 4;

}  // namespace kvizar
