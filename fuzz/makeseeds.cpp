// Writes small clips of every layout the reader knows into the folder given, as the fuzzer's
// starting corpus beside the caller's two clips.

#include "aviwriter.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <vector>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeseeds FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "makeseeds: cannot make %s\n", argv[1]);
        return 1;
    }
    const std::vector<quint32> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const std::vector<std::uint8_t> a = {1, 2, 3, 0, 1, 1, 1, 2, 2, 3,
                                         3, 3, 0, 0, 0, 1, 2, 3, 1, 2};
    const std::vector<std::uint8_t> b = {1, 2, 3, 0, 1, 0, 1, 2, 2, 3,
                                         3, 3, 0, 0, 3, 1, 2, 3, 3, 3};
    std::vector<quint32> rgb;
    for (const std::uint8_t i : a)
        rgb.push_back(palette[i]);

    using Format = AviWriter::Format;
    using Index = AviWriter::Index;
    struct Seed
    {
        const char *name;
        Format format;
        bool topDown;
        Index index;
        bool records;
    };
    const Seed seeds[] = {
        {"palette8.avi", Format::Palette8, false, Index::Relative, false},
        {"palette8-topdown-absolute.avi", Format::Palette8, true, Index::Absolute, false},
        {"rgb555-walked.avi", Format::Rgb555, false, Index::None, false},
        {"rgb565-records.avi", Format::Rgb565, false, Index::Relative, true},
        {"rgb24-records-walked.avi", Format::Rgb24, true, Index::None, true},
        {"rgb32.avi", Format::Rgb32, false, Index::Relative, false},
        {"rle8.avi", Format::Rle8, false, Index::Relative, false},
        {"rle8-topdown-walked.avi", Format::Rle8, true, Index::None, true},
    };
    for (const Seed &seed : seeds) {
        AviWriter writer(5, 4, seed.format);
        writer.setPalette(palette);
        writer.setTopDown(seed.topDown);
        writer.setIndex(seed.index);
        writer.setRecordLists(seed.records);
        if (seed.format == Format::Rle8) {
            writer.addFrame(encodeRle8(a, {}, 5, 4, seed.topDown));
            writer.addFrame(encodeRle8(b, a, 5, 4, seed.topDown));
            writer.addFrame(QByteArray());
        } else if (seed.format == Format::Palette8) {
            writer.addFrame(packIndexed(a, 5, 4, seed.topDown));
            writer.addFrame(QByteArray());
        } else {
            writer.addFrame(packRgb(rgb, 5, 4, seed.format, seed.topDown));
        }
        QFile file(folder.filePath(QLatin1String(seed.name)));
        const QByteArray data = writer.data();
        if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
            std::fprintf(stderr, "makeseeds: %s: %s\n", seed.name, qPrintable(file.errorString()));
            return 1;
        }
    }
    return 0;
}
