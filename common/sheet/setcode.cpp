#include "setcode.h"

#include "dialogint.h"
#include "sheetgenerator.h"

#include <QCoreApplication>
#include <algorithm>
#include <stdexcept>

namespace {

constexpr int Base = static_cast<int>(SetCode::Alphabet.size()); // 31, a prime
constexpr std::uint64_t TopChoices = SheetRules::MaxTop - SheetRules::MinTop + 1;
// Every seed with every top number; the eight value characters reach further, and a value
// beyond this names no set.
constexpr std::uint64_t ValueCount = (std::uint64_t{1} << 32) * TopChoices;
// The inverse of the check character's weight 9 modulo 31: 9 * 7 = 63 = 2 * 31 + 1.
constexpr int InverseOfNine = 7;

static_assert(Base == 31);
static_assert([] {
    std::uint64_t room = 1;
    for (int i = 0; i < SetCode::Length - 1; ++i)
        room *= Base;
    return ValueCount <= room;
}());

// The sum over the characters of position (from 1) times digit, modulo 31: the check digit
// makes it 0 for a whole code.
int weightedSum(const std::array<int, SetCode::Length> &digits, int count)
{
    int sum = 0;
    for (int i = 0; i < count; ++i)
        sum = (sum + (i + 1) * digits[static_cast<std::size_t>(i)]) % Base;
    return sum;
}

SetCodeReading refusal(const QString &why)
{
    return {std::nullopt, why};
}

} // namespace

SetCode::SetCode(std::uint32_t seed, int top)
    : m_seed(seed)
    , m_top(top)
{
    if (!SheetRules::topAllowed(top))
        throw std::invalid_argument("a set's top number lies in 24..100");
}

QString SetCode::text() const
{
    std::uint64_t value =
        std::uint64_t{m_seed} * TopChoices + std::uint64_t(m_top - SheetRules::MinTop);
    std::array<int, Length> digits{};
    for (int i = Length - 2; i >= 0; --i) {
        digits[static_cast<std::size_t>(i)] = static_cast<int>(value % Base);
        value /= Base;
    }
    digits[Length - 1] = (Base - weightedSum(digits, Length - 1)) * InverseOfNine % Base;

    QString shown;
    for (int i = 0; i < Length; ++i) {
        if (i == 4)
            shown += QLatin1Char('-');
        shown +=
            QLatin1Char(Alphabet[static_cast<std::size_t>(digits[static_cast<std::size_t>(i)])]);
    }
    return shown;
}

SetCodeReading SetCode::read(const QString &typed)
{
    std::array<int, Length> digits{};
    int count = 0;
    // Full-width letters and dashes, as a Japanese input method types them, count as their
    // plain forms.
    for (const QChar typedChar : typed.normalized(QString::NormalizationForm_KC)) {
        if (typedChar.isSpace() || typedChar == QLatin1Char('-'))
            continue;
        const QChar upper = typedChar.toUpper();
        const auto at = upper.unicode() < 0x80 ? Alphabet.find(static_cast<char>(upper.unicode()))
                                               : std::string_view::npos;
        if (at == std::string_view::npos)
            return refusal(QCoreApplication::translate(
                               "SetCode",
                               "コードに使われない文字「%1」があります（コードは 2～9 と、I, L, O "
                               "を除く英字でできています）。")
                               .arg(typedChar));
        if (count < Length)
            digits[static_cast<std::size_t>(count)] = static_cast<int>(at);
        ++count;
    }
    if (count == 0)
        return refusal(QCoreApplication::translate("SetCode", "コードを入力してください。"));
    if (count != Length)
        return refusal(
            QCoreApplication::translate("SetCode", "コードは %1 文字です（入力は %2 文字でした）。")
                .arg(Length)
                .arg(count));
    if (weightedSum(digits, Length) != 0)
        return refusal(QCoreApplication::translate(
            "SetCode", "コードが正しくありません（確認文字が合いません）。"));

    std::uint64_t value = 0;
    for (int i = 0; i < Length - 1; ++i)
        value = value * Base + std::uint64_t(digits[static_cast<std::size_t>(i)]);
    if (value >= ValueCount)
        return refusal(QCoreApplication::translate(
            "SetCode", "コードが正しくありません（どのシートの組にも当たりません）。"));
    return {SetCode(static_cast<std::uint32_t>(value / TopChoices),
                    SheetRules::MinTop + static_cast<int>(value % TopChoices)),
            {}};
}

std::optional<QString> SetCode::sheetNumberRefusal(qint64 number)
{
    if (number >= 1 && number <= SheetRules::MaxSheetCount)
        return std::nullopt;
    return QCoreApplication::translate(
               "SetCode", "シート番号 %1 はありません。シート番号は 1 から %2 までです。")
        .arg(number)
        .arg(SheetRules::MaxSheetCount);
}

std::optional<qint64> SetCode::readSheetNumber(QStringView text)
{
    // Large enough to show as typed in a refusal, far from overflowing.
    constexpr qint64 Ceiling = 999'999'999'999'999'999;
    const QString plain = text.toString().normalized(QString::NormalizationForm_KC).trimmed();
    if (plain.isEmpty())
        return std::nullopt;
    qint64 value = 0;
    for (const QChar c : plain) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value =
            value > Ceiling / 10 ? Ceiling : std::min(Ceiling, value * 10 + (c.unicode() - u'0'));
    }
    return value;
}

SheetRules::Sheet SetCode::sheet(int number) const
{
    return sheetOfSet(m_seed, m_top, number);
}
