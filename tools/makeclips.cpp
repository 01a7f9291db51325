// Draws the caller's two clips and writes them into the program folder given as the only
// argument: "COUNT16.AVI", the still shown after start-up (uncompressed 24-bit), and
// "wave/count16.AVI", the countdown played while a draw spins (RLE8 with delta frames).

#include "aviwriter.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <utility>
#include <vector>

namespace {

// Both clips fit the control's 52 by 46 dialog-unit area (91 by 69 pixels) inside its edge.
constexpr int Width = 88;
constexpr int Height = 64;
constexpr double CentreX = Width / 2.0;
constexpr double CentreY = Height / 2.0;

enum Colour : std::uint8_t { Background, Track, Sweep, Digit, Outline };
const std::vector<quint32> countdownPalette = {0xF0F0F0, 0xC8D0E0, 0x0000FF, 0xE00000, 0x404040};

constexpr int FramesPerDigit = 15;
constexpr int FirstDigit = 5;

struct Point
{
    double x;
    double y;
};

double distanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    double t = length2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// Seven-segment strokes with round ends: a b c d e f g as on a display.
std::vector<std::pair<Point, Point>> digitStrokes(int digit)
{
    const double x0 = CentreX - 8;
    const double x1 = CentreX + 8;
    const double y0 = CentreY - 14;
    const double ym = CentreY;
    const double y1 = CentreY + 14;
    const std::array<std::pair<Point, Point>, 7> segments = {{
        {{x0, y0}, {x1, y0}}, // a
        {{x1, y0}, {x1, ym}}, // b
        {{x1, ym}, {x1, y1}}, // c
        {{x0, y1}, {x1, y1}}, // d
        {{x0, ym}, {x0, y1}}, // e
        {{x0, y0}, {x0, ym}}, // f
        {{x0, ym}, {x1, ym}}, // g
    }};
    // A one stands in the middle rather than on the right-hand segments.
    if (digit == 1)
        return {{{CentreX, y0}, {CentreX, y1}}, {{CentreX - 5, y0 + 4}, {CentreX, y0}}};
    const std::array<const char *, 6> lit = {"", "", "abged", "abgcd", "fgbc", "afgcd"};
    std::vector<std::pair<Point, Point>> strokes;
    for (const char *s = lit[std::size_t(digit)]; *s; ++s)
        strokes.push_back(segments[std::size_t(*s - 'a')]);
    return strokes;
}

// One countdown frame: the digit inside a ring that fills clockwise from twelve o'clock over
// the second the digit stands.
std::vector<std::uint8_t> countdownFrame(int frame)
{
    const int digit = FirstDigit - frame / FramesPerDigit;
    const double swept = 2 * std::numbers::pi * (frame % FramesPerDigit + 1) / FramesPerDigit;
    const auto strokes = digitStrokes(digit);
    std::vector<std::uint8_t> pixels(std::size_t(Width) * Height, Background);
    for (int y = 0; y < Height; ++y) {
        for (int x = 0; x < Width; ++x) {
            const Point p{x + 0.5, y + 0.5};
            const double dx = p.x - CentreX;
            const double dy = p.y - CentreY;
            const double r = std::hypot(dx, dy);
            std::uint8_t &out = pixels[std::size_t(y) * Width + std::size_t(x)];
            if (r >= 24.5 && r <= 30.5) {
                double angle = std::atan2(dx, -dy);
                if (angle < 0)
                    angle += 2 * std::numbers::pi;
                out = (r < 25.5 || r > 29.5) ? Outline : angle < swept ? Sweep : Track;
                continue;
            }
            for (const auto &[a, b] : strokes) {
                if (distanceToSegment(p, a, b) <= 2.6) {
                    out = Digit;
                    break;
                }
            }
        }
    }
    return pixels;
}

// Five shaded balls bouncing along with the letters B I N G O on white discs.
std::vector<quint32> stillFrame()
{
    constexpr std::array<quint32, 5> ballColours = {0x1E50DC, 0xDC2828, 0x20A040, 0xF08C14,
                                                    0x8C3CB4};
    static const char *glyphs[5][7] = {
        {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."},
        {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."},
        {"#...#", "##..#", "##..#", "#.#.#", "#..##", "#..##", "#...#"},
        {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"},
        {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."},
    };
    constexpr double radius = 8.4;
    std::vector<quint32> rgb(std::size_t(Width) * Height, 0xF0F0F0);
    for (int ball = 0; ball < 5; ++ball) {
        const double cx = CentreX + (ball - 2) * 17.5;
        const double cy = CentreY + (ball % 2 ? 8 : -8); // bouncing along
        const int left = int(std::lround(cx)) - 2;
        const int top = int(cy) - 3;
        for (int y = 0; y < Height; ++y) {
            for (int x = 0; x < Width; ++x) {
                const double dx = x + 0.5 - cx;
                const double dy = y + 0.5 - cy;
                const double r = std::hypot(dx, dy);
                if (r > radius)
                    continue;
                quint32 &out = rgb[std::size_t(y) * Width + std::size_t(x)];
                const int gx = x - left;
                const int gy = y - top;
                if (gx >= 0 && gx < 5 && gy >= 0 && gy < 7 && glyphs[ball][gy][gx] == '#') {
                    out = ballColours[std::size_t(ball)];
                    continue;
                }
                if (r <= 5.6) {
                    out = 0xFFFFFF;
                    continue;
                }
                // Light from the upper left.
                const double light =
                    std::clamp(1.15 - 0.045 * std::hypot(dx + 4, dy + 4), 0.55, 1.0);
                const quint32 c = ballColours[std::size_t(ball)];
                auto shade = [light](quint32 v) { return quint32(std::lround(v * light)) & 0xFF; };
                out = shade(c >> 16 & 0xFF) << 16 | shade(c >> 8 & 0xFF) << 8 | shade(c & 0xFF);
            }
        }
    }
    return rgb;
}

bool save(const QString &path, const QByteArray &data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        std::fprintf(stderr, "makeclips: %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeclips PROGRAM-FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("wave"))) {
        std::fprintf(stderr, "makeclips: cannot make %s/wave\n", argv[1]);
        return 1;
    }

    AviWriter still(Width, Height, AviWriter::Format::Rgb24);
    still.addFrame(packRgb(stillFrame(), Width, Height, AviWriter::Format::Rgb24, false));

    AviWriter countdown(Width, Height, AviWriter::Format::Rle8);
    countdown.setPalette(countdownPalette);
    std::vector<std::uint8_t> previous;
    for (int frame = 0; frame < FirstDigit * FramesPerDigit; ++frame) {
        const auto pixels = countdownFrame(frame);
        countdown.addFrame(encodeRle8(pixels, previous, Width, Height, false));
        previous = pixels;
    }

    const bool ok = save(folder.filePath(QStringLiteral("COUNT16.AVI")), still.data()) &&
                    save(folder.filePath(QStringLiteral("wave/count16.AVI")), countdown.data());
    return ok ? 0 : 1;
}
