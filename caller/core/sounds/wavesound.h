#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The samples of a wave file, ready for a sound device: interleaved, little-endian.
struct WaveSound
{
    enum class Encoding { UInt8, Int16, Int32, Float32 };

    int sampleRate = 0;
    int channels = 0;
    Encoding encoding = Encoding::Int16;
    QByteArray samples;
};

// Reads a RIFF WAVE file holding integer PCM (8, 16, 24 or 32 bits) or 32-bit float samples;
// 24-bit samples are widened to 32 bits. A data chunk cut short keeps its whole frames. Other
// encodings and damaged headers give nothing, with the reason in why.
std::optional<WaveSound> parseWave(const QByteArray &file, QString *why);
