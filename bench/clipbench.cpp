// How fast clips decode, and how much CPU the clip control takes while it plays the countdown.
// Run: bench_clip [seconds-of-play]

#include "avireader.h"
#include "aviwriter.h"
#include "clipwidget.h"
#include "cputime.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// 100 frames of 320 by 240: a ball bouncing over slowly scrolling bands, coded as RLE8 updates.
QByteArray bouncingClip()
{
    constexpr int w = 320;
    constexpr int h = 240;
    AviWriter writer(w, h, AviWriter::Format::Rle8);
    std::vector<quint32> palette;
    for (int i = 0; i < 16; ++i)
        palette.push_back(quint32(i * 16) << 16 | quint32(255 - i * 16) << 8 | 0x80);
    writer.setPalette(palette);
    std::vector<std::uint8_t> previous;
    for (int f = 0; f < 100; ++f) {
        std::vector<std::uint8_t> pixels(std::size_t(w) * h);
        const double bx = 40 + 240 * std::abs(std::sin(f * 0.07));
        const double by = 40 + 160 * std::abs(std::cos(f * 0.11));
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool ball = std::hypot(x - bx, y - by) < 30;
                pixels[std::size_t(y) * w + std::size_t(x)] =
                    ball ? 15 : std::uint8_t(((y + f / 4) / 20) % 8);
            }
        }
        writer.addFrame(encodeRle8(pixels, previous, w, h, false));
        previous = pixels;
    }
    return writer.data();
}

void decodeRate(const char *name, AviReader &reader, qint64 bytes)
{
    std::vector<quint32> pixels(std::size_t(reader.frameSize().width()) *
                                std::size_t(reader.frameSize().height()));
    QElapsedTimer clock;
    clock.start();
    qint64 frames = 0;
    while (clock.elapsed() < 2000) {
        for (int f = 0; f < reader.frameCount(); ++f, ++frames)
            reader.decodeFrame(f, pixels);
    }
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    std::printf("%-34s %4dx%-4d %3d frames %7lld bytes: %9.0f frames/s decoded in order\n", name,
                reader.frameSize().width(), reader.frameSize().height(), reader.frameCount(),
                static_cast<long long>(bytes), double(frames) / seconds);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int playSeconds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;

    AviReader reader;
    const QByteArray bouncing = bouncingClip();
    if (!reader.openData(bouncing)) {
        std::fprintf(stderr, "bench_clip: %s\n", qPrintable(reader.errorString()));
        return 1;
    }
    decodeRate("RLE8 320x240 bouncing ball", reader, bouncing.size());
    const QString countdown = QStringLiteral(KIT_PROGRAM_DIR "/wave/count16.AVI");
    const QString still = QStringLiteral(KIT_PROGRAM_DIR "/COUNT16.AVI");
    for (const QString &path : {countdown, still}) {
        if (!reader.openFile(path)) {
            std::fprintf(stderr, "bench_clip: %s\n", qPrintable(reader.errorString()));
            return 1;
        }
        decodeRate(qPrintable(path.section(QLatin1Char('/'), -2)), reader, QFileInfo(path).size());
    }

    ClipWidget widget;
    widget.resize(91, 69);
    widget.show();
    if (!widget.open(countdown)) {
        std::fprintf(stderr, "bench_clip: %s\n", qPrintable(widget.errorString()));
        return 1;
    }
    int shown = 0;
    QObject::connect(&widget, &ClipWidget::frameChanged, [&shown] { ++shown; });
    QTimer::singleShot(playSeconds * 1000, Qt::PreciseTimer, &app, &QApplication::quit);
    QElapsedTimer clock;
    const double cpuBefore = cpuSeconds();
    clock.start();
    widget.play(-1, 0, 0xFFFF);
    app.exec();
    const double wall = double(clock.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("playing count16.AVI offscreen for %.1f s: %d frames shown (%.1f a second), "
                "CPU %.4f s = %.2f ms per second (%.2f%% of one core)\n",
                wall, shown, shown / wall, cpu, 1000 * cpu / wall, 100 * cpu / wall);
    return 0;
}
