#pragma once

#include <QString>

// The control that shows the countdown clip. The dialog only opens, starts and stops it; the
// clip plays by itself once started.
class CountdownPlayer
{
public:
    static constexpr int RepeatUntilStopped = -1;
    static constexpr int LastFrame = 0xFFFF;

    virtual ~CountdownPlayer() = default;
    // Absolute, or relative to the current directory at the moment of the call. A clip that
    // cannot be opened leaves the area empty and the requests after it do nothing.
    virtual bool open(const QString &path) = 0;
    virtual void play(int repeat, int fromFrame, int toFrame) = 0;
    // Keeps showing the frame it stopped on.
    virtual void stop() = 0;
};
