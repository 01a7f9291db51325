#pragma once

#include "randomsource.h"

#include <algorithm>
#include <vector>

// Hands out the given values in turn, then repeats the last (or, with StartAgain, all of them
// again: a draw order of distinct values below the top number then comes out as given at every
// fill); counts the calls.
class ScriptedRandom final : public RandomSource
{
public:
    enum class AtTheEnd { RepeatLast, StartAgain };

    explicit ScriptedRandom(std::vector<int> values, AtTheEnd atTheEnd = AtTheEnd::RepeatLast)
        : m_values(std::move(values))
        , m_atTheEnd(atTheEnd)
    {}
    int rand() override
    {
        const std::size_t at = m_atTheEnd == AtTheEnd::StartAgain
                                   ? m_calls % m_values.size()
                                   : std::min(m_calls, m_values.size() - 1);
        ++m_calls;
        return m_values[at];
    }
    std::size_t calls() const { return m_calls; }

private:
    std::vector<int> m_values;
    AtTheEnd m_atTheEnd;
    std::size_t m_calls = 0;
};
