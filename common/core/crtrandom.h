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

private:
    std::uint32_t m_state;
};
