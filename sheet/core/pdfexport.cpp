#include "pdfexport.h"

#include "crtrandom.h"
#include "safefilewriter.h"
#include "setcode.h"
#include "sheetcommandline.h"
#include "sheetdrawing.h"
#include "sheetlayout.h"
#include "sheetset.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPdfWriter>

#include <optional>

namespace {

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("PdfExport", "「%1」に書き込めません。%2").arg(path, reason);
}

} // namespace

PdfExportResult exportSheetsPdf(const SheetSet &set, const QString &path,
                                QPageSize::PageSizeId pageSize, int sheetFontHeight,
                                const SheetNumbering &numbering)
{
    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, 0, cannotWrite(path, file.errorString())};

    const int pages = SheetLayout::pageCount(set.sheetCount());
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("BINGO"));
        writer.setCreator(QStringLiteral("BINGO"));
        writer.setPageSize(QPageSize(pageSize));
        // A printer's usual unprintable edge; A4 then holds the page at its designed size.
        writer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
        painted = printSheetPages(writer, set, 1, pages, sheetFontHeight, numbering);
    }
    if (!painted) {
        file.cancelWriting();
        return {false, 0,
                QCoreApplication::translate("PdfExport", "「%1」のページを描けません。").arg(path)};
    }
    if (!file.commit())
        return {false, 0, cannotWrite(path, file.errorString())};
    return {true, pages, {}};
}

PdfExportResult exportFromCommandLine(const SheetCommandLine &commandLine, int sheetFontHeight)
{
    const std::uint32_t seed = commandLine.seed.value_or(CrtRandom::timeSeed());
    const std::optional<SheetSet> set = makeSheetSet(commandLine.setup, seed);
    if (!set)
        return {false, 0,
                QCoreApplication::translate("PdfExport",
                                            "%1 枚のシートを作るにはメモリーが足りません。")
                    .arg(commandLine.setup.sheetCount)};
    const SheetNumbering numbering{commandLine.numbered,
                                   SetCode(seed, commandLine.setup.topNumber).text()};
    return exportSheetsPdf(*set, commandLine.pdfPath, commandLine.pageSize, sheetFontHeight,
                           numbering);
}
