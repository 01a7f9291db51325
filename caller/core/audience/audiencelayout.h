#pragma once

#include <QRectF>
#include <QSizeF>

// Where each part of the audience screen goes in a window of a given size: the state line,
// the latest number as large as the space allows, "n / N", the row of the last few numbers and
// the board, whose cells are as large as the window lets them be. A wide window puts the
// board beside the rest, a tall one below it.
class AudienceLayout
{
public:
    AudienceLayout(QSizeF size, int cellCount, int recentCount);

    QRectF state() const { return m_state; }
    QRectF latest() const { return m_latest; }
    QRectF count() const { return m_count; }
    QRectF recentRow() const { return m_recent; }
    QRectF board() const { return m_board; }
    int columns() const { return m_columns; }
    int rows() const { return m_rows; }
    // The board cell of the number at index, in order from 0 across the rows.
    QRectF cell(int index) const;
    // Slot index of the recent row, newest at 0.
    QRectF recentSlot(int index) const;

private:
    QRectF m_state;
    QRectF m_latest;
    QRectF m_count;
    QRectF m_recent;
    QRectF m_board;
    int m_columns = 1;
    int m_rows = 1;
    int m_recentCount = 1;
};
