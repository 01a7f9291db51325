// The game journal's cost: the time each drawn number's record takes to reach the disk
// (written and flushed), and Stop of the real dialog with and without the journal, whose
// reveal should stay at its 700 ms of pauses within 15 ms.
//
// usage: bench_journal [folder] [draws]   (the journal goes into a temporary folder made inside
// folder, the current directory by default: put it on the disk the state folder lies on, since
// a tmpfs flushes nothing)

#include "benchsupport.h"
#include "ccallerdlg.h"
#include "desktopservices.h"
#include "gamejournal.h"
#include "journalfolder.h"
#include "soundoutput.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Times each Stop of games of 75 in the real dialog; with a journal when folder is given.
std::vector<double> stopTimes(const JournalFolder *folder, int draws,
                              std::vector<double> *recordTimes)
{
    DesktopServices desktop;
    SilentSoundOutput sound;
    CallerServices services = desktop.services();
    services.sound = &sound;
    services.seed = [] { return 1u; };
    CCallerDlg dialog(services);
    dialog.findChild<QComboBox *>(QStringLiteral("IDC_TOP_NUMBER"))
        ->setEditText(QStringLiteral("75"));
    dialog.show();

    std::unique_ptr<GameJournal> journal;
    QElapsedTimer recordClock;
    if (folder) {
        journal =
            std::make_unique<GameJournal>(*folder, 1, [] { return QDateTime::currentDateTime(); });
        // Connected before the journal, so the time from here to the reveal is the record's.
        QObject::connect(&dialog.game(), &CallerGame::numberDrawn, &dialog,
                         [&recordClock] { recordClock.start(); });
        journal->observe(dialog.game());
        QObject::connect(&dialog.game(), &CallerGame::numberDrawn, &dialog,
                         [&recordClock, recordTimes] {
                             recordTimes->push_back(recordClock.nsecsElapsed() / 1e6);
                         });
    }

    std::vector<double> times;
    QElapsedTimer clock;
    while (static_cast<int>(times.size()) < draws) {
        if (dialog.game().isFinished())
            dialog.Clear();
        dialog.Start();
        QCoreApplication::processEvents();
        clock.start();
        dialog.Stop();
        times.push_back(clock.nsecsElapsed() / 1e6);
    }
    return times;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const QString base = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const int draws = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 40;

    QTemporaryDir dir(base + QStringLiteral("/bench_journal-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "bench_journal: cannot make a folder in %s\n", qPrintable(base));
        return 1;
    }
    const JournalFolder folder(dir.path());

    std::vector<double> records;
    const Stats plain = statsOf(stopTimes(nullptr, draws, nullptr));
    const Stats journalled = statsOf(stopTimes(&folder, draws, &records));
    const Stats record = statsOf(records);

    std::printf("journal in %s, %d draws each\n", qPrintable(dir.path()), draws);
    std::printf("record written and flushed: mean %.3f ms, median %.3f ms, worst %.3f ms\n",
                record.mean, record.median, record.worst);
    std::printf("Stop without journal:       best %.1f ms, mean %.1f ms, worst %.1f ms\n",
                plain.best, plain.mean, plain.worst);
    std::printf("Stop with journal:          best %.1f ms, mean %.1f ms, worst %.1f ms\n",
                journalled.best, journalled.mean, journalled.worst);
    // The record is on the disk before the reveal begins, so it delays the reveal by its time.
    std::printf("the journal delays each reveal by %.1f ms at the median and %.1f ms at worst: "
                "%s the 15 ms margin\n",
                record.median, record.worst, record.worst <= 15 ? "within" : "BEYOND");
    const bool onTime = journalled.best >= 685 && journalled.worst <= 715;
    std::printf("every Stop with the journal %s 700 ms +- 15 ms\n",
                onTime ? "stays within" : "is OUTSIDE");
    return 0;
}
