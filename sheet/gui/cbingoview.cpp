#include "cbingoview.h"

#include "csheetsetupdlg.h"
#include "messagepresenter.h"
#include "pdfexport.h"
#include "printerdialogs.h"
#include "sheetdrawing.h"
#include "sheetlayout.h"
#include "sheetservices.h"

#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollBar>
#include <QtMath>

#include <algorithm>
#include <utility>

namespace {

// Where no print server answers, Qt falls back to writing a PDF file it was given no name for.
bool printerUnreachable(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty();
}

// Why nothing was printed, naming where the pages should have gone.
QString printFailure(const QPrinter &printer)
{
    if (printerUnreachable(printer))
        return printer.printerName().isEmpty()
                   ? QCoreApplication::translate("CBINGOView",
                                                 "印刷できませんでした。ﾌﾟﾘﾝﾀに接続できません。")
                   : QCoreApplication::translate(
                         "CBINGOView", "印刷できませんでした。ﾌﾟﾘﾝﾀ \"%1\" に接続できません。")
                         .arg(printer.printerName());
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return QCoreApplication::translate("CBINGOView",
                                           "印刷できませんでした。ﾌｧｲﾙ \"%1\" に書き込めません。")
            .arg(QDir::toNativeSeparators(printer.outputFileName()));
    if (printer.printerName().isEmpty())
        return QCoreApplication::translate("CBINGOView",
                                           "印刷できませんでした。ﾌﾟﾘﾝﾀが設定されていません。");
    return QCoreApplication::translate("CBINGOView",
                                       "印刷できませんでした。ﾌﾟﾘﾝﾀ \"%1\" を確認してください。")
        .arg(printer.printerName());
}

} // namespace

CBINGOView::CBINGOView(SheetServices &services, QPrinter &printer,
                       std::optional<std::uint32_t> seed, QWidget *parent)
    : QAbstractScrollArea(parent)
    , m_services(services)
    , m_printer(printer)
{
    setObjectName(QStringLiteral("CBINGOView"));
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);

    CSheetSetupDlg dialog(*m_services.messages);
    if (m_services.runSetup(dialog) != QDialog::Accepted) {
        m_state = State::Declined;
        return;
    }
    // The dialog has refused any top number it could not read.
    const SheetSetup setup{dialog.sheetCount(), readTopNumber(dialog.topNumberText()).value,
                           dialog.colour()};
    m_seed = seed ? *seed : m_services.seed();
    if (makeSheets({m_seed, setup.topNumber, setup.sheetCount, setup.colour, false}))
        m_state = State::Ready;
}

bool CBINGOView::makeSheets(const SheetDocument &document)
{
    std::optional<SheetSet> made =
        makeSheetSet({document.sheetCount, document.topNumber, document.colour}, document.seed);
    if (!made) {
        m_services.messages->show(
            this, MessagePresenter::Icon::Critical, QStringLiteral("BINGO"),
            QCoreApplication::translate("CBINGOView", "ｼｰﾄ %1 枚分のﾒﾓﾘを確保できません。")
                .arg(document.sheetCount));
        return false;
    }
    m_sheetSet = std::move(*made);
    m_seed = document.seed;
    m_numbering.setCode = setCode().text();
    return true;
}

SheetDocument CBINGOView::document() const
{
    return {m_seed, m_sheetSet.topNumber(), m_sheetSet.sheetCount(), m_sheetSet.colourChoice(),
            m_numbering.on};
}

int CBINGOView::sheetFontHeight() const
{
    return SheetLayout::sheetFontHeight(logicalDpiY());
}

void CBINGOView::setNumbered(bool on)
{
    m_numbering.on = on;
    viewport()->update();
}

void CBINGOView::OnInitialUpdate()
{
    m_totalSize = SheetLayout::scrollSize(m_sheetSet.sheetCount());
    updateScrollBars();
    viewport()->update();
}

void CBINGOView::updateScrollBars()
{
    // Page and line steps as a scroll view's defaults (a tenth of the range, a tenth of that),
    // but a page never more than what the window shows.
    const QSize shown = viewport()->size();
    const auto setUp = [](QScrollBar *bar, int total, int visible) {
        const int page = std::max(1, std::min(total / 10, visible));
        bar->setRange(0, std::max(0, total - visible));
        bar->setPageStep(page);
        bar->setSingleStep(std::max(1, page / 10));
    };
    setUp(horizontalScrollBar(), m_totalSize.width(), shown.width());
    setUp(verticalScrollBar(), m_totalSize.height(), shown.height());
}

void CBINGOView::OnDraw(QPainter &painter, const QRect &exposed)
{
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    painter.scale(logicalDpiX() / 100.0, logicalDpiY() / 100.0);
    const QRectF area = painter.transform().inverted().mapRect(QRectF(exposed));
    const SheetRun run(m_sheetSet.sheets(),
                       SheetLayout::sheetsMeeting(area, m_sheetSet.sheetCount()));
    DrawSheetBackgrounds(painter, run);
    DrawSheetNumbers(painter, run, {m_sheetSet.colour(), sheetFontHeight()});
    if (m_numbering.on) {
        // A label reaches a little below its row, into the area of the next.
        const QRectF labelled = area.adjusted(0, -SheetLabels::Overhang, 0, 0);
        DrawSheetLabels(painter, SheetLayout::sheetsMeeting(labelled, m_sheetSet.sheetCount()), 1,
                        m_numbering.setCode);
    }
}

