#pragma once

#include "sheetlayout.h"

#include <QString>

class QPainter;

// Numbered sheets: under its grid each sheet carries its number in the set and the set's code,
// so that a sheet cut from its page can still be checked. The grid fills the cyan rectangle but
// for a few hundredths of an inch, so the label sits in the strip from the grid's foot to the
// middle of the white gap below, right-aligned with the rectangle; nothing of the designed page
// moves.
struct SheetNumbering
{
    bool on = false;
    QString setCode;
};

class SheetLabels
{
public:
    // In 0.01-inch units: a character height of 7.2 pt, and the baseline's distance below the
    // top of the sheet's row (the rectangle ends at 277, the next one starts at 287).
    static constexpr int Height = 10;
    static constexpr int Baseline = 280;
    static constexpr int RightInset = 5;
    // How far a label reaches below its own row of sheets.
    static constexpr int Overhang = Baseline - SheetLayout::RowPitch + 2;

    static QString text(int number, const QString &setCode);
};

// Draws the labels of the sheets at `places` of a run; the sheet at place i is sheet
// number firstNumber + i of the set.
void DrawSheetLabels(QPainter &painter, SheetRange places, int firstNumber, const QString &setCode);
