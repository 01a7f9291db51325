#include "sheetdrawing.h"

#include "numbertext.h"
#include "sheetrules.h"
#include "sheetset.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

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

// One cell's text in the sheet font, shaped once: its glyphs with their places from the
// text's top-left corner (baseline at the ascent), and its width.
struct ShapedText
{
    QString text;
    qreal width = 0;
    bool primaryFont = false; // every glyph comes from the sheet font itself
    QList<quint32> glyphs;
    QList<QPointF> positions;
};

// Every text a cell can show at one character height: the values 0..100 and the star.
// Shaping a two-digit text costs far more than drawing it, and a page shows 200 of them.
struct CellTexts
{
    std::vector<ShapedText> numbers;
    ShapedText star;
    qreal cellWidth = 0;
    qreal ascent = 0;

    // Whether every box drawn at this character height stays inside its cell's pitch.
    bool fitsCell(int fontHeight) const
    {
        return fontHeight <= SheetLayout::CellPitch && cellWidth <= SheetLayout::CellPitch &&
               star.width <= SheetLayout::CellPitch;
    }
};

ShapedText shape(const QString &text, const QFont &font, const QRawFont &primary)
{
    ShapedText shaped;
    shaped.text = text;
    shaped.width = QFontMetricsF(font).horizontalAdvance(text);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    shaped.primaryFont = runs.size() == 1 && runs.front().rawFont() == primary;
    if (shaped.primaryFont) {
        shaped.glyphs = runs.front().glyphIndexes();
        shaped.positions = runs.front().positions();
    }
    return shaped;
}

// The shaped texts hold no font objects, only glyph numbers and places, so they may outlive
// the application object; the face they were made with is part of the key, as its glyph
// numbers mean nothing in another.
const CellTexts &cellTexts(const QFont &font, const QRawFont &primary)
{
    static std::map<std::pair<int, QString>, CellTexts> cache;
    const std::pair key(font.pixelSize(), primary.familyName() + u'/' + primary.styleName());
    const auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    CellTexts texts;
    for (int value = 0; value <= SheetRules::MaxTop; ++value)
        texts.numbers.push_back(shape(numberText(value), font, primary));
    texts.star = shape(QStringLiteral("★"), font, primary);
    texts.cellWidth = QFontMetricsF(font).horizontalAdvance(QStringLiteral("00"));
    texts.ascent = QFontMetricsF(font).ascent();
    return cache.emplace(key, std::move(texts)).first->second;
}

// Whether the text goes into the cell's box as shaped: not when it must be squeezed into the cell,
// nor when it takes glyphs from more than the sheet font.
bool drawnAsShaped(const CellTexts &texts, const ShapedText &text)
{
    return text.primaryFont && text.width <= texts.cellWidth;
}

// Whether a transform only scales and moves by whole numbers.
bool wholeNumbers(const QTransform &transform)
{
    const auto whole = [](qreal v) { return v == std::round(v); };
    return transform.type() <= QTransform::TxScale && whole(transform.m11()) &&
           whole(transform.m22()) && whole(transform.dx()) && whole(transform.dy());
}

} // namespace

