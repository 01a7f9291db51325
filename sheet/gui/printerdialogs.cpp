#include "printerdialogs.h"

#include "printersetupdialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

QPageLayout layoutKeptThroughPrintDialog(const QPageLayout &before, const QPageLayout &after,
                                         const QPageSize &driverDefault)
{
    if (!before.isValid() || !after.pageSize().isEquivalentTo(driverDefault))
        return after;
    QPageLayout kept = before;
    kept.setOrientation(after.orientation());
    return kept;
}

bool QtPrinterDialogs::choosePrint(QPrinter &printer, int lastPage, QWidget *parent)
{
    const QPageLayout before = printer.pageLayout();
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setPageLayout(layoutKeptThroughPrintDialog(before, printer.pageLayout(),
                                                       QPrinterInfo(printer).defaultPageSize()));
    return true;
}

void QtPrinterDialogs::preview(QPrinter &printer, int pageCount,
                               const SheetPreviewDialog::DrawPage &drawPage, const Paint &paint,
                               QWidget *parent)
{
    // The buttons run once the dialog exists, so they may name it as their parent.
    SheetPreviewDialog dialog(printer.pageLayout(), printer.resolution(), pageCount, drawPage,
                              {[this, &printer, pageCount, &paint, &dialog] {
                                   if (!choosePrint(printer, pageCount, &dialog))
                                       return false;
                                   paint(&printer);
                                   return true;
                               },
                               [this, &printer, &dialog] {
                                   pageSetup(printer, &dialog);
                                   return printer.pageLayout();
                               }},
                              parent);
    dialog.exec();
}

void QtPrinterDialogs::printerSetup(QPrinter &printer, QWidget *parent)
{
    QList<PrinterChoice> printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters()) {
        const QString where = info.location();
        printers.append({info.printerName(),
                         where.isEmpty() ? info.description()
                                         : QStringLiteral("%1 (%2)").arg(info.description(), where),
                         info.supportedPageSizes(), info.defaultPageSize()});
    }
    PrinterSetupDialog dialog(printers, printer.printerName(), printer.pageLayout(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.printerName().isEmpty() && dialog.printerName() != printer.printerName())
        printer.setPrinterName(dialog.printerName());
    printer.setPageSize(dialog.pageSize());
    printer.setPageOrientation(dialog.orientation());
}

void QtPrinterDialogs::pageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}
