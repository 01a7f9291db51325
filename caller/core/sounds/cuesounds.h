#pragma once

#include <QString>

class SoundOutput;

// The caller's four sound cues over one sound device: every cue opens the device anew on its
// file, closing the one before, so a new cue cuts off the cue still playing. A cue that cannot
// be played is silent and changes nothing else.
class CueSounds
{
public:
    // Appended to the start-up directory as they stand.
    static inline const QString OpeningCue = QStringLiteral("/wave/file.wav");
    static inline const QString StartCue = QStringLiteral("/wave/start.wav");
    static inline const QString StopCue = QStringLiteral("/wave/stop.wav");
    static inline const QString ClearCue = QStringLiteral("/wave/clear.wav");

    explicit CueSounds(SoundOutput &output)
        : m_output(output)
    {}
    // The device of the last cue stays open after its sound ends; it is closed here.
    ~CueSounds();
    CueSounds(const CueSounds &) = delete;
    CueSounds &operator=(const CueSounds &) = delete;

    void setStartDir(const QString &startDir) { m_startDir = startDir; }

    void PlayCue(const QString &fileName);

private:
    void OpenWave(const QString &path);
    void PlayWave();
    void CloseWave();

    SoundOutput &m_output;
    QString m_startDir;
    // Set by every open request, whether or not the file could be opened.
    int m_mciOpen = 0;
};