QSize CBINGOView::sheetsEnd() const
{
    const int count = m_sheetSet.sheetCount();
    if (count == 0)
        return {};
    const QRect first = SheetLayout::sheetRect(0);
    const QRect right = SheetLayout::sheetRect(1);
    const QRect last = SheetLayout::sheetRect(count - 1);
    const int width = right.x() + right.width() + first.x();
    const int height = last.y() + last.height() + first.y();
    return {qCeil(width * logicalDpiX() / 100.0), qCeil(height * logicalDpiY() / 100.0)};
}

void CBINGOView::keyPressEvent(QKeyEvent *event)
{
    // Home and End go to the first and last sheets; with Ctrl also to the left or right edge.
    // The scroll range reaches well past the sheets (a row of it is taller than a row of
    // sheets), so End shows the last sheets at the foot of the view rather than the range's end.
    const bool home = event->key() == Qt::Key_Home;
    if (!home && event->key() != Qt::Key_End) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const bool control = event->modifiers() & Qt::ControlModifier;
    if (home) {
        verticalScrollBar()->setValue(0);
        if (control)
            horizontalScrollBar()->setValue(0);
        return;
    }
    // A value beyond the range stops at its end, one below it at 0.
    const QSize end = sheetsEnd();
    verticalScrollBar()->setValue(end.height() - viewport()->height());
    if (control)
        horizontalScrollBar()->setValue(end.width() - viewport()->width());
}

void CBINGOView::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    OnDraw(painter, event->rect());
}

void CBINGOView::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void CBINGOView::scrollContentsBy(int dx, int dy)
{
    // Only the strip that comes into view needs painting.
    viewport()->scroll(dx, dy);
}

int CBINGOView::OnPreparePrinting() const
{
    return SheetLayout::pageCount(m_sheetSet.sheetCount());
}

bool CBINGOView::OnPrint(QPrinter &printer)
{
    int from = 1;
    int to = OnPreparePrinting();
    if (printer.printRange() == QPrinter::PageRange) {
        from = std::max(from, printer.fromPage());
        to = std::min(to, printer.toPage());
    }
    if (from > to)
        return true;
    if (printerUnreachable(printer)) {
        m_services.messages->show(this, MessagePresenter::Icon::Critical, QStringLiteral("BINGO"),
                                  printFailure(printer));
        return false;
    }
    // Thousands of pages take a while: after a second the progress shows, with a Cancel.
    QProgressDialog progress(QCoreApplication::translate("CBINGOView", "印刷しています..."),
                             QCoreApplication::translate("CBINGOView", "ｷｬﾝｾﾙ"), 0, to - from + 1,
                             this);
    progress.setWindowTitle(QStringLiteral("BINGO"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(1000);
    progress.setValue(0);
    bool cancelled = false;
    const PageProgress onPage = [&progress, &cancelled](int done, int) {
        progress.setValue(done);
        cancelled = progress.wasCanceled();
        return !cancelled;
    };
    // A file is written through the safe writer, so that a failure or a cancel leaves an older
    // file of that name as it was.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const PdfExportResult result =
            writeSheetsPdf(m_sheetSet, printer.outputFileName(), printer.pageLayout(),
                           printer.resolution(), from, to, sheetFontHeight(), m_numbering, onPage);
        if (result.ok || result.cancelled)
            return true;
        m_services.messages->show(this, MessagePresenter::Icon::Critical, QStringLiteral("BINGO"),
                                  result.error);
        return false;
    }
    // A cancelled printout stops at the page reached. Qt's print engine cannot withdraw a job
    // it has begun (QPrinter::abort does nothing for it), so the pages drawn so far still go to
    // the printer.
    if (printSheetPages(printer, m_sheetSet, from, to, sheetFontHeight(), m_numbering, onPage) ||
        cancelled)
        return true;
    m_services.messages->show(this, MessagePresenter::Icon::Critical, QStringLiteral("BINGO"),
                              printFailure(printer));
    return false;
}

void CBINGOView::OnFilePrint()
{
    if (m_services.printerDialogs->choosePrint(m_printer, OnPreparePrinting(), this))
        OnPrint(m_printer);
}

bool CBINGOView::OnFilePrintDirect()
{
    m_printer.setPrintRange(QPrinter::AllPages);
    return OnPrint(m_printer);
}

void CBINGOView::OnFilePrintPreview()
{
    // The preview shows every page, whatever range an earlier printout asked for; its own Print
    // button then prints the range chosen in its print dialog.
    m_printer.setPrintRange(QPrinter::AllPages);
    m_services.printerDialogs->preview(
        m_printer, OnPreparePrinting(),
        [this](QPainter &painter, int page, const PageSurface &surface) {
            printSheetPage(painter, m_sheetSet, page, surface, sheetFontHeight(), m_numbering);
        },
        [this](QPrinter *printer) { OnPrint(*printer); }, this);
}
