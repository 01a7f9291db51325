#pragma once

// A source of non-negative pseudo-random integers. Everything that draws numbers takes one,
// so that tests can hand in a generator whose output they know.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    virtual int rand() = 0;
};
