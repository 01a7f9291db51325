#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

// The result of reading an integer from dialog text.
struct DialogInt
{
    enum class Status { Ok, NoDigits, OutOfRange, TrailingText };

    Status status = Status::NoDigits;
    int value = 0;

    bool ok() const { return status == Status::Ok; }
};

// Reads text the way the C runtime's atoi does: leading blanks, an optional sign, then digits up
// to the first other character. No digits gives NoDigits with value 0; a value outside the
// 32-bit range gives OutOfRange (never undefined behaviour). Text after the digits is ignored.
DialogInt readLeadingInt(QStringView text);

// Reads text that must be one whole integer: blanks around it are allowed, anything else after
// the digits gives TrailingText.
DialogInt readWholeInt(QStringView text);

// Reads a number given on a command line: plain decimal digits only (no blank, sign, base
// prefix or exponent), at most max; nothing otherwise.
std::optional<std::uint32_t> readPlainNumber(QStringView text, std::uint32_t max);
