#pragma once

#include <QString>

// One sound device that plays one wave file at a time. Opening waits until the file is open or
// has failed; playing returns at once and the sound goes on by itself.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Returns false when the file cannot be played; the play and close after it do nothing.
    virtual bool open(const QString &path) = 0;
    // Starts the open file from its beginning.
    virtual void play() = 0;
    // Cuts off what is playing and frees the device.
    virtual void close() = 0;
};

// A sound device that plays nothing, for running the dialog where no sound is wanted.
class SilentSoundOutput final : public SoundOutput
{
public:
    bool open(const QString &) override { return false; }
    void play() override {}
    void close() override {}
};
