#include "dialogint.h"

#include <cstdint>
#include <limits>

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Parses from the start of text; returns the result and the index after the last digit.
DialogInt parse(QStringView text, qsizetype &end)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    const qsizetype firstDigit = i;
    std::int64_t magnitude = 0;
    bool overflow = false;
    constexpr std::int64_t limit = std::int64_t(std::numeric_limits<int>::max()) + 1;
    while (i < text.size() && isDigit(text[i])) {
        if (!overflow) {
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
            overflow = magnitude > limit;
        }
        ++i;
    }
    end = i;
    if (i == firstDigit)
        return {DialogInt::Status::NoDigits, 0};
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (overflow || value > std::numeric_limits<int>::max() ||
        value < std::numeric_limits<int>::min())
        return {DialogInt::Status::OutOfRange, 0};
    return {DialogInt::Status::Ok, static_cast<int>(value)};
}

} // namespace

DialogInt readLeadingInt(QStringView text)
{
    qsizetype end = 0;
    return parse(text, end);
}

DialogInt readWholeInt(QStringView text)
{
    qsizetype end = 0;
    DialogInt result = parse(text, end);
    if (!result.ok())
        return result;
    while (end < text.size() && isBlank(text[end]))
        ++end;
    if (end != text.size())
        return {DialogInt::Status::TrailingText, 0};
    return result;
}

std::optional<std::uint32_t> readPlainNumber(QStringView text, std::uint32_t max)
{
    if (text.isEmpty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > max)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}
