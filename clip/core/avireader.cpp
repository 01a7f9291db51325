#include "avireader.h"

#include "regularfile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <bit>
#include <new>

namespace {

constexpr quint32 fourcc(const char (&s)[5])
{
    return quint32(uchar(s[0])) | quint32(uchar(s[1])) << 8 | quint32(uchar(s[2])) << 16 |
           quint32(uchar(s[3])) << 24;
}

constexpr quint32 BiRgb = 0;
constexpr quint32 BiRle8 = 1;
constexpr quint32 BiBitfields = 3;
constexpr qsizetype MainHeaderBytes = 56;
constexpr qsizetype StreamHeaderBytes = 48; // through dwSampleSize; rcFrame is optional
constexpr qsizetype InfoHeaderBytes = 40;
constexpr qsizetype IndexEntryBytes = 16;

quint16 u16(const uchar *p)
{
    return quint16(p[0] | p[1] << 8);
}

quint32 u32(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

QString fourccText(quint32 id)
{
    QString text;
    for (int i = 0; i < 4; ++i) {
        const char c = char((id >> (8 * i)) & 0xFF);
        if (c < 0x20 || c > 0x7E)
            return QStringLiteral("0x%1").arg(id, 8, 16, QLatin1Char('0'));
        text += QLatin1Char(c);
    }
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString offsetText(qsizetype offset)
{
    return QStringLiteral("0x%1").arg(offset, 0, 16);
}

struct Chunk
{
    quint32 id = 0;
    qsizetype pos = 0; // of the chunk header
    qsizetype data = 0;
    qsizetype size = 0;
};

enum class Step { Found, End, Bad };

// Reads the chunk at pos within [pos, end) and moves pos past it and its pad byte. Fewer than
// eight bytes left end the list: writers leave such slack, and nothing can be read from it.
Step nextChunk(const uchar *bytes, qsizetype &pos, qsizetype end, Chunk &chunk, QString &error)
{
    if (end - pos < 8)
        return Step::End;
    chunk.id = u32(bytes + pos);
    chunk.pos = pos;
    chunk.data = pos + 8;
    chunk.size = qsizetype(u32(bytes + pos + 4));
    if (chunk.size > end - chunk.data) {
        error = QStringLiteral("chunk %1 at offset %2 claims %3 bytes, past the end of its list")
                    .arg(fourccText(chunk.id), offsetText(pos))
                    .arg(chunk.size);
        return Step::Bad;
    }
    pos = std::min(end, chunk.data + chunk.size + (chunk.size & 1));
    return Step::Found;
}

bool isFrameChunk(quint32 id)
{
    return id == fourcc("00db") || id == fourcc("00dc");
}

// A colour mask of bit fields: where its bits are and how many.
struct MaskField
{
    int shift = 0;
    int bits = 0;
};

MaskField maskField(quint32 mask)
{
    if (mask == 0)
        return {};
    return {std::countr_zero(mask), std::popcount(mask)};
}

int expandField(quint32 value, MaskField f)
{
    const quint32 v = (value >> f.shift) & ((1u << f.bits) - 1);
    if (f.bits >= 8)
        return int(v >> (f.bits - 8));
    const quint32 max = (1u << f.bits) - 1;
    return int((v * 255 + max / 2) / max);
}

// Walks one RLE8 frame. With a canvas it writes the pixels it codes; without one it only checks
// that every code stays inside the frame. Rows count in file order.
bool walkRle8(const uchar *src, qsizetype n, int width, int height, std::uint8_t *canvas,
              QString *error)
{
    auto bad = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    qint64 x = 0;
    qint64 y = 0;
    qsizetype i = 0;
    while (n - i >= 2) {
        const int count = src[i];
        const int code = src[i + 1];
        i += 2;
        if (count > 0) {
            if (y >= height)
                return bad(QStringLiteral("a run lies below the last line"));
            if (x + count > width)
                return bad(QStringLiteral("a run of %1 pixels at x %2 passes the end of line %3")
                               .arg(count)
                               .arg(x)
                               .arg(y));
            if (canvas)
                std::fill_n(canvas + y * width + x, count, std::uint8_t(code));
            x += count;
            continue;
        }
        switch (code) {
        case 0:
            if (y >= height)
                return bad(QStringLiteral("an end of line lies below the last line"));
            x = 0;
            ++y;
            break;
        case 1:
            return true;
        case 2:
            if (n - i < 2)
                return bad(QStringLiteral("a delta is cut short"));
            x += src[i];
            y += src[i + 1];
            i += 2;
            if (x > width || y > height)
                return bad(QStringLiteral("a delta moves past the frame"));
            break;
        default:
            if (y >= height)
                return bad(QStringLiteral("literal pixels lie below the last line"));
            if (x + code > width)
                return bad(QStringLiteral("%1 literal pixels at x %2 pass the end of line %3")
                               .arg(code)
                               .arg(x)
                               .arg(y));
            if (n - i < code)
                return bad(QStringLiteral("literal pixels are cut short"));
            if (canvas)
                std::copy_n(src + i, code, canvas + y * width + x);
            x += code;
            i = std::min(n, i + code + (code & 1));
            break;
        }
    }
    // Data that ends without an end-of-bitmap code ends the frame there.
    return true;
}

} // namespace

bool AviReader::fail(const QString &reason)
{
    close();
    m_error = reason;
    return false;
}

void AviReader::close()
{
    m_data.clear();
    m_error.clear();
    m_frames.clear();
    m_encoding = Encoding::Palette8;
    m_width = m_height = 0;
    m_topDown = false;
    m_rate = m_scale = 0;
    m_frameMicroseconds = 0;
    m_mainMicroseconds = 0;
    m_streamLength = 0;
    m_streams = 0;
    m_haveFormat = false;
    std::fill(std::begin(m_palette), std::end(m_palette), 0xFF000000u);
    std::fill(std::begin(m_masks), std::end(m_masks), 0u);
    m_canvas.clear();
    m_canvas.shrink_to_fit();
    m_canvasFrame = -1;
}

bool AviReader::openFile(const QString &path)
{
    close();
    const QFileInfo info(path);
    if (path.isEmpty())
        return fail(QStringLiteral("no file name given"));
    if (!info.exists())
        return fail(QStringLiteral("%1: no such file").arg(path));
    if (info.isDir())
        return fail(QStringLiteral("%1: is a folder, not a clip").arg(path));
    // A FIFO in the clip's place would make an ordinary open wait for a writer forever.
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason))
        return fail(QStringLiteral("%1: %2").arg(path, reason));
    QByteArray data;
    try {
        // One byte over the limit tells a file that is too long, even one whose size the
        // system does not know in advance.
        data = file.read(MaxFileBytes + 1);
    } catch (const std::bad_alloc &) {
        return fail(QStringLiteral("%1: not enough memory to read it").arg(path));
    }
    if (data.size() > MaxFileBytes)
        return fail(QStringLiteral("%1: longer than the %2 bytes a clip may have")
                        .arg(path)
                        .arg(MaxFileBytes));
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("%1: %2").arg(path, file.errorString()));
    if (!openData(data)) {
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    return true;
}

