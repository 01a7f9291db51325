#include "qtsoundoutput.h"

#include "callerlog.h"
#include "regularfile.h"
#include "wavesound.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

namespace {

// Far beyond any cue; a larger file is not read into memory.
constexpr qint64 LargestWave = 32 * 1024 * 1024;

QAudioFormat audioFormat(const WaveSound &sound)
{
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    switch (sound.encoding) {
    case WaveSound::Encoding::UInt8:
        format.setSampleFormat(QAudioFormat::UInt8);
        break;
    case WaveSound::Encoding::Int16:
        format.setSampleFormat(QAudioFormat::Int16);
        break;
    case WaveSound::Encoding::Int32:
        format.setSampleFormat(QAudioFormat::Int32);
        break;
    case WaveSound::Encoding::Float32:
        format.setSampleFormat(QAudioFormat::Float);
        break;
    }
    return format;
}

std::optional<WaveSound> readWave(const QString &path)
{
    const QFileInfo info(path);
    // Like every file the kit reads, a cue must be a regular file: a FIFO would block.
    if (!isRegularFile(path) || !info.isReadable()) {
        qCDebug(lcCallerFiles) << "cue missing:" << path;
        return std::nullopt;
    }
    QFile file(path);
    if (info.size() > LargestWave || !file.open(QIODevice::ReadOnly)) {
        qCDebug(lcCallerFiles) << "cue unreadable:" << path;
        return std::nullopt;
    }
    QString why;
    std::optional<WaveSound> sound = parseWave(file.read(LargestWave), &why);
    if (!sound)
        qCDebug(lcCallerFiles) << "cue not playable:" << path << why;
    return sound;
}

} // namespace

QtSoundOutput::QtSoundOutput()
    : m_context(std::make_unique<QObject>())
{
    m_thread.setObjectName(QStringLiteral("cue sound"));
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

QtSoundOutput::~QtSoundOutput()
{
    close();
    m_thread.quit();
    m_thread.wait();
}

void QtSoundOutput::onSoundThread(std::function<void()> work, bool blocking)
{
    QMetaObject::invokeMethod(m_context.get(), std::move(work),
                              blocking ? Qt::BlockingQueuedConnection : Qt::QueuedConnection);
}

bool QtSoundOutput::open(const QString &path)
{
    close();
    std::optional<WaveSound> sound = readWave(path);
    if (!sound)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        qCDebug(lcCallerFiles) << "cue found, no audio output:" << path;
        return false;
    }
    qCDebug(lcCallerFiles) << "cue found:" << path;
    const QAudioFormat format = audioFormat(*sound);
    onSoundThread(
        [this, device, format, samples = std::move(sound->samples)] {
            m_buffer = std::make_unique<QBuffer>();
            m_buffer->setData(samples);
            m_buffer->open(QIODevice::ReadOnly);
            m_sink = std::make_unique<QAudioSink>(device, format);
        },
        true);
    m_open = true;
    return true;
}

void QtSoundOutput::play()
{
    if (!m_open)
        return;
    // The sink pulls the samples on the sound thread, whatever the dialog's thread is doing.
    onSoundThread(
        [this] {
            m_sink->stop();
            m_buffer->seek(0);
            m_sink->start(m_buffer.get());
        },
        false);
}

void QtSoundOutput::close()
{
    if (!m_open)
        return;
    onSoundThread(
        [this] {
            m_sink->stop();
            m_sink.reset();
            m_buffer.reset();
        },
        true);
    m_open = false;
}
