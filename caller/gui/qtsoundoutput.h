#pragma once

#include "soundoutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QThread>

#include <functional>
#include <memory>

class QAudioSink;
class QBuffer;

// Plays wave files through a Qt audio sink that lives on a thread of its own, so the sound goes
// on, whole and without a gap, while the dialog's thread sleeps or is busy. Opening reads and
// checks the whole file at once, so playing starts without loading. A missing, unreadable or
// unsupported file, or a machine without an audio output, is silent.
class QtSoundOutput final : public SoundOutput
{
public:
    QtSoundOutput();
    ~QtSoundOutput() override;
    QtSoundOutput(const QtSoundOutput &) = delete;
    QtSoundOutput &operator=(const QtSoundOutput &) = delete;

    bool open(const QString &path) override;
    void play() override;
    void close() override;

private:
    // Runs work on the sound thread; blocking waits until it has run.
    void onSoundThread(std::function<void()> work, bool blocking);

    QThread m_thread;
    // Lives on the sound thread, as do the sink and the buffer it reads from.
    std::unique_ptr<QObject> m_context;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
    bool m_open = false;
};