bool AviReader::openData(const QByteArray &data)
{
    close();
    if (data.size() > MaxFileBytes)
        return fail(QStringLiteral("longer than the %1 bytes a clip may have").arg(MaxFileBytes));
    m_data = data;
    try {
        return parse();
    } catch (const std::bad_alloc &) {
        return fail(QStringLiteral("not enough memory to read the clip"));
    }
}

template <typename Visit> bool AviReader::forEachChunk(qsizetype begin, qsizetype end, Visit visit)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    qsizetype pos = begin;
    Chunk chunk;
    QString error;
    for (;;) {
        const Step step = nextChunk(bytes, pos, end, chunk, error);
        if (step == Step::Bad)
            return fail(error);
        if (step == Step::End)
            return true;
        if (!visit(std::as_const(chunk)))
            return false;
    }
}

bool AviReader::parse()
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    const qsizetype size = m_data.size();
    if (size < 12 || u32(bytes) != fourcc("RIFF"))
        return fail(QStringLiteral("not a RIFF file"));
    if (u32(bytes + 8) != fourcc("AVI "))
        return fail(QStringLiteral("a RIFF file of form %1, not an AVI clip")
                        .arg(fourccText(u32(bytes + 8))));
    const qint64 riffEnd = 8 + qint64(u32(bytes + 4));
    if (riffEnd > size)
        return fail(QStringLiteral("cut short: the RIFF chunk claims %1 bytes, the file holds %2")
                        .arg(riffEnd)
                        .arg(size));
    if (riffEnd < 12)
        return fail(QStringLiteral("the RIFF chunk is too short to hold an AVI clip"));

    bool haveHeader = false;
    qsizetype moviBegin = -1; // the 'movi' type code, which the index may count from
    qsizetype moviEnd = -1;
    qsizetype indexBegin = -1;
    qsizetype indexSize = 0;
    const bool listed = forEachChunk(12, riffEnd, [&](const Chunk &chunk) {
        if (chunk.id == fourcc("LIST")) {
            if (chunk.size < 4)
                return fail(
                    QStringLiteral("list at offset %1 has no type").arg(offsetText(chunk.pos)));
            const quint32 type = u32(bytes + chunk.data);
            const qsizetype listEnd = chunk.data + chunk.size;
            if (type == fourcc("hdrl")) {
                if (haveHeader)
                    return fail(QStringLiteral("two header lists"));
                haveHeader = true;
                if (!parseHeaderList(chunk.data + 4, listEnd))
                    return false;
            } else if (type == fourcc("movi")) {
                if (moviBegin >= 0)
                    return fail(QStringLiteral("two movie lists"));
                moviBegin = chunk.data;
                moviEnd = listEnd;
            }
        } else if (chunk.id == fourcc("idx1") && indexBegin < 0) {
            indexBegin = chunk.data;
            indexSize = chunk.size;
        }
        return true;
    });
    if (!listed)
        return false;
    if (!haveHeader)
        return fail(QStringLiteral("no header list ('hdrl')"));
    if (m_streams == 0)
        return fail(QStringLiteral("no stream"));
    if (!m_haveFormat)
        return fail(QStringLiteral("the video stream has no format ('strf')"));
    if (moviBegin < 0)
        return fail(QStringLiteral("no movie list ('movi')"));

    if (m_rate != 0 && m_scale != 0) {
        m_frameMicroseconds =
            std::max<qint64>(1, (qint64(m_scale) * 1000000 + m_rate / 2) / m_rate);
    } else if (m_mainMicroseconds != 0) {
        m_frameMicroseconds = m_mainMicroseconds;
        m_rate = 1000000;
        m_scale = m_mainMicroseconds;
    } else {
        return fail(QStringLiteral("the clip gives no frame rate"));
    }

    if (indexBegin >= 0 && !readIndex(indexBegin, indexSize, moviBegin, moviEnd))
        return false;
    if (m_frames.empty() && !walkMovie(moviBegin + 4, moviEnd, 0))
        return false;
    return checkFrames();
}

