// The print preview of a large set, as the menu opens it: wall time until the first screenful
// of pages is painted, a repaint, a jump to the last page, and the process's peak memory. One set
// size per run, as peak memory only grows: sheet_preview_bench [sheets] (10000 when not given).
#include "benchsupport.h"
#include "cbingoview.h"
#include "messagepresenter.h"
#include "printerdialogs.h"
#include "sheetservices.h"
#include "sheetsetup.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>

#include <cstdio>

namespace {

// Peak resident memory of the process in MB, from the kernel's high-water mark.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression hwm(QStringLiteral("VmHWM:\\s+(\\d+) kB"));
    return hwm.match(QString::fromLatin1(status.readAll())).captured(1).toDouble() / 1024;
}

// The real preview dialog, shown without blocking so that its opening can be timed.
class TimedPreview final : public PrinterDialogs
{
public:
    bool choosePrint(QPrinter &, int, QWidget *) override { return false; }
    void printerSetup(QPrinter &, QWidget *) override {}
    void pageSetup(QPrinter &, QWidget *) override {}
    void preview(QPrinter &printer, int pageCount, const SheetPreviewDialog::DrawPage &drawPage,
                 const Paint &, QWidget *parent) override
    {
        QElapsedTimer timer;
        timer.start();
        SheetPreviewDialog dialog(
            printer.pageLayout(), printer.resolution(), pageCount, drawPage,
            {[] { return false; }, [&printer] { return printer.pageLayout(); }}, parent);
        dialog.resize(1000, 800);
        dialog.show();
        // Paints the window as a screen would, with the pages it shows.
        dialog.grab();
        openSeconds = double(timer.nsecsElapsed()) / 1e9;
        timer.restart();
        dialog.grab();
        repaintMs = double(timer.nsecsElapsed()) / 1e6;
        dialog.setCurrentPage(pageCount);
        timer.restart();
        dialog.grab();
        lastPageMs = double(timer.nsecsElapsed()) / 1e6;
    }

    double openSeconds = 0;
    double repaintMs = 0;
    double lastPageMs = 0;
};

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 10000;

    QtMessagePresenter messages;
    TimedPreview dialogs;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    SheetServices services;
    services.messages = &messages;
    services.printerDialogs = &dialogs;
    services.runSetup = setupWithSheets(count);
    CBINGOView view(services, printer, 1);
    view.OnInitialUpdate();
    const double before = peakMegabytes();
    view.OnFilePrintPreview();
    std::printf("%d sheets: preview open %.3f s, repaint %.1f ms, last page shown in %.1f ms, "
                "peak memory %.0f MB (%.0f MB before)\n",
                count, dialogs.openSeconds, dialogs.repaintMs, dialogs.lastPageMs, peakMegabytes(),
                before);
    return 0;
}
