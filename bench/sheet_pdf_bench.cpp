// PDF export of 1,000 sheets (125 pages): seconds, pages per second and bytes per page.
#include "crtrandom.h"
#include "fontsubstitutions.h"
#include "pdfexport.h"
#include "sheetset.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    registerFontSubstitutions();

    constexpr int Sheets = 1000;
    CrtRandom random(1);
    SheetSet set;
    set.generate({Sheets, 75, SheetColour::Blue}, random);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.pdf"));
    QElapsedTimer timer;
    timer.start();
    const PdfExportResult result = exportSheetsPdf(set, path, QPageSize::A4, 48);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    if (!result.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(result.error));
        return 1;
    }
    const qint64 bytes = QFileInfo(path).size();
    std::printf("%d sheets, %d pages: %.2f s, %.1f pages/s, %lld bytes (%.0f bytes/page)\n", Sheets,
                result.pages, seconds, result.pages / seconds, static_cast<long long>(bytes),
                double(bytes) / result.pages);
    return 0;
}
