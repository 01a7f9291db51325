// Writes the caller's four sound cues as 16-bit mono PCM wave files: soft bell tones, each a
// sum of decaying partials, so nothing recorded goes into them.
//
// usage: makewaves <folder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Peak = 0.6; // of full scale, leaving room on any mixer

struct Note
{
    double startSeconds;
    double frequency;
    double decaySeconds;
};

// A bell-like note: a fundamental and two quieter, faster-fading partials, with a 5 ms attack
// so the note starts without a click.
double bell(const Note &note, double t)
{
    const double local = t - note.startSeconds;
    if (local < 0)
        return 0;
    const double attack = std::min(1.0, local / 0.005);
    const double w = 2 * std::numbers::pi * note.frequency * local;
    const double tone = std::sin(w) * std::exp(-local / note.decaySeconds) +
                        0.35 * std::sin(2 * w) * std::exp(-2 * local / note.decaySeconds) +
                        0.12 * std::sin(3 * w) * std::exp(-3 * local / note.decaySeconds);
    return attack * tone;
}

std::vector<std::int16_t> render(const std::vector<Note> &notes, double seconds)
{
    const auto count = static_cast<std::size_t>(seconds * SampleRate);
    std::vector<double> mix(count);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        for (const Note &note : notes)
            mix[i] += bell(note, t);
    }
    // The last 30 ms fade to silence, so the cue ends without a click.
    const auto fade = static_cast<std::size_t>(0.03 * SampleRate);
    for (std::size_t i = 0; i < fade && i < count; ++i)
        mix[count - 1 - i] *= static_cast<double>(i) / fade;

    double loudest = 0;
    for (double v : mix)
        loudest = std::max(loudest, std::abs(v));
    const double scale = loudest > 0 ? Peak * 32767 / loudest : 0;
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::int16_t>(std::lround(mix[i] * scale));
    return samples;
}

void putLe(std::string &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

bool writeWave(const std::string &path, const std::vector<std::int16_t> &samples)
{
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string out = "RIFF";
    putLe(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, 1, 2); // mono
    putLe(out, SampleRate, 4);
    putLe(out, SampleRate * 2, 4);
    putLe(out, 2, 2);
    putLe(out, 16, 2);
    out += "data";
    putLe(out, dataBytes, 4);
    for (std::int16_t s : samples)
        putLe(out, static_cast<std::uint16_t>(s), 2);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    return static_cast<bool>(file);
}

constexpr double C5 = 523.25, E5 = 659.26, G5 = 783.99, A5 = 880.00, C6 = 1046.50, D6 = 1174.66,
                 E6 = 1318.51;

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: makewaves <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    struct Cue
    {
        const char *name;
        std::vector<Note> notes;
        double seconds;
    };
    const Cue cues[] = {
        // Opening: a rising major arpeggio.
        {"file.wav", {{0.0, C5, 0.4}, {0.12, E5, 0.4}, {0.24, G5, 0.4}, {0.36, C6, 0.5}}, 1.2},
        // Start: two quick rising notes.
        {"start.wav", {{0.0, G5, 0.18}, {0.09, D6, 0.25}}, 0.55},
        // Stop: one bright ding, short enough to be heard whole within the reveal's pauses.
        {"stop.wav", {{0.0, E6, 0.07}, {0.0, A5, 0.09}}, 0.28},
        // Clear: a falling arpeggio.
        {"clear.wav", {{0.0, G5, 0.25}, {0.1, E5, 0.25}, {0.2, C5, 0.35}}, 0.8},
    };
    for (const Cue &cue : cues) {
        const std::string path = folder + "/" + cue.name;
        if (!writeWave(path, render(cue.notes, cue.seconds))) {
            std::fprintf(stderr, "makewaves: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
