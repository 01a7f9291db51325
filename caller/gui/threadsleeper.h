#pragma once

#include "sleeper.h"

// Sleeps on the caller's thread itself.
class ThreadSleeper final : public Sleeper
{
public:
    void sleep(int milliseconds) override;
};