bool AviReader::parseHeaderList(qsizetype begin, qsizetype end)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    bool haveMain = false;
    const bool listed = forEachChunk(begin, end, [&](const Chunk &chunk) {
        if (chunk.id == fourcc("avih")) {
            if (chunk.size < MainHeaderBytes)
                return fail(QStringLiteral("the main header has %1 bytes, %2 expected")
                                .arg(chunk.size)
                                .arg(MainHeaderBytes));
            haveMain = true;
            m_mainMicroseconds = u32(bytes + chunk.data);
        } else if (chunk.id == fourcc("LIST") && chunk.size >= 4 &&
                   u32(bytes + chunk.data) == fourcc("strl")) {
            if (!parseStreamList(chunk.data + 4, chunk.data + chunk.size))
                return false;
        }
        return true;
    });
    if (!listed)
        return false;
    if (!haveMain)
        return fail(QStringLiteral("no main header ('avih')"));
    return true;
}

bool AviReader::parseStreamList(qsizetype begin, qsizetype end)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    Chunk header;
    Chunk format;
    bool haveHeader = false;
    bool haveFormat = false;
    const bool listed = forEachChunk(begin, end, [&](const Chunk &chunk) {
        if (chunk.id == fourcc("strh") && !haveHeader) {
            header = chunk;
            haveHeader = true;
        } else if (chunk.id == fourcc("strf") && !haveFormat) {
            format = chunk;
            haveFormat = true;
        }
        return true;
    });
    if (!listed)
        return false;
    if (!haveHeader)
        return fail(QStringLiteral("a stream without a stream header ('strh')"));
    if (header.size < StreamHeaderBytes)
        return fail(QStringLiteral("the stream header has %1 bytes, %2 expected")
                        .arg(header.size)
                        .arg(StreamHeaderBytes));
    const quint32 type = u32(bytes + header.data);
    if (type == fourcc("auds"))
        return fail(QStringLiteral("the clip has a sound stream; only silent clips are played"));
    if (type != fourcc("vids"))
        return fail(
            QStringLiteral("a stream of type %1; only video is played").arg(fourccText(type)));
    if (++m_streams > 1)
        return fail(QStringLiteral("more than one video stream"));
    m_scale = u32(bytes + header.data + 20);
    m_rate = u32(bytes + header.data + 24);
    m_streamLength = u32(bytes + header.data + 32);
    if (!haveFormat)
        return fail(QStringLiteral("the video stream has no format ('strf')"));
    return parseFormat(format.data, format.size);
}

