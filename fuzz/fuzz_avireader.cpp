// Feeds arbitrary bytes to the clip reader: every input must be refused with a reason or give
// frames that decode alike forwards and back, without reading outside the input.

#include "avireader.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    AviReader reader;
    // Raw data keeps the input's own buffer, so that the sanitizer sees any read past its end.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!reader.openData(bytes)) {
        if (reader.errorString().isEmpty() || reader.isOpen())
            std::abort();
        return 0;
    }
    const std::size_t area =
        std::size_t(reader.frameSize().width()) * std::size_t(reader.frameSize().height());
    if (reader.frameCount() <= 0 || area == 0 || area > std::size_t(AviReader::MaxFramePixels))
        std::abort();
    std::vector<quint32> first(area);
    std::vector<quint32> pixels(area);
    if (!reader.decodeFrame(0, first))
        std::abort();
    // Enough frames to cover the updates of RLE8 clips without letting huge empty frames make
    // every run slow.
    const std::size_t budget = 8 * 1024 * 1024;
    std::size_t decoded = 0;
    for (int f = 0; f < reader.frameCount() && decoded < budget; ++f, decoded += area) {
        if (!reader.decodeFrame(f, pixels))
            std::abort();
    }
    // Going back replays the updates from the start and must give the same first frame.
    if (!reader.decodeFrame(reader.frameCount() - 1, pixels) || !reader.decodeFrame(0, pixels) ||
        pixels != first)
        std::abort();
    if (reader.decodeFrame(reader.frameCount(), pixels))
        std::abort();
    return 0;
}
