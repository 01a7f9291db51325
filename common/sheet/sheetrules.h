#pragma once

#include <array>

// What makes a bingo sheet, for both programs: a grid of 5 by 5 cells with the star in the
// centre, filled from 0..top, and the limits within which a set of sheets is made. Cells are
// numbered column by column: cell c is at column c / 5, row c % 5.
namespace SheetRules {

inline constexpr int Size = 5;
inline constexpr int Cells = Size * Size;
inline constexpr int StarCell = Cells / 2;

// A sheet needs 25 distinct values from 0..top; the count bounds the memory a run may take.
inline constexpr int MinTop = 24;
inline constexpr int MaxTop = 100;
inline constexpr int MinSheetCount = 0;
inline constexpr int MaxSheetCount = 100000;

using Sheet = std::array<int, Cells>;

constexpr int columnOf(int cell)
{
    return cell / Size;
}
constexpr int rowOf(int cell)
{
    return cell % Size;
}
constexpr int cellAt(int column, int row)
{
    return column * Size + row;
}

constexpr bool topAllowed(int top)
{
    return top >= MinTop && top <= MaxTop;
}
constexpr bool sheetCountAllowed(int count)
{
    return count >= MinSheetCount && count <= MaxSheetCount;
}

} // namespace SheetRules
