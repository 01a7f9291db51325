#pragma once

#include "countdownplayer.h"

#include <QStringList>

// Plays no clip: keeps each request as "open <path>", "play <repeat> <from> <to>" or "stop".
class RecordingCountdown final : public CountdownPlayer
{
public:
    bool open(const QString &path) override
    {
        calls << QStringLiteral("open ") + path;
        return true;
    }
    void play(int repeat, int from, int to) override
    {
        calls << QStringLiteral("play %1 %2 %3").arg(repeat).arg(from).arg(to);
    }
    void stop() override { calls << QStringLiteral("stop"); }

    QStringList calls;
};
