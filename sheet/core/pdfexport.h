#pragma once

#include "sheetlabels.h"

#include <QPageSize>
#include <QString>

class SheetSet;

// Writes the pages that printing would print into a PDF file through the kit's safe writer: on
// any failure the file is left as it was and the message names it and says what went wrong.
struct PdfExportResult
{
    bool ok = false;
    int pages = 0;
    QString error;
};

PdfExportResult exportSheetsPdf(const SheetSet &set, const QString &path,
                                QPageSize::PageSizeId pageSize, int sheetFontHeight,
                                const SheetNumbering &numbering = {});

struct SheetCommandLine;

// Makes the sheets a --pdf command line asks for, as the setup dialog would (seeded with its
// seed, or the current time), and writes them.
PdfExportResult exportFromCommandLine(const SheetCommandLine &commandLine, int sheetFontHeight);
