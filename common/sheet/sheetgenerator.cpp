#include "sheetgenerator.h"

#include "crtrandom.h"
#include "numberfill.h"

#include <stdexcept>
#include <string>

void fillSheets(std::span<int> cells, int top, RandomSource &random)
{
    if (!SheetRules::topAllowed(top))
        throw std::invalid_argument("top number out of range: " + std::to_string(top));
    if (cells.size() % SheetRules::Cells != 0)
        throw std::invalid_argument("sheet cells: " + std::to_string(cells.size()) +
                                    " is no whole number of sheets");
    for (std::size_t at = 0; at < cells.size(); at += SheetRules::Cells)
        fillUniqueNumbers(cells.subspan(at, SheetRules::Cells), SheetRules::Cells, top, random);
}

SheetRules::Sheet sheetOfSet(std::uint32_t seed, int top, int number)
{
    if (!SheetRules::topAllowed(top))
        throw std::invalid_argument("top number out of range: " + std::to_string(top));
    if (number < 1 || number > SheetRules::MaxSheetCount)
        throw std::invalid_argument("sheet number out of range: " + std::to_string(number));
    CrtRandom random(seed);
    for (long skip = long{SheetRules::Cells} * (number - 1); skip > 0; --skip)
        random.rand();
    SheetRules::Sheet sheet{};
    fillSheets(sheet, top, random);
    return sheet;
}
