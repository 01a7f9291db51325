#pragma once

#include "csheetsetupdlg.h"
#include "printerdialogs.h"
#include "recordingmessages.h"
#include "scriptedfiles.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

// Stand-ins for the person at the keyboard in the sheet program's tests.

class FakePrinterDialogs final : public PrinterDialogs
{
public:
    bool choosePrint(QPrinter &printer, int lastPage, QWidget *) override
    {
        offeredLastPage = lastPage;
        if (!acceptPrint)
            return false;
        chooseRange(printer);
        return true;
    }
    // The preview's pages, every one, are drawn onto the printer; with printFromPreview its own
    // Print button is then pressed and its print dialog answered with the main one's range.
    void preview(QPrinter &printer, int pageCount, const SheetPreviewDialog::DrawPage &drawPage,
                 const Paint &paint, QWidget *) override
    {
        QPainter painter;
        if (painter.begin(&printer)) {
            const PageSurface surface = PageSurface::of(printer);
            for (int page = 1; page <= pageCount; ++page) {
                if (page > 1)
                    printer.newPage();
                drawPage(painter, page, surface);
            }
            painter.end();
        }
        if (printFromPreview) {
            chooseRange(printer);
            paint(&printer);
        }
    }
    void printerSetup(QPrinter &printer, QWidget *) override { setUpPrinters.append(&printer); }
    void pageSetup(QPrinter &printer, QWidget *) override { pageSetUpPrinters.append(&printer); }

    void chooseRange(QPrinter &printer) const
    {
        printer.setPrintRange(fromPage > 0 ? QPrinter::PageRange : QPrinter::AllPages);
        if (fromPage > 0)
            printer.setFromTo(fromPage, toPage);
    }

    bool acceptPrint = true;
    bool printFromPreview = false;
    int fromPage = 0; // 0: all pages
    int toPage = 0;
    int offeredLastPage = 0;
    QList<QPrinter *> setUpPrinters;     // by Printer Setup
    QList<QPrinter *> pageSetUpPrinters; // by the preview's page setup
};

// Fills the setup dialog's fields as a user would and presses OK (or Cancel).
struct SetupAnswers
{
    QString count = QStringLiteral("10");
    QString top = QStringLiteral("50");
    QString colour = QStringLiteral("IDC_SHEET_BLUE");
    bool cancel = false;
    int runs = 0;

    int operator()(CSheetSetupDlg &dialog)
    {
        ++runs;
        dialog.findChild<QLineEdit *>(QStringLiteral("IDC_SHEET_COUNT"))->setText(count);
        dialog.findChild<QComboBox *>(QStringLiteral("IDC_SHEET_TOP"))->setEditText(top);
        dialog.findChild<QRadioButton *>(colour)->setChecked(true);
        dialog
            .findChild<QPushButton *>(cancel ? QStringLiteral("IDCANCEL") : QStringLiteral("IDOK"))
            ->click();
        return dialog.result();
    }
};