bool AviReader::parseFormat(qsizetype begin, qsizetype size)
{
    const auto *p = reinterpret_cast<const uchar *>(m_data.constData()) + begin;
    if (size < InfoHeaderBytes)
        return fail(QStringLiteral("the frame format has %1 bytes, at least %2 expected")
                        .arg(size)
                        .arg(InfoHeaderBytes));
    const qsizetype headerSize = qsizetype(u32(p));
    if (headerSize < InfoHeaderBytes || headerSize > size)
        return fail(QStringLiteral("the bitmap header claims %1 bytes in a format of %2")
                        .arg(headerSize)
                        .arg(size));
    const qint64 width = qint32(u32(p + 4));
    const qint64 height = qint32(u32(p + 8));
    const int bitCount = u16(p + 14);
    const quint32 compression = u32(p + 16);
    const quint32 coloursUsed = u32(p + 32);
    if (width <= 0)
        return fail(QStringLiteral("a frame width of %1").arg(width));
    if (height == 0)
        return fail(QStringLiteral("a frame height of 0"));
    const qint64 rows = height < 0 ? -height : height;
    if (width > MaxFrameSide || rows > MaxFrameSide || width * rows > MaxFramePixels)
        return fail(QStringLiteral("frames of %1 by %2 pixels are larger than a clip may have")
                        .arg(width)
                        .arg(rows));
    m_width = int(width);
    m_height = int(rows);
    m_topDown = height < 0;

    switch (compression) {
    case BiRgb:
        switch (bitCount) {
        case 8:
            m_encoding = Encoding::Palette8;
            break;
        case 16:
            m_encoding = Encoding::Rgb16;
            m_masks[0] = 0x7C00;
            m_masks[1] = 0x03E0;
            m_masks[2] = 0x001F;
            break;
        case 24:
            m_encoding = Encoding::Rgb24;
            break;
        case 32:
            m_encoding = Encoding::Rgb32;
            m_masks[0] = 0xFF0000;
            m_masks[1] = 0x00FF00;
            m_masks[2] = 0x0000FF;
            break;
        default:
            return fail(QStringLiteral("uncompressed frames of %1 bits per pixel are not played")
                            .arg(bitCount));
        }
        break;
    case BiRle8:
        if (bitCount != 8)
            return fail(QStringLiteral("RLE8 frames with %1 bits per pixel").arg(bitCount));
        m_encoding = Encoding::Rle8;
        break;
    case BiBitfields: {
        if (bitCount != 16 && bitCount != 32)
            return fail(QStringLiteral("bit fields with %1 bits per pixel").arg(bitCount));
        // The masks follow a plain header, or sit inside a longer one.
        const qsizetype masksAt = headerSize >= InfoHeaderBytes + 12 ? InfoHeaderBytes : headerSize;
        if (masksAt + 12 > size)
            return fail(QStringLiteral("the colour masks of the bit fields are missing"));
        quint32 all = 0;
        for (int i = 0; i < 3; ++i) {
            const quint32 mask = u32(p + masksAt + 4 * i);
            const MaskField f = maskField(mask);
            const bool contiguous = mask != 0 && ((mask >> f.shift) & ((mask >> f.shift) + 1)) == 0;
            if (!contiguous || (all & mask) || (bitCount == 16 && mask > 0xFFFF))
                return fail(QStringLiteral("colour mask 0x%1 is not usable").arg(mask, 0, 16));
            all |= mask;
            m_masks[i] = mask;
        }
        m_encoding = bitCount == 16 ? Encoding::Rgb16 : Encoding::Rgb32;
        break;
    }
    default:
        return fail(QStringLiteral("frames compressed as %1 are not played")
                        .arg(compression < 0x10000 ? QString::number(compression)
                                                   : fourccText(compression)));
    }

    if (m_encoding == Encoding::Palette8 || m_encoding == Encoding::Rle8) {
        const qint64 colours = coloursUsed ? coloursUsed : 256;
        if (colours > 256)
            return fail(QStringLiteral("the palette claims %1 colours, at most 256 are possible")
                            .arg(colours));
        if (headerSize + colours * 4 > size)
            return fail(QStringLiteral("the palette of %1 colours does not fit in the %2 bytes "
                                       "of the frame format")
                            .arg(colours)
                            .arg(size));
        for (qint64 i = 0; i < colours; ++i) {
            const uchar *q = p + headerSize + 4 * i;
            m_palette[i] = 0xFF000000u | quint32(q[2]) << 16 | quint32(q[1]) << 8 | q[0];
        }
    }
    m_haveFormat = true;
    return true;
}

