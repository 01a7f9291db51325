#include "aviwriter.h"

#include <algorithm>
#include <utility>

namespace {

void put16(QByteArray &out, quint32 v)
{
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}

void put32(QByteArray &out, quint32 v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putId(QByteArray &out, const char (&id)[5])
{
    out.append(id, 4);
}

QByteArray chunk(const char (&id)[5], const QByteArray &body)
{
    QByteArray out;
    putId(out, id);
    put32(out, quint32(body.size()));
    out += body;
    if (body.size() & 1)
        out.append('\0');
    return out;
}

QByteArray list(const char (&type)[5], const QByteArray &body)
{
    QByteArray typed;
    putId(typed, type);
    typed += body;
    return chunk("LIST", typed);
}

int bitsPerPixel(AviWriter::Format format)
{
    switch (format) {
    case AviWriter::Format::Rgb555:
    case AviWriter::Format::Rgb565:
        return 16;
    case AviWriter::Format::Rgb24:
        return 24;
    case AviWriter::Format::Rgb32:
        return 32;
    default:
        return 8;
    }
}

int strideOf(int width, int bits)
{
    return (width * bits + 31) / 32 * 4;
}

int fileRow(int row, int height, bool topDown)
{
    return topDown ? row : height - 1 - row;
}

// Codes pixels [x, end) of one row with runs and literal stretches.
void codeStretch(QByteArray &out, const std::uint8_t *row, int x, int end)
{
    auto runAt = [&](int i) {
        int n = 1;
        while (i + n < end && n < 255 && row[i + n] == row[i])
            ++n;
        return n;
    };
    while (x < end) {
        const int run = runAt(x);
        if (run >= 3) {
            out.append(char(run));
            out.append(char(row[x]));
            x += run;
            continue;
        }
        int j = x;
        while (j < end && j - x < 255 && runAt(j) < 3)
            ++j;
        const int literal = j - x;
        if (literal >= 3) {
            out.append('\0');
            out.append(char(literal));
            out.append(reinterpret_cast<const char *>(row + x), literal);
            if (literal & 1)
                out.append('\0');
        } else {
            for (int i = x; i < j; ++i) {
                out.append('\1');
                out.append(char(row[i]));
            }
        }
        x = j;
    }
}

} // namespace

AviWriter::AviWriter(int width, int height, Format format)
    : m_width(width)
    , m_height(height)
    , m_format(format)
{}

void AviWriter::setRate(quint32 rate, quint32 scale)
{
    m_rate = rate;
    m_scale = scale;
}

void AviWriter::setPalette(std::vector<quint32> rgb)
{
    m_palette = std::move(rgb);
}

void AviWriter::setTopDown(bool topDown)
{
    m_topDown = topDown;
}

void AviWriter::setIndex(Index index)
{
    m_index = index;
}

void AviWriter::setRecordLists(bool on)
{
    m_recordLists = on;
}

void AviWriter::addFrame(const QByteArray &coded)
{
    m_frames.push_back(coded);
}

QByteArray AviWriter::data() const
{
    const bool indexed = m_format == Format::Palette8 || m_format == Format::Rle8;
    const int bits = bitsPerPixel(m_format);
    const quint32 frameBytes = quint32(strideOf(m_width, bits) * m_height);
    const quint32 frameCount = quint32(m_frames.size());
    const quint32 microseconds = m_rate ? quint32(quint64(m_scale) * 1000000 / m_rate) : 0;

    QByteArray main;
    put32(main, microseconds);
    put32(main, frameBytes * (m_scale ? m_rate / m_scale + 1 : 1));
    put32(main, 0);    // padding granularity
    put32(main, 0x10); // AVIF_HASINDEX
    put32(main, frameCount);
    put32(main, 0);
    put32(main, 1); // streams
    put32(main, frameBytes);
    put32(main, quint32(m_width));
    put32(main, quint32(m_height));
    for (int i = 0; i < 4; ++i)
        put32(main, 0);

    QByteArray stream;
    putId(stream, "vids");
    put32(stream, 0); // handler
    put32(stream, 0); // flags
    put32(stream, 0); // priority and language
    put32(stream, 0); // initial frames
    put32(stream, m_scale);
    put32(stream, m_rate);
    put32(stream, 0); // start
    put32(stream, frameCount);
    put32(stream, frameBytes);
    put32(stream, 0xFFFFFFFF); // quality
    put32(stream, 0);          // sample size
    put16(stream, 0);
    put16(stream, 0);
    put16(stream, quint32(m_width));
    put16(stream, quint32(m_height));

    QByteArray format;
    put32(format, 40);
    put32(format, quint32(m_width));
    put32(format, quint32(m_topDown ? -m_height : m_height));
    put16(format, 1);
    put16(format, quint32(bits));
    put32(format, m_format == Format::Rle8 ? 1 : m_format == Format::Rgb565 ? 3 : 0);
    put32(format, frameBytes);
    put32(format, 0);
    put32(format, 0);
    put32(format, indexed ? quint32(m_palette.size()) : 0);
    put32(format, 0);
    if (m_format == Format::Rgb565) {
        put32(format, 0xF800);
        put32(format, 0x07E0);
        put32(format, 0x001F);
    }
    if (indexed) {
        for (const quint32 c : m_palette)
            put32(format, c & 0xFFFFFF);
    }

    const QByteArray header = list(
        "hdrl", chunk("avih", main) + list("strl", chunk("strh", stream) + chunk("strf", format)));

    // The movie list is laid out first so that the index can give each frame's place.
    const char(&frameId)[5] = m_format == Format::Rle8 ? "00dc" : "00db";
    QByteArray movie;
    QByteArray index;
    const quint32 moviAt = quint32(12 + header.size() + 8); // the 'movi' type code
    for (const QByteArray &frame : m_frames) {
        const QByteArray coded = chunk(frameId, frame);
        const qsizetype at = 4 + movie.size() + (m_recordLists ? 12 : 0);
        movie += m_recordLists ? list("rec ", coded) : coded;
        putId(index, frameId);
        put32(index, 0x10); // AVIIF_KEYFRAME
        put32(index, m_index == Index::Absolute ? moviAt + quint32(at) : quint32(at));
        put32(index, quint32(frame.size()));
    }
    QByteArray body = header + list("movi", movie);
    if (m_index != Index::None)
        body += chunk("idx1", index);

    QByteArray out;
    putId(out, "RIFF");
    put32(out, quint32(body.size() + 4));
    putId(out, "AVI ");
    return out + body;
}

QByteArray packIndexed(std::span<const std::uint8_t> pixels, int width, int height, bool topDown)
{
    const int stride = strideOf(width, 8);
    QByteArray out(qsizetype(stride) * height, '\0');
    for (int row = 0; row < height; ++row) {
        char *dst = out.data() + qsizetype(fileRow(row, height, topDown)) * stride;
        std::copy_n(pixels.data() + qsizetype(row) * width, width, dst);
    }
    return out;
}

QByteArray packRgb(std::span<const quint32> rgb, int width, int height, AviWriter::Format format,
                   bool topDown)
{
    const int bits = bitsPerPixel(format);
    const int stride = strideOf(width, bits);
    QByteArray out(qsizetype(stride) * height, '\0');
    for (int row = 0; row < height; ++row) {
        auto *dst = reinterpret_cast<uchar *>(out.data()) +
                    qsizetype(fileRow(row, height, topDown)) * stride;
        for (int x = 0; x < width; ++x) {
            const quint32 c = rgb[std::size_t(row) * std::size_t(width) + std::size_t(x)];
            const quint32 r = (c >> 16) & 0xFF;
            const quint32 g = (c >> 8) & 0xFF;
            const quint32 b = c & 0xFF;
            quint32 v = 0;
            switch (format) {
            case AviWriter::Format::Rgb555:
                v = (r >> 3) << 10 | (g >> 3) << 5 | b >> 3;
                break;
            case AviWriter::Format::Rgb565:
                v = (r >> 3) << 11 | (g >> 2) << 5 | b >> 3;
                break;
            default:
                v = c & 0xFFFFFF;
                break;
            }
            for (int byte = 0; byte < bits / 8; ++byte)
                dst[x * bits / 8 + byte] = uchar(v >> (8 * byte));
        }
    }
    return out;
}

QByteArray encodeRle8(std::span<const std::uint8_t> pixels, std::span<const std::uint8_t> previous,
                      int width, int height, bool topDown)
{
    // A skip shorter than this costs more codes than coding the pixels again.
    constexpr int ShortestSkip = 4;
    const bool delta = !previous.empty();
    auto same = [&](int row, int x) {
        const std::size_t i = std::size_t(row) * std::size_t(width) + std::size_t(x);
        return delta && pixels[i] == previous[i];
    };
    QByteArray out;
    int lastChanged = -1; // in file order
    for (int y = 0; y < height; ++y) {
        const int row = fileRow(y, height, topDown);
        for (int x = 0; x < width; ++x) {
            if (!same(row, x))
                lastChanged = y;
        }
    }
    for (int y = 0; y <= lastChanged; ++y) {
        const int row = fileRow(y, height, topDown);
        const std::uint8_t *line = pixels.data() + std::size_t(row) * std::size_t(width);
        int x = 0;
        while (x < width) {
            int e = x;
            while (e < width && same(row, e))
                ++e;
            if (e == width)
                break;
            if (e - x >= ShortestSkip) {
                for (int skip = e - x; skip > 0; skip -= std::min(skip, 255)) {
                    out.append('\0');
                    out.append('\2');
                    out.append(char(std::min(skip, 255)));
                    out.append('\0');
                }
                x = e;
            }
            // The changed stretch runs until the next skip worth taking.
            int end = x;
            int unchanged = 0;
            while (end < width && unchanged < ShortestSkip) {
                unchanged = same(row, end) ? unchanged + 1 : 0;
                ++end;
            }
            if (unchanged >= ShortestSkip)
                end -= unchanged;
            codeStretch(out, line, x, end);
            x = end;
        }
        if (y < lastChanged) {
            out.append('\0');
            out.append('\0');
        }
    }
    out.append('\0');
    out.append('\1');
    return out;
}
