#pragma once

#include "fontsubstitutions.h"

#include <QApplication>

#include <algorithm>
#include <vector>

// The application a benchmark runs in: offscreen unless QT_QPA_PLATFORM names a platform, with
// the font substitutions the programs install, so that text is laid out as in the programs.
class BenchApplication : public QApplication
{
public:
    BenchApplication(int &argc, char **argv)
        : QApplication(offscreenByDefault(argc), argv)
    {
        registerFontSubstitutions();
    }

private:
    static int &offscreenByDefault(int &argc)
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        return argc;
    }
};

// The spread of a set of timings, in their unit.
struct Stats
{
    double best = 0;
    double mean = 0;
    double median = 0;
    double worst = 0;
};

inline Stats statsOf(std::vector<double> times)
{
    Stats stats;
    if (times.empty())
        return stats;
    std::sort(times.begin(), times.end());
    for (const double value : times)
        stats.mean += value / static_cast<double>(times.size());
    stats.best = times.front();
    stats.median = times[times.size() / 2];
    stats.worst = times.back();
    return stats;
}
