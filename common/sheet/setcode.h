#pragma once

#include "sheetrules.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <string_view>

struct SetCodeReading;

// The code of a sheet set: the seed and the top number that made it, in nine characters shown
// as "XXXX-XXXXX", so that the code and a sheet's number are enough to make that sheet again.
// The characters leave out those people confuse (0/O, 1/I/L); the last one is a check that
// refuses any single wrong character and any swap of two different neighbours.
class SetCode
{
public:
    static constexpr std::string_view Alphabet = "23456789ABCDEFGHJKMNPQRSTUVWXYZ";
    static constexpr int Length = 9; // eight characters of value and the check

    // Throws std::invalid_argument for a top number outside the sheets' limits.
    SetCode(std::uint32_t seed, int top);

    std::uint32_t seed() const { return m_seed; }
    int top() const { return m_top; }
    // The code grouped for reading aloud: four characters, a dash, five characters.
    QString text() const;

    // A typed code, or why it names no set. Case, spaces and dashes do not matter.
    static SetCodeReading read(const QString &typed);

    // Why a sheet number cannot be checked, or nothing when it names a sheet of a set.
    static std::optional<QString> sheetNumberRefusal(qint64 number);
    // A number typed in the sheet check (a sheet number, a number called): digits, full-width
    // ones too, as the code takes them; leading zeros and blanks around them do not matter.
    // Nothing when it is not a number; a number beyond any sheet reads as at least that.
    static std::optional<qint64> readSheetNumber(QStringView text);
    // The cells of sheet `number` (from 1) as the sheet program filled them: the sets are filled
    // sheet after sheet from the one generator, 25 values a sheet. Cell c is shown at column
    // c / 5, row c % 5. Throws std::invalid_argument for a number
    // outside 1..SheetRules::MaxSheetCount.
    SheetRules::Sheet sheet(int number) const;

    friend bool operator==(const SetCode &, const SetCode &) = default;

private:
    std::uint32_t m_seed;
    int m_top;
};

struct SetCodeReading
{
    std::optional<SetCode> code;
    QString error;
};
