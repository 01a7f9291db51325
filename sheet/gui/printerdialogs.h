#pragma once

#include "sheetpreviewdialog.h"

#include <QPageLayout>

#include <functional>

class QPageSize;
class QPrinter;
class QWidget;

// Qt's print dialog on this platform puts the printer back on the paper its driver defaults to
// when it closes, whatever Printer Setup chose; the orientation it leaves as it was or as chosen
// there. Returns the layout to print with: the paper in force before the dialog in the
// orientation after it, unless the dialog left other paper than the driver's default, which the
// user must then have chosen there.
QPageLayout layoutKeptThroughPrintDialog(const QPageLayout &before, const QPageLayout &after,
                                         const QPageSize &driverDefault);

// The printer's dialogs. The view talks to this interface so that tests can choose pages, look
// at a preview or change the paper without a person; QtPrinterDialogs shows the real ones.
class PrinterDialogs
{
public:
    using Paint = std::function<void(QPrinter *)>;

    virtual ~PrinterDialogs() = default;
    // The print dialog offering pages 1..lastPage; false when the user cancelled.
    virtual bool choosePrint(QPrinter &printer, int lastPage, QWidget *parent) = 0;
    // The print preview of pages 1..pageCount on the printer's paper, each drawn by drawPage as
    // it comes into view; its Print button asks for the pages and prints them with paint.
    virtual void preview(QPrinter &printer, int pageCount,
                         const SheetPreviewDialog::DrawPage &drawPage, const Paint &paint,
                         QWidget *parent) = 0;
    // Printer Setup: the printer, its paper and the orientation.
    virtual void printerSetup(QPrinter &printer, QWidget *parent) = 0;
    // The preview's page setup: paper, orientation and the like for the printer in use.
    virtual void pageSetup(QPrinter &printer, QWidget *parent) = 0;
};

class QtPrinterDialogs final : public PrinterDialogs
{
public:
    bool choosePrint(QPrinter &printer, int lastPage, QWidget *parent) override;
    void preview(QPrinter &printer, int pageCount, const SheetPreviewDialog::DrawPage &drawPage,
                 const Paint &paint, QWidget *parent) override;
    void printerSetup(QPrinter &printer, QWidget *parent) override;
    void pageSetup(QPrinter &printer, QWidget *parent) override;
};