bool AviReader::readIndex(qsizetype begin, qsizetype size, qsizetype moviBegin, qsizetype moviEnd)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    const qsizetype entries = size / IndexEntryBytes;
    // Offsets count from the 'movi' type code as a rule, but some writers give them from the
    // start of the file; the first frame entry tells which.
    qint64 base = -1;
    for (qsizetype e = 0; e < entries; ++e) {
        const uchar *entry = bytes + begin + e * IndexEntryBytes;
        const quint32 id = u32(entry);
        if (!isFrameChunk(id))
            continue;
        const qint64 offset = u32(entry + 8);
        const qint64 length = u32(entry + 12);
        if (base < 0) {
            for (const qint64 candidate : {qint64(moviBegin), qint64(0)}) {
                const qint64 at = candidate + offset;
                if (at >= moviBegin + 4 && at + 8 <= moviEnd && u32(bytes + at) == id) {
                    base = candidate;
                    break;
                }
            }
            if (base < 0)
                return fail(QStringLiteral("index entry %1 points at no frame chunk").arg(e));
        }
        const qint64 at = base + offset;
        if (at < moviBegin + 4 || at + 8 > moviEnd || at + 8 + length > moviEnd)
            return fail(QStringLiteral("index entry %1 points outside the movie list").arg(e));
        if (u32(bytes + at) != id || u32(bytes + at + 4) != length)
            return fail(QStringLiteral("index entry %1 does not match the chunk at offset %2")
                            .arg(e)
                            .arg(offsetText(at)));
        if (!addFrame(at + 8, length))
            return false;
    }
    return true;
}

bool AviReader::walkMovie(qsizetype begin, qsizetype end, int depth)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    return forEachChunk(begin, end, [&](const Chunk &chunk) {
        if (isFrameChunk(chunk.id)) {
            if (!addFrame(chunk.data, chunk.size))
                return false;
        } else if (depth == 0 && chunk.id == fourcc("LIST") && chunk.size >= 4 &&
                   u32(bytes + chunk.data) == fourcc("rec ")) {
            if (!walkMovie(chunk.data + 4, chunk.data + chunk.size, depth + 1))
                return false;
        }
        return true;
    });
}

bool AviReader::addFrame(qsizetype offset, qsizetype size)
{
    if (m_frames.size() >= std::size_t(MaxFrames))
        return fail(QStringLiteral("more than %1 frames").arg(MaxFrames));
    m_frames.push_back({quint32(offset), quint32(size)});
    return true;
}

bool AviReader::checkFrames()
{
    if (m_frames.empty())
        return fail(QStringLiteral("the clip holds no frames"));
    if (m_streamLength != 0 && m_streamLength < m_frames.size())
        m_frames.resize(m_streamLength);
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    if (m_encoding == Encoding::Rle8) {
        QString error;
        for (std::size_t i = 0; i < m_frames.size(); ++i) {
            const Frame &f = m_frames[i];
            if (!walkRle8(bytes + f.offset, f.size, m_width, m_height, nullptr, &error))
                return fail(QStringLiteral("frame %1: %2").arg(i).arg(error));
        }
        return true;
    }
    int bits = 8;
    if (m_encoding == Encoding::Rgb16)
        bits = 16;
    else if (m_encoding == Encoding::Rgb24)
        bits = 24;
    else if (m_encoding == Encoding::Rgb32)
        bits = 32;
    const qint64 needed = (qint64(m_width) * bits + 31) / 32 * 4 * m_height;
    for (std::size_t i = 0; i < m_frames.size(); ++i) {
        Frame &f = m_frames[i];
        // An empty chunk repeats the frame before it.
        if (f.size == 0) {
            if (i > 0)
                f = m_frames[i - 1];
            continue;
        }
        if (f.size < needed)
            return fail(QStringLiteral("frame %1 holds %2 bytes, %3 needed")
                            .arg(i)
                            .arg(f.size)
                            .arg(needed));
    }
    return true;
}

