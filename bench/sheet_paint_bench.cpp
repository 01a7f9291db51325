// Paint time of one screenful of the sheet view, with few and with many sheets, and what the
// same screenful costs when every sheet is drawn (as a paint without culling would; left out for
// the largest set, where it would take minutes).
#include "benchsupport.h"
#include "cbingoview.h"
#include "messagepresenter.h"
#include "sheetdrawing.h"
#include "sheetservices.h"
#include "sheetsetup.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>

#include <cstdio>

namespace {

constexpr QSize Screen(760, 560);

double msPerPaint(QWidget *viewport, int rounds)
{
    QImage image(Screen, QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i)
        viewport->render(&image);
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}

double msPerFullDrawing(const CBINGOView &view, int rounds)
{
    QImage image(Screen, QImage::Format_RGB32);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rounds; ++i) {
        QPainter painter(&image);
        painter.scale(view.logicalDpiX() / 100.0, view.logicalDpiY() / 100.0);
        const SheetRun run(view.sheetSet().sheets());
        DrawSheetBackgrounds(painter, run);
        DrawSheetNumbers(painter, run, {view.sheetSet().colour(), view.sheetFontHeight()});
    }
    return double(timer.nsecsElapsed()) / 1e6 / rounds;
}

} // namespace

int main(int argc, char *argv[])
{
    BenchApplication app(argc, argv);

    QtMessagePresenter messages;
    QPrinter printer;
    std::printf("%8s  %12s  %12s  %18s\n", "sheets", "top ms", "middle ms", "all sheets ms");
    for (int count : {10, 10000, 100000}) {
        SheetServices services;
        services.messages = &messages;
        services.runSetup = setupWithSheets(count);
        CBINGOView view(services, printer, 1);
        view.resize(Screen);
        view.OnInitialUpdate();
        const double top = msPerPaint(view.viewport(), 200);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() / 2);
        const double middle = msPerPaint(view.viewport(), 200);
        if (count > 10000) {
            std::printf("%8d  %12.3f  %12.3f  %18s\n", count, top, middle, "-");
            continue;
        }
        const double all = msPerFullDrawing(view, count > 100 ? 3 : 200);
        std::printf("%8d  %12.3f  %12.3f  %18.3f\n", count, top, middle, all);
    }
    return 0;
}
