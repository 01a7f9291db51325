#pragma once

#include "soundoutput.h"

#include <memory>

class QAudioOutput;
class QMediaPlayer;

// Plays wave files through Qt Multimedia. The player decodes and plays on threads of its own,
// so the dialog's pauses do not hold the sound. A missing or unreadable file, or a machine
// without an audio output, is silent.
class QtSoundOutput final : public SoundOutput
{
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    bool open(const QString &path) override;
    void play() override;
    void close() override;

private:
    std::unique_ptr<QAudioOutput> m_audio;
    std::unique_ptr<QMediaPlayer> m_player;
};
