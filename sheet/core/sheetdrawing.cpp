#include "sheetdrawing.h"

#include "numbertext.h"
#include "sheetset.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr QColor cyan(0, 255, 255);
constexpr QColor yellow(255, 255, 0);

QFont sheetFont(int height)
{
    QFont font(QStringLiteral("ＭＳ ゴシック"));
    font.setPixelSize(height);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont pageNumberFont()
{
    QFont font(QStringLiteral("ＭＳＰ ゴシック"));
    font.setPixelSize(SheetLayout::PageNumberHeight);
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Text with its top-left corner at `at` on an opaque box of the background, as a text output
// call with the default alignment and background mode draws it. The box is as high as the
// character height asked for: the faces the design names have cells exactly one em high, while
// their stand-ins report a deeper descent that would close the gaps between the cells. Text
// wider than maxWidth is squeezed sideways to that width.
void drawOpaqueText(QPainter &painter, QPointF at, const QString &text, qreal maxWidth = 0)
{
    const QFontMetricsF metrics(painter.font());
    const qreal width = metrics.horizontalAdvance(text);
    painter.save();
    painter.translate(at);
    if (maxWidth > 0 && width > maxWidth)
        painter.scale(maxWidth / width, 1);
    painter.fillRect(QRectF(0, 0, width, painter.font().pixelSize()), painter.background());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.restore();
}

} // namespace

SheetRun::SheetRun(std::span<const int> runCells)
    : SheetRun(runCells, {0, static_cast<int>(runCells.size() / SheetSet::CellsPerSheet)})
{}

SheetRun::SheetRun(std::span<const int> runCells, SheetRange part)
    : cells(runCells)
    , visible(part)
{}

void DrawSheetBackgrounds(QPainter &painter, const SheetRun &run)
{
    for (int i = run.visible.begin; i < run.visible.end; ++i)
        painter.fillRect(SheetLayout::sheetRect(i), cyan);
}

void DrawSheetNumbers(QPainter &painter, const SheetRun &run, const SheetInk &ink)
{
    if (run.visible.isEmpty())
        return;
    const QFont previous = painter.font();
    painter.setFont(sheetFont(ink.fontHeight));
    painter.setPen(QColor(ink.colour.red, ink.colour.green, ink.colour.blue));
    painter.setBackground(yellow);
    // Two digits fill a cell; wider values are squeezed to that width to stay inside it.
    const qreal cellWidth = QFontMetricsF(painter.font()).horizontalAdvance(QStringLiteral("00"));
    const QString star = QStringLiteral("★");
    for (int i = run.visible.begin; i < run.visible.end; ++i) {
        const auto sheet = run.cells.subspan(static_cast<std::size_t>(i) * SheetSet::CellsPerSheet,
                                             SheetSet::CellsPerSheet);
        for (int c = 0; c < SheetSet::CellsPerSheet; ++c) {
            const QPoint at = SheetLayout::cellPosition(i, c);
            // The star's box covers the centre cell's digits whole, so they are left out: the
            // pixels are the same and no hidden number reaches the text of a PDF file.
            if (c == 12)
                drawOpaqueText(painter, at, star);
            else
                drawOpaqueText(painter, at, numberText(sheet[static_cast<std::size_t>(c)]),
                               cellWidth);
        }
    }
    painter.setFont(previous);
}

PageSurface PageSurface::of(const QPagedPaintDevice &device)
{
    return {QSizeF(device.width(), device.height()), qreal(device.logicalDpiX()),
            qreal(device.logicalDpiY())};
}

void printSheetPage(QPainter &painter, const SheetSet &set, int page, const PageSurface &surface,
                    int sheetFontHeight, const SheetNumbering &numbering)
{
    painter.save();
    const QSizeF printable(surface.size.width() * 100 / surface.dpiX,
                           surface.size.height() * 100 / surface.dpiY);
    const qreal fit = SheetLayout::fitScale(printable);
    painter.scale(surface.dpiX / 100 * fit, surface.dpiY / 100 * fit);

    // The text colours of a fresh device context, for a page without sheets.
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);

    const SheetRange onPage = SheetLayout::sheetsOfPage(page, set.sheetCount());
    const SheetRun run(
        onPage.isEmpty() ? std::span<const int>()
                         : set.sheets().subspan(
                               static_cast<std::size_t>(onPage.begin) * SheetSet::CellsPerSheet,
                               static_cast<std::size_t>(onPage.count()) * SheetSet::CellsPerSheet));
    DrawSheetBackgrounds(painter, run);
    DrawSheetNumbers(painter, run, {set.colour(), sheetFontHeight});

    painter.setFont(pageNumberFont());
    drawOpaqueText(painter, SheetLayout::pageNumberPosition(), QString::number(page));
    if (numbering.on)
        DrawSheetLabels(painter, {0, onPage.count()}, onPage.begin + 1, numbering.setCode);
    painter.restore();
}

bool printSheetPages(QPagedPaintDevice &device, const SheetSet &set, int fromPage, int toPage,
                     int sheetFontHeight, const SheetNumbering &numbering)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageSurface surface = PageSurface::of(device);
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage && !device.newPage())
            return false;
        printSheetPage(painter, set, page, surface, sheetFontHeight, numbering);
    }
    return painter.end();
}
