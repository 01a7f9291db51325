#include "sheetset.h"

#include "crtrandom.h"
#include "sheetgenerator.h"

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

void SheetSet::generate(const SheetSetup &setup, RandomSource &random)
{
    if (!SheetRules::sheetCountAllowed(setup.sheetCount))
        throw std::invalid_argument("sheet count out of range: " +
                                    std::to_string(setup.sheetCount));
    if (!SheetRules::topAllowed(setup.topNumber))
        throw std::invalid_argument("top number out of range: " + std::to_string(setup.topNumber));

    // Allocated before anything changes, so a failure leaves the set as it was.
    auto block =
        std::make_unique<int[]>(static_cast<std::size_t>(setup.sheetCount) * SheetRules::Cells);
    m_sheetCount = setup.sheetCount;
    m_topNumber = setup.topNumber;
    m_colour = setup.colour;
    m_sheets = std::move(block);
    fillSheets(std::span<int>(m_sheets.get(), sheets().size()), m_topNumber, random);
    ApplyColorChoice();
}

std::span<const int> SheetSet::sheets() const
{
    return {m_sheets.get(), static_cast<std::size_t>(m_sheetCount) * SheetRules::Cells};
}

std::span<const int, SheetRules::Cells> SheetSet::sheet(int index) const
{
    return sheets()
        .subspan(static_cast<std::size_t>(index) * SheetRules::Cells)
        .first<SheetRules::Cells>();
}

void SheetSet::ApplyColorChoice()
{
    if (!m_colour)
        return;
    Rgb chosen;
    switch (*m_colour) {
    case SheetColour::Blue:
        chosen = TextColours::Blue;
        break;
    case SheetColour::Red:
        chosen = TextColours::Red;
        break;
    case SheetColour::Green:
        chosen = TextColours::Green;
        break;
    }
    m_red = chosen.red;
    m_green = chosen.green;
    m_blue = chosen.blue;
}

std::optional<SheetSet> makeSheetSet(const SheetSetup &setup, std::uint32_t seed)
{
    CrtRandom random(seed);
    SheetSet set;
    try {
        set.generate(setup, random);
    } catch (const std::bad_alloc &) {
        return std::nullopt;
    }
    return set;
}
