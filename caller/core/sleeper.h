#pragma once

// Holds the caller's only thread for a pause, so that nothing else is handled meanwhile. Tests
// hand in one that returns at once.
class Sleeper
{
public:
    virtual ~Sleeper() = default;
    virtual void sleep(int milliseconds) = 0;
};
