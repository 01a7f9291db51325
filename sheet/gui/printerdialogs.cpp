#include "printerdialogs.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

bool QtPrinterDialogs::choosePrint(QPrinter &printer, int lastPage, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setMinMax(1, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    return dialog.exec() == QDialog::Accepted;
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

void QtPrinterDialogs::pageSetup(QPrinter &printer, QWidget *parent)
{
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}
