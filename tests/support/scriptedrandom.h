#pragma once

#include "randomsource.h"

#include <algorithm>
#include <vector>

// Hands out the given values in turn, then repeats the last; counts the calls.
class ScriptedRandom final : public RandomSource
{
public:
    explicit ScriptedRandom(std::vector<int> values)
        : m_values(std::move(values))
    {}
    int rand() override
    {
        const int v = m_values[std::min(m_calls, m_values.size() - 1)];
        ++m_calls;
        return v;
    }
    std::size_t calls() const { return m_calls; }

private:
    std::vector<int> m_values;
    std::size_t m_calls = 0;
};
