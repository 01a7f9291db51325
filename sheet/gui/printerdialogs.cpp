#include "printerdialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

QPageLayout layoutKeptThroughPrintDialog(const QPageLayout &before, const QPageLayout &after,
                                         const QPageSize &driverDefault)
{
    const bool reset = after.pageSize().isEquivalentTo(driverDefault) &&
                       after.orientation() == QPageLayout::Portrait;
    return reset && before.isValid() ? before : after;
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

void QtPrinterDialogs::preview(QPrinter &printer, const Paint &paint, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    // The preview's Print button opens the same print dialog, so its pages keep the paper the
    // preview showed.
    QPageLayout shown = printer.pageLayout();
    const QPageSize driverDefault = QPrinterInfo(printer).defaultPageSize();
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        target->setPageLayout(
            layoutKeptThroughPrintDialog(shown, target->pageLayout(), driverDefault));
        shown = target->pageLayout();
        paint(target);
    });
    dialog.exec();
}

void QtPrinterDialogs::pageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}
