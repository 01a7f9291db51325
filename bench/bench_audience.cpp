// The audience screen's cost: CPU per second of spinning with the screen closed and with it
// full screen, the time of one repaint of a board mid-game, and how long after the dialog's
// called slot shows a number the audience screen has painted it.
//
// usage: bench_audience [seconds]   (offscreen unless QT_QPA_PLATFORM says otherwise; under
// Xvfb with -screen 0 1920x1080x24 and QT_QPA_PLATFORM=xcb the screen fills 1920 x 1080)

#include "audiencescreen.h"
#include "benchsupport.h"
#include "ccallerdlg.h"
#include "cputime.h"
#include "displayframe.h"
#include "quietcaller.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Keeps the time each paint event of a widget began.
class PaintClock final : public QObject
{
public:
    explicit PaintClock(const QElapsedTimer &clock)
        : m_clock(clock)
    {}
    qint64 last = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            last = m_clock.nsecsElapsed();
        return false;
    }

private:
    const QElapsedTimer &m_clock;
};

// Runs the event loop for a while without polling, so the wait itself costs no CPU.
void waitFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

double spinCpuPercent(QPushButton *start, QPushButton *stop, double seconds)
{
    QElapsedTimer wall;
    wall.start();
    const double before = cpuSeconds();
    start->click();
    waitFor(int(seconds * 1000));
    const double cpu = cpuSeconds() - before;
    const double elapsed = wall.nsecsElapsed() / 1e9;
    stop->click();
    return cpu * 100 / elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 5;

    QuietCaller caller;
    CCallerDlg &dialog = caller.dialog;
    QPushButton *start = caller.start;
    QPushButton *stop = caller.stop;
    dialog.findChild<QComboBox *>(QStringLiteral("IDC_TOP_NUMBER"))->setEditText("75");
    waitFor(300);

    const double closed = spinCpuPercent(start, stop, seconds);

    dialog.ToggleAudienceScreen();
    auto *screen = dialog.findChild<AudienceScreen *>();
    // Without a window manager nothing else gives a full-screen window the screen's size.
    screen->setGeometry(screen->screen()->geometry());
    screen->showFullScreen();
    waitFor(500);
    const double open = spinCpuPercent(start, stop, seconds);
    std::printf("on %s, audience screen %dx%d\n", qPrintable(QGuiApplication::platformName()),
                screen->width(), screen->height());
    std::printf("spinning: CPU %.1f%% of one core with the screen closed, %.1f%% with it open\n",
                closed, open);

    // 37 numbers of 0..75 drawn so far.
    for (int k = 0; k < 35; ++k) {
        start->click();
        stop->click();
    }
    waitFor(200);
    std::vector<double> repaints;
    QElapsedTimer clock;
    for (int k = 0; k < 200; ++k) {
        clock.start();
        screen->repaint();
        repaints.push_back(clock.nsecsElapsed() / 1e6);
    }
    const Stats repaint = statsOf(repaints);
    std::printf("board repaint: median %.2f ms, worst %.2f ms (%zu repaints)\n", repaint.median,
                repaint.worst, repaints.size());

    // From the last paint of the dialog's displays in a Stop (the called slot) to the moment
    // the audience screen has painted the number.
    clock.start();
    PaintClock frameClock(clock);
    dialog.findChild<DisplayFrame *>()->installEventFilter(&frameClock);
    std::vector<double> delays;
    QObject::connect(&dialog.game(), &CallerGame::numberRevealed, &dialog,
                     [&] { delays.push_back((clock.nsecsElapsed() - frameClock.last) / 1e6); });
    for (int k = 0; k < 30; ++k) {
        start->click();
        waitFor(20);
        stop->click();
        waitFor(20);
    }
    const Stats delay = statsOf(delays);
    std::printf("reveal reaches the screen: median %.2f ms, worst %.2f ms after the called slot "
                "(%zu reveals)\n",
                delay.median, delay.worst, delays.size());
    dialog.done(QDialog::Rejected);
    return 0;
}
