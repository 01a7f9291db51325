#include "qtsoundoutput.h"

#include "callerlog.h"
#include "regularfile.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput()
{
    close();
}

bool QtSoundOutput::open(const QString &path)
{
    close();
    const QFileInfo file(path);
    // Like every file the kit reads, a cue must be a regular file: a FIFO would block.
    if (!isRegularFile(path) || !file.isReadable()) {
        qCDebug(lcCallerFiles) << "cue missing:" << path;
        return false;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        qCDebug(lcCallerFiles) << "cue found, no audio output:" << path;
        return false;
    }
    qCDebug(lcCallerFiles) << "cue found:" << path;
    m_audio = std::make_unique<QAudioOutput>();
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_audio.get());
    // A file that does not decode ends in the player's error state, which plays nothing.
    m_player->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    return true;
}

void QtSoundOutput::play()
{
    if (m_player)
        m_player->play();
}

void QtSoundOutput::close()
{
    if (m_player)
        m_player->stop();
    m_player.reset();
    m_audio.reset();
}
