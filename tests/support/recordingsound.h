#pragma once

#include "soundoutput.h"

#include <QStringList>

// A sound device that plays nothing and records every request: "open <path>", "play", "close".
class RecordingSound final : public SoundOutput
{
public:
    bool open(const QString &path) override
    {
        calls << QStringLiteral("open ") + path;
        return opens;
    }
    void play() override { calls << QStringLiteral("play"); }
    void close() override { calls << QStringLiteral("close"); }

    // The files opened, in order.
    QStringList opened() const
    {
        QStringList paths;
        for (const QString &call : calls) {
            if (call.startsWith(QStringLiteral("open ")))
                paths << call.mid(5);
        }
        return paths;
    }
    qsizetype plays() const { return calls.count(QStringLiteral("play")); }

    QStringList calls;
    // Whether an open finds a playable file.
    bool opens = true;
};
