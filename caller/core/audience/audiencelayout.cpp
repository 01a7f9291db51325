#include "audiencelayout.h"

#include <algorithm>

namespace {

// Two or three digits need a cell wider than it is high.
constexpr double CellAspect = 1.3;

} // namespace

AudienceLayout::AudienceLayout(QSizeF size, int cellCount, int recentCount)
    : m_recentCount(std::max(1, recentCount))
{
    const double w = size.width();
    const double h = size.height();
    const double margin = std::min(w, h) * 0.025;
    QRectF column;
    if (w >= h) {
        const double split = w * 0.4;
        column = QRectF(margin, margin, split - 1.5 * margin, h - 2 * margin);
        m_board = QRectF(split, margin, w - split - margin, h - 2 * margin);
    } else {
        const double split = h * 0.5;
        column = QRectF(margin, margin, w - 2 * margin, split - 1.5 * margin);
        m_board = QRectF(margin, split, w - 2 * margin, h - split - margin);
    }
    const double ch = column.height();
    m_state = QRectF(column.left(), column.top(), column.width(), ch * 0.12);
    m_latest = QRectF(column.left(), m_state.bottom(), column.width(), ch * 0.52);
    m_count = QRectF(column.left(), m_latest.bottom(), column.width(), ch * 0.16);
    m_recent =
        QRectF(column.left(), m_count.bottom(), column.width(), column.bottom() - m_count.bottom());

    // As many columns as give the largest digits.
    const int cells = std::max(1, cellCount);
    double best = -1;
    for (int columns = 1; columns <= cells; ++columns) {
        const int rows = (cells + columns - 1) / columns;
        const double digits =
            std::min(m_board.width() / columns / CellAspect, m_board.height() / rows);
        if (digits > best) {
            best = digits;
            m_columns = columns;
            m_rows = rows;
        }
    }
}

QRectF AudienceLayout::cell(int index) const
{
    const double width = m_board.width() / m_columns;
    const double height = m_board.height() / m_rows;
    return QRectF(m_board.left() + (index % m_columns) * width,
                  m_board.top() + (index / m_columns) * height, width, height);
}

QRectF AudienceLayout::recentSlot(int index) const
{
    const double width = m_recent.width() / m_recentCount;
    return QRectF(m_recent.left() + index * width, m_recent.top(), width, m_recent.height());
}
