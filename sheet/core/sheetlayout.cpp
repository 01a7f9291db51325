#include "sheetlayout.h"

#include "sheetrules.h"

#include <algorithm>
#include <cmath>

QRect SheetLayout::sheetRect(int sheet)
{
    const int top = RowPitch * rowOf(sheet) + 10;
    const int bottom = RowPitch * rowOf(sheet) + RowPitch;
    const int left = columnOf(sheet) == 0 ? 10 : 287;
    const int right = columnOf(sheet) == 0 ? 277 : 559;
    return {left, top, right - left, bottom - top};
}

QPoint SheetLayout::cellPosition(int sheet, int cell)
{
    const int x0 = columnOf(sheet) == 0 ? 15 : 295;
    const int y0 = RowPitch * rowOf(sheet) + 15;
    return {x0 + CellPitch * SheetRules::columnOf(cell), y0 + CellPitch * SheetRules::rowOf(cell)};
}

QSize SheetLayout::scrollSize(int sheetCount)
{
    return {ScrollWidth, (sheetCount + 1) / 2 * ScrollRowHeight};
}

SheetRange SheetLayout::sheetsMeeting(const QRectF &area, int sheetCount)
{
    if (area.isEmpty() || sheetCount <= 0)
        return {};
    const qreal top = std::max<qreal>(area.top(), 0);
    const qreal bottom = std::min<qreal>(area.bottom(), qreal(rowCount(sheetCount)) * RowPitch);
    if (bottom <= top)
        return {};
    const int firstRow = static_cast<int>(std::floor(top / RowPitch));
    const int lastRow = static_cast<int>(std::ceil(bottom / RowPitch)) - 1;
    return {2 * firstRow, std::min(sheetCount, 2 * (lastRow + 1))};
}

SheetRange SheetLayout::sheetsOfPage(int page, int sheetCount)
{
    const int first = (page - 1) * SheetsPerPage;
    const int count = std::clamp(sheetCount - first, 0, SheetsPerPage);
    return {first, first + count};
}

qreal SheetLayout::fitScale(const QSizeF &printable)
{
    const QSizeF extent = pageExtent(isWide(printable));
    return std::min(
        {qreal(1), printable.width() / extent.width(), printable.height() / extent.height()});
}
