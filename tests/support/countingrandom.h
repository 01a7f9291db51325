#pragma once

#include "crtrandom.h"
#include "randomsource.h"

#include <cstdint>

// The C runtime generator, counting the numbers taken from it.
struct CountingRandom final : RandomSource
{
    explicit CountingRandom(std::uint32_t seed)
        : crt(seed)
    {}
    int rand() override
    {
        ++calls;
        return crt.rand();
    }

    CrtRandom crt;
    int calls = 0;
};
