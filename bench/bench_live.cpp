// The live page under load: how soon a reveal reaches 500 phones after the audience screen
// painted it, whether Stop still reveals its number in 700 ms, the CPU the caller uses between
// draws with the phones connected and the memory serving them adds. The phones are the
// WebSockets of bench/live_load.py, all on the loopback. With "sheets", every phone asks for a
// sheet at the same moment and follows it: how long handing them out takes, whether any phone
// or sheet came twice, whether each phone's verdict is its own sheet's, and what counting the
// room's reach and bingo costs.
//
// usage: bench_live [clients] [draws] [port] [sheets]   (release build; Debian's
// python3-websockets; port 0, the default, takes any free one)

#include "audiencescreen.h"
#include "benchsupport.h"
#include "ccallerdlg.h"
#include "cputime.h"
#include "hallcount.h"
#include "liveserving.h"
#include "quietcaller.h"
#include "sheetverdict.h"

#include <QComboBox>
#include <QDirIterator>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <limits>
#include <map>
#include <set>
#include <vector>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Keeps the time each paint event of a widget began.
class PaintClock final : public QObject
{
public:
    qint64 last = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            last = monotonicNs();
        return false;
    }
};

void waitFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const int clients = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 500;
    const int draws = argc > 2 ? std::clamp(QString::fromLocal8Bit(argv[2]).toInt(), 1, 60) : 10;
    const auto port = quint16(argc > 3 ? QString::fromLocal8Bit(argv[3]).toUShort() : 0);
    const bool sheets = argc > 4 && QByteArrayView(argv[4]) == "sheets";
    const QString loadTool = QStringLiteral(KIT_SOURCE_DIR "/bench/live_load.py");

    // The real pauses of a reveal, without sound.
    QuietCaller caller(QuietCaller::Pauses::Real);
    CCallerDlg &dialog = caller.dialog;
    QPushButton *start = caller.start;
    QPushButton *stop = caller.stop;
    dialog.findChild<QComboBox *>(QStringLiteral("IDC_TOP_NUMBER"))->setEditText("75");
    dialog.ToggleAudienceScreen();
    auto *screen = dialog.findChild<AudienceScreen *>();
    PaintClock screenClock;
    screen->installEventFilter(&screenClock);
    // The audience screen repaints inside the reveal's signal, before this runs.
    std::map<int, qint64> paintedAt; // numbers called -> when the screen showed the last
    QObject::connect(&dialog.game(), &CallerGame::numberRevealed, &dialog,
                     [&](int index, int) { paintedAt[index + 1] = screenClock.last; });
    // When the screen's paint of each number was done and on its way to the display: its first
    // paint with that many called (the next spin paints later).
    std::map<int, qint64> paintDoneAt;
    QObject::connect(screen, &AudienceScreen::boardPainted, &dialog,
                     [&] { paintDoneAt.try_emplace(dialog.game().drawCount(), monotonicNs()); });
    waitFor(500);

    const auto drawOnce = [&] {
        start->click();
        waitFor(1000);
        const qint64 before = monotonicNs();
        stop->click();
        const double ms = (paintedAt.rbegin()->second - before) / 1e6;
        waitFor(1500);
        return ms;
    };
    std::vector<double> alone;
    for (int k = 0; k < 5; ++k)
        alone.push_back(drawOnce());

    long kbBefore = residentKb();
    LiveService &live = dialog.live().service();
    // Handed out past the first Start, as many as there are phones.
    dialog.live().setPhoneSheetPolicy(
        {.total = clients, .perAddress = 1, .handOut = PhoneSheetPolicy::HandOut::Open});
    if (const auto failure = live.start(port)) {
        std::fprintf(stderr, "cannot serve: %s\n", qPrintable(failure->reason));
        return 1;
    }
    std::printf("serving on port %d\n", live.port());
    std::fflush(stdout);
    QTemporaryDir work;
    const QString records = work.filePath(QStringLiteral("records.txt"));
    QProcess load;
    load.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QStringList loadArguments{QString::number(live.port()), QString::number(clients), records};
    if (sheets)
        loadArguments << QStringLiteral("2") << QStringLiteral("sheets");
    load.start(loadTool, loadArguments);
    QEventLoop ready;
    QObject::connect(&load, &QProcess::readyReadStandardOutput, &ready, [&] {
        if (load.readAllStandardOutput().startsWith("ready"))
            ready.quit();
    });
    QObject::connect(&load, &QProcess::finished, &ready, &QEventLoop::quit);
    QTimer::singleShot(120'000, &ready, &QEventLoop::quit);
    ready.exec();
    waitFor(2000);
    // More is fine: a hostile client run beside the benchmark holds a WebSocket of its own.
    if (live.clientCount() < clients) {
        std::fprintf(stderr, "only %d of %d phones connected\n", live.clientCount(), clients);
        return 1;
    }
    const long kbServing = residentKb();

    const double cpuBefore = cpuSeconds();
    const qint64 wallBefore = monotonicNs();
    waitFor(10'000);
    const double idleCpu = (cpuSeconds() - cpuBefore) * 100 / ((monotonicNs() - wallBefore) / 1e9);

    std::printf("drawing\n");
    std::fflush(stdout);
    const int firstServed = int(paintedAt.size()) + 1;
    std::vector<double> served;
    for (int k = 0; k < draws; ++k)
        served.push_back(drawOnce());
    const long kbAfterDraws = residentKb();

    load.closeWriteChannel();
    load.waitForFinished(60'000);
    QFile file(records);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "the load tool wrote no records\n");
        return 1;
    }
    // The first state each phone got with each number revealed while it was connected; a
    // phone's sheet checked against the verdict of that sheet here.
    const std::optional<SetCode> phoneSet = SetCode::read(dialog.live().phoneSetCode()).code;
    const std::span<const int> drawn = dialog.game().drawnNumbers();
    std::set<std::pair<int, int>> seen;
    std::vector<double> delays;
    int verdicts = 0;
    int wrongVerdicts = 0;
    double earliestAfterPaintDone = 1e9;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 6 || fields[3] != "between")
            continue;
        const int called = fields[2].toInt();
        if (called < firstServed || !seen.insert({fields[0].toInt(), called}).second)
            continue;
        delays.push_back((fields[1].toLongLong() - paintedAt[called]) / 1e6);
        if (const int number = fields[4].toInt(); sheets && number > 0 && phoneSet) {
            ++verdicts;
            const SheetVerdict verdict(phoneSet->sheet(number), drawn.first(std::size_t(called)));
            wrongVerdicts += verdict.completeLines().size() != fields[5].toInt();
        }
        earliestAfterPaintDone =
            std::min(earliestAfterPaintDone, (fields[1].toLongLong() - paintDoneAt[called]) / 1e6);
    }
    if (sheets) {
        // Who got which sheet, and how long all of them took from the first request.
        QFile takes(records + QStringLiteral(".takes"));
        if (!takes.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "the load tool wrote no sheet requests\n");
            return 1;
        }
        qint64 firstAsked = std::numeric_limits<qint64>::max();
        qint64 lastGot = 0;
        std::set<int> numbers;
        int given = 0;
        for (const QByteArray &line : takes.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() != 4 || fields[3].toInt() == 0)
                continue;
            ++given;
            numbers.insert(fields[3].toInt());
            firstAsked = std::min(firstAsked, fields[1].toLongLong());
            lastGot = std::max(lastGot, fields[2].toLongLong());
        }
        std::printf("sheets: %d phones asked at once, %d got one, %zu different sheets, "
                    "handed out %d; all within %.0f ms of the first request\n",
                    clients, given, numbers.size(), dialog.live().phoneSheetCount(),
                    (lastGot - firstAsked) / 1e6);
        std::printf("verdicts: %d phone states checked against their own sheet, %d wrong\n",
                    verdicts, wrongVerdicts);
        // The room's count over as many sheets after each draw, as the server makes it.
        HallCount count;
        for (int number = 1; number <= clients && phoneSet; ++number)
            count.follow({phoneSet->text(), number, {}, true}, phoneSet->sheet(number));
        std::vector<double> counting;
        for (std::size_t k = 1; k <= drawn.size(); ++k) {
            const qint64 before = monotonicNs();
            const HallTally tally = count.tally(drawn.first(k));
            counting.push_back((monotonicNs() - before) / 1e6);
            if (k == drawn.size())
                std::printf("the room after %lld draws: reach %d, bingo %d\n", qlonglong(k),
                            tally.reach, tally.bingo);
        }
        const Stats countStats = statsOf(counting);
        std::printf("counting reach and bingo over %d sheets: %.2f to %.2f ms a reveal\n", clients,
                    countStats.best, countStats.worst);
    }
    std::sort(delays.begin(), delays.end());
    const auto share = [&](double ms) {
        return 100.0 * double(std::upper_bound(delays.begin(), delays.end(), ms) - delays.begin()) /
               double(clients * draws);
    };

    qint64 pageBytes = 0;
    for (QDirIterator it(QStringLiteral(":/live")); it.hasNext();)
        pageBytes += QFile(it.next()).size();

    const Stats aloneStats = statsOf(alone);
    const Stats servedStats = statsOf(served);
    std::printf("%d phones, %d reveals each, %zu deliveries of %d expected\n", clients, draws,
                delays.size(), clients * draws);
    std::printf("first delivery %.1f ms after the screen began painting, %.2f ms after its paint "
                "was done\n",
                delays.empty() ? 0 : delays.front(), delays.empty() ? 0 : earliestAfterPaintDone);
    std::printf("reveal reaches the phones after the audience screen: median %.1f ms, 95%% "
                "%.1f ms, worst %.1f ms; within 100 ms %.1f%%, within 250 ms %.1f%%\n",
                delays.empty() ? 0 : delays[delays.size() / 2],
                delays.empty() ? 0 : delays[delays.size() * 95 / 100],
                delays.empty() ? 0 : delays.back(), share(100), share(250));
    std::printf("Stop to number: %.1f to %.1f ms alone, %.1f to %.1f ms serving\n", aloneStats.best,
                aloneStats.worst, servedStats.best, servedStats.worst);
    std::printf("between draws with the phones connected: CPU %.2f%% of one core\n", idleCpu);
    std::printf("memory: %.1f MB before serving, +%.1f MB with the phones, +%.1f MB after the "
                "draws\n",
                kbBefore / 1024.0, (kbServing - kbBefore) / 1024.0,
                (kbAfterDraws - kbBefore) / 1024.0);
    std::printf("page, everything included: %lld bytes\n", pageBytes);
    dialog.done(QDialog::Rejected);
    return 0;
}
