// The audience screen's cost: CPU per second of spinning with the screen closed and with it
// full screen, the time of one repaint of a board mid-game, and how long after the dialog's
// called slot shows a number the audience screen has painted it.
//
// usage: bench_audience [seconds]   (offscreen unless QT_QPA_PLATFORM says otherwise; under
// Xvfb with -screen 0 1920x1080x24 and QT_QPA_PLATFORM=xcb the screen fills 1920 x 1080)

#include "audiencescreen.h"
#include "ccallerdlg.h"
#include "cputime.h"
#include "desktopservices.h"
#include "displayframe.h"
#include "fontsubstitutions.h"
#include "soundoutput.h"

#include <QApplication>
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

class NoSleep final : public Sleeper
{
public:
    void sleep(int) override {}
};

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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFontSubstitutions();
    const double seconds = argc > 1 ? std::max(1.0, QString::fromLocal8Bit(argv[1]).toDouble()) : 5;

    DesktopServices desktop;
    SilentSoundOutput sound;
    NoSleep sleeper;
    CallerServices services = desktop.services();
    services.sound = &sound;
    services.sleeper = &sleeper;
    CCallerDlg dialog(services);
    dialog.show();
    auto *start = dialog.findChild<QPushButton *>(QStringLiteral("IDC_START"));
    auto *stop = dialog.findChild<QPushButton *>(QStringLiteral("IDC_STOP"));
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
    std::sort(repaints.begin(), repaints.end());
    std::printf("board repaint: median %.2f ms, worst %.2f ms (%zu repaints)\n",
                repaints[repaints.size() / 2], repaints.back(), repaints.size());

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
    std::sort(delays.begin(), delays.end());
    std::printf("reveal reaches the screen: median %.2f ms, worst %.2f ms after the called slot "
                "(%zu reveals)\n",
                delays[delays.size() / 2], delays.back(), delays.size());
    dialog.done(QDialog::Rejected);
    return 0;
}
