#pragma once

#include "sheetcolour.h"
#include "sheetrules.h"

#include <QStringView>

#include <optional>

// The answers the setup dialog gives; SheetRules holds the limits they must keep.
struct SheetSetup
{
    int sheetCount = 10;
    int topNumber = 50;
    std::optional<SheetColour> colour;
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
