#pragma once

#include "randomsource.h"

#include <cstdint>

// The classic C runtime generator (srand/rand): values 0..32767, and the same seed gives the
// same sequence on every platform and in both programs.
class CrtRandom final : public RandomSource
{
public:
    static constexpr int Max = 0x7FFF;

    explicit CrtRandom(std::uint32_t seed = 1)
        : m_state(seed)
    {}

    void srand(std::uint32_t seed) { m_state = seed; }
    int rand() override
    {
        m_state = m_state * 214013u + 2531011u;
        return static_cast<int>((m_state >> 16) & 0x7FFF);
    }

    // The seed the programs use when none is given: the current time in whole seconds.
    static std::uint32_t timeSeed();

    // The state `steps` calls of rand() on from `state`, in a few dozen multiplications.
    static constexpr std::uint32_t advanced(std::uint32_t state, std::uint64_t steps)
    {
        // Each step is x -> a x + c; squaring that map doubles the steps it takes.
        std::uint32_t multiplier = 1;
        std::uint32_t increment = 0;
        std::uint32_t stepMultiplier = 214013u;
        std::uint32_t stepIncrement = 2531011u;
        for (; steps > 0; steps >>= 1) {
            if (steps & 1) {
                multiplier *= stepMultiplier;
                increment = increment * stepMultiplier + stepIncrement;
            }
            stepIncrement *= stepMultiplier + 1;
            stepMultiplier *= stepMultiplier;
        }
        return multiplier * state + increment;
    }

    // Where the caller's generator starts for a seed. The sheet program fills a set from the
    // seed itself, so starting there the caller's first draws would be sheet 1's cells; the
    // caller starts CallerOffset steps on instead. The values repeat every 2^31 steps (they
    // never reach the state's top bit) and a set takes at most 2.5 million steps: the offset
    // lies far from that stretch within the period, and within each power-of-two part of it
    // down to 2^22 (the low bits of the state repeat with those periods), so no game draws the
    // values a sheet of the same seed was made of. The same seed still draws the same game.
    static constexpr std::uint64_t CallerOffset = 0x556DC6C1;
    static constexpr std::uint32_t callerStart(std::uint32_t seed)
    {
        return advanced(seed, CallerOffset);
    }

private:
    std::uint32_t m_state;
};
