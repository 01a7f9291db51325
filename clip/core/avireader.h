#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>

#include <cstdint>
#include <span>
#include <vector>

// Reads the clips the countdown control plays: RIFF AVI with one silent video stream of
// uncompressed DIB frames (8-bit with palette, 16-bit 555 or bit fields, 24 and 32-bit) or of
// RLE8-compressed frames. open() checks the whole structure once, including every RLE8 frame,
// so that a file it accepts decodes without surprises; frames are then decoded on demand into
// one canvas, which keeps memory at one frame whatever the clip's length. Nothing here throws
// and nothing reads outside the file's bytes.
class AviReader
{
public:
    enum class Encoding { Palette8, Rgb16, Rgb24, Rgb32, Rle8 };

    // Limits that bound what any file can make the reader hold.
    static constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
    static constexpr int MaxFrameSide = 4096;
    static constexpr qint64 MaxFramePixels = 2048 * 2048;
    static constexpr int MaxFrames = 0xFFFF;

    // Reads and checks the whole file; on failure the reader holds no clip and errorString()
    // says why.
    bool openFile(const QString &path);
    bool openData(const QByteArray &data);
    void close();

    bool isOpen() const { return !m_frames.empty(); }
    QString errorString() const { return m_error; }

    int frameCount() const { return int(m_frames.size()); }
    QSize frameSize() const { return QSize(m_width, m_height); }
    Encoding encoding() const { return m_encoding; }
    bool isTopDown() const { return m_topDown; }
    // The stream's rate as a fraction: rate / scale frames per second.
    quint32 rate() const { return m_rate; }
    quint32 scale() const { return m_scale; }
    qint64 frameMicroseconds() const { return m_frameMicroseconds; }

    // Writes frame `index` as 0xffRRGGBB values, rows from the top, width * height of them.
    // RLE8 frames are updates over the frame before them, so a frame after the last one decoded
    // costs only the frames between, and going back replays from the first. Returns false only
    // without a clip, for an index out of range or for a span too short.
    bool decodeFrame(int index, std::span<quint32> pixels);

private:
    struct Frame
    {
        quint32 offset = 0; // of the frame's bytes within m_data
        quint32 size = 0;
    };

    bool fail(const QString &reason);
    // Visits each chunk of the list [begin, end) in order. Fails the read at a chunk that runs
    // past the list; returns false as soon as visit does (visit has failed the read then).
    template <typename Visit> bool forEachChunk(qsizetype begin, qsizetype end, Visit visit);
    bool parse();
    bool parseHeaderList(qsizetype begin, qsizetype end);
    bool parseStreamList(qsizetype begin, qsizetype end);
    bool parseFormat(qsizetype begin, qsizetype size);
    bool readIndex(qsizetype begin, qsizetype size, qsizetype moviBegin, qsizetype moviEnd);
    bool walkMovie(qsizetype begin, qsizetype end, int depth);
    bool addFrame(qsizetype offset, qsizetype size);
    bool checkFrames();
    void applyRle8(const Frame &frame);
    void convertCanvas(std::span<quint32> pixels) const;
    void convertUncompressed(const Frame &frame, std::span<quint32> pixels) const;

    QByteArray m_data;
    QString m_error;
    std::vector<Frame> m_frames;
    Encoding m_encoding = Encoding::Palette8;
    int m_width = 0;
    int m_height = 0;
    bool m_topDown = false;
    quint32 m_rate = 0;
    quint32 m_scale = 0;
    qint64 m_frameMicroseconds = 0;
    quint32 m_mainMicroseconds = 0;
    quint32 m_streamLength = 0;
    int m_streams = 0;
    bool m_haveFormat = false;
    quint32 m_palette[256] = {};
    quint32 m_masks[3] = {};

    // RLE8 state: palette indices of the last frame applied.
    std::vector<std::uint8_t> m_canvas;
    int m_canvasFrame = -1;
};
