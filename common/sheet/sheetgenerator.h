#pragma once

#include "randomsource.h"
#include "sheetrules.h"

#include <cstdint>
#include <span>

// The one way sheets are made. A set is filled sheet after sheet from one generator, each cell
// taking exactly one value, so sheet n of a set is the fill that follows 25 * (n - 1) values.

// Fills cells (a whole number of sheets) with the next sheets from random. Throws
// std::invalid_argument for a top outside the limits or cells that are not whole sheets.
void fillSheets(std::span<int> cells, int top, RandomSource &random);

// Sheet number (from 1) of the set that the C runtime generator seeded with seed makes for top.
// Throws std::invalid_argument for a top or a number outside the limits.
SheetRules::Sheet sheetOfSet(std::uint32_t seed, int top, int number);
