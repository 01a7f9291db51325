// Spins the caller's dialog for a few seconds and reports the CPU time it used per second of
// spinning and the mean and worst interval between ticks of each spin timer.
//
// usage: bench_spin [seconds]   (offscreen unless QT_QPA_PLATFORM says otherwise)

#include "benchsupport.h"
#include "cputime.h"
#include "quietcaller.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 5;

    QuietCaller caller;
    CCallerDlg &dialog = caller.dialog;

    QElapsedTimer clock;
    std::map<int, std::vector<qint64>> ticks;
    for (int id : {2, 3, 4}) {
        auto *timer = dialog.findChild<QTimer *>(QStringLiteral("timer%1").arg(id));
        QObject::connect(timer, &QTimer::timeout, &dialog,
                         [&ticks, &clock, id] { ticks[id].push_back(clock.nsecsElapsed()); });
    }

    QTimer::singleShot(200, &dialog, [&] {
        clock.start();
        const double cpuBefore = cpuSeconds();
        caller.start->click();
        QTimer::singleShot(int(seconds * 1000), &dialog, [&, cpuBefore] {
            const double wall = clock.nsecsElapsed() / 1e9;
            const double cpu = cpuSeconds() - cpuBefore;
            std::printf("spun %.2f s on %s: CPU %.1f ms per second of spinning (%.1f%%)\n", wall,
                        qPrintable(QGuiApplication::platformName()), cpu * 1000 / wall,
                        cpu * 100 / wall);
            for (const auto &[id, times] : ticks) {
                qint64 worst = 0, total = 0;
                for (std::size_t i = 1; i < times.size(); ++i) {
                    total += times[i] - times[i - 1];
                    worst = std::max(worst, times[i] - times[i - 1]);
                }
                const auto gaps = static_cast<double>(std::max<std::size_t>(1, times.size() - 1));
                std::printf("timer %d: %zu ticks, mean interval %.2f ms, worst %.2f ms\n", id,
                            times.size(), total / gaps / 1e6, worst / 1e6);
            }
            dialog.reject();
        });
    });
    dialog.exec();
    return 0;
}
