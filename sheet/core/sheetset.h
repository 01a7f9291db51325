#pragma once

#include "randomsource.h"
#include "sheetsetup.h"
#include "textcolour.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

// The run's sheets: 25 numbers per sheet, sheet after sheet, made once and never changed.
class SheetSet
{
public:
    // Takes the answers, allocates the sheet block and fills every sheet in index order from
    // the one generator (fillSheets), then turns the colour choice into its components. Throws
    // std::invalid_argument for answers outside the setup limits (the generation could not
    // end or would divide by zero) and std::bad_alloc when the block cannot be allocated.
    void generate(const SheetSetup &setup, RandomSource &random);

    int sheetCount() const { return m_sheetCount; }
    int topNumber() const { return m_topNumber; }
    // The colour chosen, if any.
    std::optional<SheetColour> colourChoice() const { return m_colour; }
    // The text colour, from the low byte of each component.
    Rgb colour() const { return {m_red & 0xFF, m_green & 0xFF, m_blue & 0xFF}; }

    // All sheets, or the cells of one.
    std::span<const int> sheets() const;
    std::span<const int, SheetRules::Cells> sheet(int index) const;

private:
    void ApplyColorChoice();

    std::unique_ptr<int[]> m_sheets;
    std::optional<SheetColour> m_colour;
    int m_topNumber = 0;
    int m_sheetCount = 0;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
};

// The sheets of a setup, filled from the C runtime generator seeded with seed: the view and the
// PDF export both make their sheets here, so the same setup and seed give the same sheets
// everywhere. Empty when the sheet block cannot be allocated; answers outside the setup limits
// throw std::invalid_argument as generate does.
std::optional<SheetSet> makeSheetSet(const SheetSetup &setup, std::uint32_t seed);
