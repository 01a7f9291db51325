#pragma once

#include <QByteArray>

#include <cstdint>
#include <span>
#include <vector>

// Writes small AVI clips with one silent video stream, as the countdown control plays them.
// Frames are handed over already coded (see the functions below), so that callers can also
// write frames that are wrong on purpose.
class AviWriter
{
public:
    enum class Format { Palette8, Rgb555, Rgb565, Rgb24, Rgb32, Rle8 };
    enum class Index { Relative, Absolute, None };

    AviWriter(int width, int height, Format format);

    void setRate(quint32 rate, quint32 scale);
    void setPalette(std::vector<quint32> rgb); // 0xRRGGBB, at most 256
    void setTopDown(bool topDown);
    void setIndex(Index index);
    void setRecordLists(bool on); // each frame inside a 'rec ' list
    void addFrame(const QByteArray &coded);

    QByteArray data() const;

private:
    int m_width;
    int m_height;
    Format m_format;
    quint32 m_rate = 15;
    quint32 m_scale = 1;
    std::vector<quint32> m_palette;
    bool m_topDown = false;
    Index m_index = Index::Relative;
    bool m_recordLists = false;
    std::vector<QByteArray> m_frames;
};

// Rows are given from the top; the functions store them in the order the clip declares.
QByteArray packIndexed(std::span<const std::uint8_t> pixels, int width, int height, bool topDown);
QByteArray packRgb(std::span<const quint32> rgb, int width, int height, AviWriter::Format format,
                   bool topDown);
// RLE8 with the previous frame's pixels (or none, for a whole frame): pixels that did not change
// are skipped with delta and end-of-line codes.
QByteArray encodeRle8(std::span<const std::uint8_t> pixels, std::span<const std::uint8_t> previous,
                      int width, int height, bool topDown);
