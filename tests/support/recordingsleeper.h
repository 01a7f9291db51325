#pragma once

#include "sleeper.h"

#include <QList>

// Returns at once and keeps the pauses asked for, in milliseconds.
class RecordingSleeper final : public Sleeper
{
public:
    void sleep(int milliseconds) override { sleeps << milliseconds; }

    QList<int> sleeps;
};
