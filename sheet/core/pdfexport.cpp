#include "pdfexport.h"

#include "crtrandom.h"
#include "safefilewriter.h"
#include "setcode.h"
#include "sheetcommandline.h"
#include "sheetdrawing.h"
#include "sheetlayout.h"
#include "sheetset.h"
#include "standardstreams.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMarginsF>
#include <QPdfWriter>

#include <memory>
#include <optional>

#include <unistd.h>

namespace {

constexpr int PdfResolution = 1200; // QPdfWriter's own

QString cannotWrite(const QString &path, const QString &reason)
{
    return QCoreApplication::translate("PdfExport", "「%1」に書き込めません。%2").arg(path, reason);
}

} // namespace

PdfExportResult writeSheetsPdf(const SheetSet &set, const QString &path, const QPageLayout &layout,
                               int resolution, int fromPage, int toPage, int sheetFontHeight,
                               const SheetNumbering &numbering, const PageProgress &progress)
{
    SafeFileWriter file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, 0, cannotWrite(path, file.errorString())};

    bool painted = false;
    bool cancelled = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(QStringLiteral("BINGO"));
        writer.setCreator(QStringLiteral("BINGO"));
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        painted = printSheetPages(writer, set, fromPage, toPage, sheetFontHeight, numbering,
                                  [&progress, &cancelled](int done, int total) {
                                      cancelled = progress && !progress(done, total);
                                      return !cancelled;
                                  });
    }
    if (cancelled) {
        file.cancelWriting();
        return {false, 0,
                QCoreApplication::translate("PdfExport", "「%1」への書き出しを取り消しました。")
                    .arg(path),
                true};
    }
    if (!painted) {
        file.cancelWriting();
        return {false, 0,
                QCoreApplication::translate("PdfExport", "「%1」のページを描けません。").arg(path)};
    }
    if (!file.commit())
        return {false, 0, cannotWrite(path, file.errorString())};
    return {true, toPage - fromPage + 1, {}};
}

PdfExportResult exportSheetsPdf(const SheetSet &set, const QString &path,
                                QPageSize::PageSizeId pageSize, int sheetFontHeight,
                                const SheetNumbering &numbering, const PageProgress &progress)
{
    // A printer's usual unprintable edge; A4 then holds the page at its designed size.
    const QPageLayout layout(QPageSize(pageSize), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                             QPageLayout::Millimeter);
    return writeSheetsPdf(set, path, layout, PdfResolution, 1,
                          SheetLayout::pageCount(set.sheetCount()), sheetFontHeight, numbering,
                          progress);
}

PdfExportResult exportFromCommandLine(const SheetCommandLine &commandLine, int sheetFontHeight,
                                      const PageProgress &progress)
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
                           numbering, progress);
}

PageProgress terminalProgress(std::FILE *stream)
{
    if (!::isatty(::fileno(stream)))
        return {};
    // Quiet for the first second, so that short work prints nothing; then one line, written
    // over at most ten times a second, and ended with the work.
    auto started = std::make_shared<QElapsedTimer>();
    auto shown = std::make_shared<QElapsedTimer>();
    started->start();
    return [stream, started, shown](int done, int total) {
        const bool last = done == total;
        if (started->elapsed() < 1000 || (!last && shown->isValid() && shown->elapsed() < 100))
            return true;
        shown->start();
        printTo(stream, QStringLiteral("\rbingo: ") +
                            QCoreApplication::translate("PdfExport", "%1 / %2 ページ (%3%)")
                                .arg(done)
                                .arg(total)
                                .arg(done * 100 / total) +
                            (last ? QStringLiteral("\n") : QString()));
        std::fflush(stream);
        return true;
    };
}
