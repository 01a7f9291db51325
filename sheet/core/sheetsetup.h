#pragma once

#include "sheetcolour.h"

#include <QStringView>

#include <optional>

// The answers the setup dialog gives, and the limits within which sheets can be made: a sheet
// needs 25 distinct values from 0..top, and the count bounds the memory a run may take.
struct SheetSetup
{
    static constexpr int MinSheetCount = 0;
    static constexpr int MaxSheetCount = 100000;
    static constexpr int MinTopNumber = 24;
    static constexpr int MaxTopNumber = 100;

    int sheetCount = 10;
    int topNumber = 50;
    std::optional<SheetColour> colour;

    static bool sheetCountAllowed(int count)
    {
        return count >= MinSheetCount && count <= MaxSheetCount;
    }
    static bool topNumberAllowed(int top) { return top >= MinTopNumber && top <= MaxTopNumber; }
};

// What reading one answer of the setup dialog found.
struct SetupAnswer
{
    enum class Problem { None, NotInteger, NotNumber, OutOfRange };

    Problem problem = Problem::None;
    int value = 0;

    bool ok() const { return problem == Problem::None; }
};

// The count field must hold one whole integer within the limits.
SetupAnswer readSheetCount(QStringView text);
// The top number is read like atoi (text after the digits is ignored) and must lie within the
// limits; text without leading digits is not a number.
SetupAnswer readTopNumber(QStringView text);