SheetRun::SheetRun(std::span<const int> runCells)
    : SheetRun(runCells, {0, static_cast<int>(runCells.size() / SheetRules::Cells)})
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
    const QFont font = sheetFont(ink.fontHeight);
    painter.setFont(font);
    painter.setPen(QColor(ink.colour.red, ink.colour.green, ink.colour.blue));
    painter.setBackground(yellow);
    const QRawFont rawFont = QRawFont::fromFont(font);
    const CellTexts &texts = cellTexts(font, rawFont);
    // A recorded picture (the print preview) keeps text only as characters, not as glyphs.
    const bool glyphsKept = painter.paintEngine()->type() != QPaintEngine::Picture;

    const QPen textPen = painter.pen();
    const QBrush previousBrush = painter.brush();
    const Qt::BGMode previousMode = painter.backgroundMode();
    const QTransform base = painter.worldTransform();
    std::optional<QPoint> transformedTo;
    const auto toCell = [&painter, &base, &transformedTo](QPoint at) {
        if (transformedTo == at)
            return;
        painter.setWorldTransform(QTransform(base).translate(at.x(), at.y()));
        transformedTo = at;
    };
    const auto drawBox = [&](QPoint at, const ShapedText &text) {
        if (!drawnAsShaped(texts, text))
            return;
        painter.setPen(Qt::NoPen);
        painter.setBrush(yellow);
        toCell(at);
        painter.drawRect(QRectF(0, 0, text.width, ink.fontHeight));
    };
    const auto drawTextOf = [&](QPoint at, const ShapedText &text) {
        painter.setPen(textPen);
        painter.setBrush(previousBrush);
        painter.setBackgroundMode(Qt::TransparentMode);
        if (!drawnAsShaped(texts, text)) {
            // Two digits fill a cell; wider values are squeezed to that width to stay inside.
            painter.setWorldTransform(base);
            transformedTo.reset();
            drawOpaqueText(painter, at, text.text, texts.cellWidth);
            return;
        }
        toCell(at);
        if (glyphsKept) {
            QGlyphRun glyphs;
            glyphs.setRawFont(rawFont);
            glyphs.setGlyphIndexes(text.glyphs);
            glyphs.setPositions(text.positions);
            painter.drawGlyphRun(QPointF(), glyphs);
        } else {
            painter.drawText(QPointF(0, texts.ascent), text.text);
        }
    };

    std::vector<std::pair<QPoint, const ShapedText *>> cells;
    cells.reserve(static_cast<std::size_t>(run.visible.count()) * SheetRules::Cells);
    // Values no sheet set holds are drawn as they always were, text by text.
    std::deque<ShapedText> otherValues;
    for (int i = run.visible.begin; i < run.visible.end; ++i) {
        const auto sheet =
            run.cells.subspan(static_cast<std::size_t>(i) * SheetRules::Cells, SheetRules::Cells);
        for (int c = 0; c < SheetRules::Cells; ++c) {
            const int value = sheet[static_cast<std::size_t>(c)];
            const ShapedText *text = nullptr;
            // The star's box covers the centre cell's digits whole, so they are left out: the
            // pixels are the same and no hidden number reaches the text of a PDF file.
            if (c == SheetRules::StarCell) {
                text = &texts.star;
            } else if (value >= 0 && value <= SheetRules::MaxTop) {
                text = &texts.numbers[static_cast<std::size_t>(value)];
            } else {
                ShapedText &other = otherValues.emplace_back();
                other.text = numberText(value);
                text = &other;
            }
            cells.emplace_back(SheetLayout::cellPosition(i, c), text);
        }
    }
    // Where the transform moves by whole units only, a place reckoned from the run's corner is
    // exactly the one reckoned from the cell's; and where no box reaches into another cell, all
    // boxes can go first. Then every box is filled under one transform and every text joins
    // one run of glyphs, in cell order: the same pixels and text boxes, without a change of
    // state at each cell. Otherwise each cell is drawn from its own corner, box then text, as it
    // always was, so every coordinate that reaches a PDF file stays as it was; characters sized
    // for a fine screen overlap the next cells, whose boxes cover them.
    if (texts.fitsCell(ink.fontHeight) && glyphsKept && wholeNumbers(base)) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(yellow);
        QList<quint32> glyphs;
        QList<QPointF> positions;
        for (const auto &[at, text] : cells) {
            if (!drawnAsShaped(texts, *text))
                continue;
            // One fill a box: a reader aligns the edges of a lone rectangle to its pixels, but
            // not those of many in one path.
            painter.drawRect(QRectF(at, QSizeF(text->width, ink.fontHeight)));
            glyphs.append(text->glyphs);
            for (const QPointF &p : text->positions)
                positions.append(p + at);
        }
        painter.setPen(textPen);
        painter.setBrush(previousBrush);
        QGlyphRun glyphRun;
        glyphRun.setRawFont(rawFont);
        glyphRun.setGlyphIndexes(glyphs);
        glyphRun.setPositions(positions);
        painter.drawGlyphRun(QPointF(), glyphRun);
        for (const auto &[at, text] : cells) {
            if (!drawnAsShaped(texts, *text))
                drawTextOf(at, *text);
        }
    } else {
        for (const auto &[at, text] : cells) {
            drawBox(at, *text);
            drawTextOf(at, *text);
        }
    }
    painter.setWorldTransform(base);
    painter.setBackgroundMode(previousMode);
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
    const auto cellsOf = [&set](SheetRange sheets) {
        return sheets.isEmpty() ? std::span<const int>()
                                : set.sheets().subspan(
                                      static_cast<std::size_t>(sheets.begin) * SheetRules::Cells,
                                      static_cast<std::size_t>(sheets.count()) * SheetRules::Cells);
    };
    // A tall page is one run; a wide one is four runs of a pair each, moved into place. Moving
    // by translation, not save and restore, leaves the text colours the numbers set for the
    // page number.
    const bool wide = SheetLayout::isWide(printable);
    const auto eachRun = [&](const auto &draw) {
        if (!wide) {
            draw(onPage);
            return;
        }
        for (int pair = 0; pair < SheetLayout::SheetsPerPage / 2; ++pair) {
            const int begin = onPage.begin + 2 * pair;
            const SheetRange sheets{begin, std::min(begin + 2, onPage.end)};
            if (sheets.isEmpty() && pair > 0)
                break;
            const QPoint offset = SheetLayout::widePairOffset(pair);
            painter.translate(offset);
            draw(sheets);
            painter.translate(-offset);
        }
    };
    eachRun([&](SheetRange sheets) {
        const SheetRun run(cellsOf(sheets));
        DrawSheetBackgrounds(painter, run);
        DrawSheetNumbers(painter, run, {set.colour(), sheetFontHeight});
    });

    painter.setFont(pageNumberFont());
    drawOpaqueText(painter, SheetLayout::pageNumberPosition(wide), QString::number(page));
    if (numbering.on) {
        eachRun([&](SheetRange sheets) {
            DrawSheetLabels(painter, {0, sheets.count()}, sheets.begin + 1, numbering.setCode);
        });
    }
    painter.restore();
}

bool printSheetPages(QPagedPaintDevice &device, const SheetSet &set, int fromPage, int toPage,
                     int sheetFontHeight, const SheetNumbering &numbering,
                     const PageProgress &progress)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const PageSurface surface = PageSurface::of(device);
    for (int page = fromPage; page <= toPage; ++page) {
        if (page > fromPage && !device.newPage())
            return false;
        printSheetPage(painter, set, page, surface, sheetFontHeight, numbering);
        if (progress && !progress(page - fromPage + 1, toPage - fromPage + 1))
            return false;
    }
    return painter.end();
}
