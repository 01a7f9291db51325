#include "sheetset.h"

#include "crtrandom.h"
#include "numberfill.h"

#include <new>
#include <stdexcept>
#include <string>
#include <utility>

void SheetSet::generate(const SheetSetup &setup, RandomSource &random)
{
    if (!SheetSetup::sheetCountAllowed(setup.sheetCount))
        throw std::invalid_argument("sheet count out of range: " +
                                    std::to_string(setup.sheetCount));
    if (!SheetSetup::topNumberAllowed(setup.topNumber))
        throw std::invalid_argument("top number out of range: " + std::to_string(setup.topNumber));

    // Allocated before anything changes, so a failure leaves the set as it was.
    auto block =
        std::make_unique<int[]>(static_cast<std::size_t>(setup.sheetCount) * CellsPerSheet);
    m_sheetCount = setup.sheetCount;
    m_topNumber = setup.topNumber;
    m_colour = setup.colour;
    m_sheets = std::move(block);
    for (m_curSheet = 0; m_curSheet < m_sheetCount; ++m_curSheet)
        FillSheet(m_sheets.get(), random);
    ApplyColorChoice();
}

std::span<const int> SheetSet::sheets() const
{
    return {m_sheets.get(), static_cast<std::size_t>(m_sheetCount) * CellsPerSheet};
}

std::span<const int, SheetSet::CellsPerSheet> SheetSet::sheet(int index) const
{
    return sheets().subspan(static_cast<std::size_t>(index) * CellsPerSheet).first<CellsPerSheet>();
}

void SheetSet::FillSheet(int *sheets, RandomSource &random)
{
    const std::span<int> cells(sheets + static_cast<std::size_t>(m_curSheet) * CellsPerSheet,
                               CellsPerSheet);
    fillUniqueNumbers(cells, CellsPerSheet, m_topNumber, random);
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
