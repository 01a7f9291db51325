#include "wavesound.h"

namespace {

constexpr quint16 FormatPcm = 1;
constexpr quint16 FormatFloat = 3;
constexpr quint16 FormatExtensible = 0xFFFE;

quint32 readLe(const QByteArray &bytes, qsizetype at, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<quint8>(bytes[at + i]);
    return value;
}

QByteArray widen24(const QByteArray &samples)
{
    QByteArray wide;
    wide.reserve(samples.size() / 3 * 4);
    for (qsizetype i = 0; i + 3 <= samples.size(); i += 3)
        wide.append('\0').append(samples.mid(i, 3));
    return wide;
}

} // namespace

std::optional<WaveSound> parseWave(const QByteArray &file, QString *why)
{
    auto refuse = [why](const QString &reason) -> std::optional<WaveSound> {
        *why = reason;
        return std::nullopt;
    };
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return refuse(QStringLiteral("not a RIFF WAVE file"));

    std::optional<QByteArray> format;
    std::optional<QByteArray> data;
    qsizetype at = 12;
    while (at + 8 <= file.size() && !data) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = readLe(file, at + 4, 4);
        const QByteArray body = file.mid(at + 8, size);
        if (id == "fmt ")
            format = body;
        else if (id == "data")
            data = body;
        // Chunks are padded to an even length.
        at += 8 + size + (size & 1);
    }
    if (!format || format->size() < 16)
        return refuse(QStringLiteral("no format chunk"));
    if (!data)
        return refuse(QStringLiteral("no data chunk"));

    quint16 tag = readLe(*format, 0, 2);
    if (tag == FormatExtensible && format->size() >= 26)
        tag = readLe(*format, 24, 2);
    WaveSound sound;
    sound.channels = static_cast<int>(readLe(*format, 2, 2));
    sound.sampleRate = static_cast<int>(readLe(*format, 4, 4));
    const int bits = static_cast<int>(readLe(*format, 14, 2));
    if (sound.channels < 1 || sound.channels > 8 || sound.sampleRate < 1000 ||
        sound.sampleRate > 384000)
        return refuse(QStringLiteral("%1 channels at %2 Hz cannot be played")
                          .arg(sound.channels)
                          .arg(sound.sampleRate));

    if (tag == FormatPcm && bits == 8)
        sound.encoding = WaveSound::Encoding::UInt8;
    else if (tag == FormatPcm && bits == 16)
        sound.encoding = WaveSound::Encoding::Int16;
    else if (tag == FormatPcm && (bits == 24 || bits == 32))
        sound.encoding = WaveSound::Encoding::Int32;
    else if (tag == FormatFloat && bits == 32)
        sound.encoding = WaveSound::Encoding::Float32;
    else
        return refuse(
            QStringLiteral("encoding %1 with %2 bits is not supported").arg(tag).arg(bits));

    const qsizetype frame = qsizetype(sound.channels) * (bits / 8);
    const QByteArray whole = data->left(data->size() - data->size() % frame);
    sound.samples = bits == 24 ? widen24(whole) : whole;
    return sound;
}
