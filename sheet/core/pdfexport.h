#pragma once

#include "sheetdrawing.h"
#include "sheetlabels.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <cstdio>

class SheetSet;

// Writes the pages that printing would print into a PDF file through the kit's safe writer: on
// any failure, or when progress asks to stop, the file is left as it was and the message names
// it and says what went wrong.
struct PdfExportResult
{
    bool ok = false;
    int pages = 0;
    QString error;
    bool cancelled = false;
};

// Pages from..to on paper of the given layout, at the given resolution.
PdfExportResult writeSheetsPdf(const SheetSet &set, const QString &path, const QPageLayout &layout,
                               int resolution, int fromPage, int toPage, int sheetFontHeight,
                               const SheetNumbering &numbering = {},
                               const PageProgress &progress = {});

// Every page, on paper of the given size with a printer's usual unprintable edge of 5 mm.
PdfExportResult exportSheetsPdf(const SheetSet &set, const QString &path,
                                QPageSize::PageSizeId pageSize, int sheetFontHeight,
                                const SheetNumbering &numbering = {},
                                const PageProgress &progress = {});

struct SheetCommandLine;

// Makes the sheets a --pdf command line asks for, as the setup dialog would (seeded with its
// seed, or the current time), and writes them.
PdfExportResult exportFromCommandLine(const SheetCommandLine &commandLine, int sheetFontHeight,
                                      const PageProgress &progress = {});

// Progress on a terminal: where stream is one, the pages done, once the work has taken a
// second; elsewhere nothing, so that scripts and logs stay clean.
PageProgress terminalProgress(std::FILE *stream);