bool AviReader::decodeFrame(int index, std::span<quint32> pixels)
{
    if (index < 0 || index >= frameCount())
        return false;
    if (pixels.size() < std::size_t(m_width) * std::size_t(m_height))
        return false;
    if (m_encoding != Encoding::Rle8) {
        convertUncompressed(m_frames[std::size_t(index)], pixels);
        return true;
    }
    try {
        if (m_canvasFrame < 0 || index < m_canvasFrame) {
            m_canvas.assign(std::size_t(m_width) * std::size_t(m_height), 0);
            m_canvasFrame = -1;
        }
    } catch (const std::bad_alloc &) {
        return false;
    }
    while (m_canvasFrame < index)
        applyRle8(m_frames[std::size_t(++m_canvasFrame)]);
    convertCanvas(pixels);
    return true;
}

void AviReader::applyRle8(const Frame &frame)
{
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData());
    walkRle8(bytes + frame.offset, frame.size, m_width, m_height, m_canvas.data(), nullptr);
}

void AviReader::convertCanvas(std::span<quint32> pixels) const
{
    for (int row = 0; row < m_height; ++row) {
        const int fileRow = m_topDown ? row : m_height - 1 - row;
        const std::uint8_t *src = m_canvas.data() + std::size_t(fileRow) * std::size_t(m_width);
        quint32 *dst = pixels.data() + std::size_t(row) * std::size_t(m_width);
        for (int x = 0; x < m_width; ++x)
            dst[x] = m_palette[src[x]];
    }
}

void AviReader::convertUncompressed(const Frame &frame, std::span<quint32> pixels) const
{
    const std::size_t count = std::size_t(m_width) * std::size_t(m_height);
    if (frame.size == 0) {
        std::fill_n(pixels.begin(), count, 0xFF000000u);
        return;
    }
    const int bits = m_encoding == Encoding::Palette8 ? 8
                     : m_encoding == Encoding::Rgb16  ? 16
                     : m_encoding == Encoding::Rgb24  ? 24
                                                      : 32;
    const std::size_t stride = (std::size_t(m_width) * bits + 31) / 32 * 4;
    const MaskField fields[3] = {maskField(m_masks[0]), maskField(m_masks[1]),
                                 maskField(m_masks[2])};
    const bool plain32 = m_masks[0] == 0xFF0000 && m_masks[1] == 0xFF00 && m_masks[2] == 0xFF;
    const auto *bytes = reinterpret_cast<const uchar *>(m_data.constData()) + frame.offset;
    for (int row = 0; row < m_height; ++row) {
        const int fileRow = m_topDown ? row : m_height - 1 - row;
        const uchar *src = bytes + std::size_t(fileRow) * stride;
        quint32 *dst = pixels.data() + std::size_t(row) * std::size_t(m_width);
        switch (m_encoding) {
        case Encoding::Palette8:
            for (int x = 0; x < m_width; ++x)
                dst[x] = m_palette[src[x]];
            break;
        case Encoding::Rgb24:
            for (int x = 0; x < m_width; ++x) {
                const uchar *q = src + 3 * x;
                dst[x] = 0xFF000000u | quint32(q[2]) << 16 | quint32(q[1]) << 8 | q[0];
            }
            break;
        case Encoding::Rgb16:
        case Encoding::Rgb32:
            for (int x = 0; x < m_width; ++x) {
                const quint32 v = bits == 16 ? u16(src + 2 * x) : u32(src + 4 * x);
                if (plain32) {
                    dst[x] = 0xFF000000u | (v & 0xFFFFFF);
                    continue;
                }
                dst[x] = 0xFF000000u | quint32(expandField(v, fields[0])) << 16 |
                         quint32(expandField(v, fields[1])) << 8 |
                         quint32(expandField(v, fields[2]));
            }
            break;
        case Encoding::Rle8:
            break;
        }
    }
}
