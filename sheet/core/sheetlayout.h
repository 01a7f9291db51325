#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>

// A run of consecutive sheets, [begin, end).
struct SheetRange
{
    int begin = 0;
    int end = 0;

    int count() const { return end - begin; }
    bool isEmpty() const { return end <= begin; }
    friend constexpr bool operator==(const SheetRange &, const SheetRange &) = default;
};

// Where everything of the sheets goes, in 0.01-inch units from the top-left corner of the
// drawing, y downwards. Sheet i of a run sits in row i / 2, column i % 2.
class SheetLayout
{
public:
    static constexpr int RowPitch = 277;
    static constexpr int CellPitch = 52;
    static constexpr int SheetsPerPage = 8;
    static constexpr int ScrollWidth = 720;     // pixels
    static constexpr int ScrollRowHeight = 360; // pixels per row of two sheets
    static constexpr int PageNumberX = 380;
    static constexpr int PageNumberY = 1112;
    static constexpr int PageNumberHeight = 16;
    static constexpr int SheetFontTenthsOfPoint = 360;

    static int rowOf(int sheet) { return sheet / 2; }
    static int columnOf(int sheet) { return sheet % 2; }
    static int rowCount(int sheetCount) { return sheetCount / 2 + sheetCount % 2; }

    // The cyan rectangle of a sheet; right and bottom edges excluded, as a fill covers them.
    static QRect sheetRect(int sheet);
    // The top-left corner of a cell's text.
    static QPoint cellPosition(int sheet, int cell);

    // The scroll range of the view, in pixels.
    static QSize scrollSize(int sheetCount);
    // The sheets whose rows meet an area of the drawing.
    static SheetRange sheetsMeeting(const QRectF &area, int sheetCount);

    // Pages run from 1; even no sheets make one page.
    static int pageCount(int sheetCount) { return (sheetCount - 1) / SheetsPerPage + 1; }
    static SheetRange sheetsOfPage(int page, int sheetCount);
    // A page wider than it is high (landscape paper) holds its eight sheets four across in two
    // rows: the pairs of sheets 0-1, 2-3, 4-5 and 6-7 sit left, right, left, right, each pair
    // laid out as on a tall page, the right one a column pitch past the left.
    static bool isWide(const QSizeF &printable) { return printable.width() > printable.height(); }
    static constexpr int WidePairPitch = 559;
    // Where the pair of sheets 2 * pair and 2 * pair + 1 of a wide page starts.
    static QPoint widePairOffset(int pair)
    {
        return {pair % 2 * WidePairPitch, pair / 2 * RowPitch};
    }
    static QPoint pageNumberPosition(bool wide = false)
    {
        return wide ? QPoint(PageNumberX + WidePairPitch / 2, 2 * RowPitch + 4)
                    : QPoint(PageNumberX, PageNumberY);
    }
    // Everything a page draws: the right edge of the right column, the foot of the page number.
    static QSizeF pageExtent(bool wide = false)
    {
        return wide ? QSizeF(WidePairPitch + 559, pageNumberPosition(true).y() + PageNumberHeight)
                    : QSizeF(559, PageNumberY + PageNumberHeight);
    }
    // The uniform scale that fits a page into a printable area (in 0.01-inch units), laid out
    // for its shape: 1 where it fits at its designed size, smaller where it does not.
    static qreal fitScale(const QSizeF &printable);

    // The sheet font's character height: its point size converted at the screen's resolution.
    static int sheetFontHeight(int screenDpiY) { return screenDpiY * SheetFontTenthsOfPoint / 720; }
};
