#include "phonesheets.h"

#include "crtrandom.h"
#include "sheetrules.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

// The longest set takes at most this many steps; the caller draws far fewer in a run.
constexpr std::uint64_t SetSteps = 2'500'000;
constexpr std::uint64_t CallerSteps = 1'000'000;
// The values come from the state's low 31 bits, which repeat every 2^31 steps.
constexpr std::uint32_t ValueBits = 0x7FFF'FFFF;

// Whether `to` is among the `steps` states from `from` on, as far as the values go.
bool reaches(std::uint32_t from, std::uint32_t to, std::uint64_t steps)
{
    std::uint32_t state = from;
    for (std::uint64_t step = 0; step < steps; ++step, state = state * 214013u + 2531011u) {
        if (((state ^ to) & ValueBits) == 0)
            return true;
    }
    return false;
}

bool isLowerHex(QByteArrayView text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

} // namespace

bool PhoneSheets::isToken(QByteArrayView token)
{
    return token.size() == TokenLength && isLowerHex(token);
}

QByteArray PhoneSheets::tokenHash(QByteArrayView token)
{
    return QCryptographicHash::hash(token, QCryptographicHash::Sha256).toHex();
}

bool PhoneSheets::isTokenHash(QByteArrayView hash)
{
    return hash.size() == 64 && isLowerHex(hash);
}

bool PhoneSheets::keepsApart(std::uint32_t seed, std::uint32_t callerSeed)
{
    const std::uint32_t draws = CrtRandom::callerStart(callerSeed);
    return !reaches(seed, callerSeed, SetSteps) && !reaches(callerSeed, seed, SetSteps) &&
           !reaches(seed, draws, SetSteps) && !reaches(draws, seed, CallerSteps);
}

std::uint32_t PhoneSheets::setSeed(std::uint32_t callerSeed,
                                   const std::function<std::uint32_t()> &random)
{
    // A candidate falls within reach about once in a thousand draws; a hundred in a row never.
    std::uint32_t seed = random();
    for (int tries = 1; tries < 100 && !keepsApart(seed, callerSeed); ++tries)
        seed = random();
    return seed;
}

std::optional<QString> PhoneSheets::nameRefusal(const QString &name)
{
    const QList<uint> characters = name.toUcs4();
    if (characters.size() > MaxNameLength)
        return QCoreApplication::translate("PhoneSheets", "名前は %1 文字までです。")
            .arg(MaxNameLength);
    for (const uint c : characters) {
        if (!QChar::isPrint(char32_t(c)) || QChar::category(char32_t(c)) == QChar::Separator_Line ||
            QChar::category(char32_t(c)) == QChar::Separator_Paragraph)
            return QCoreApplication::translate("PhoneSheets", "名前に使えない文字が入っています。");
    }
    return std::nullopt;
}

void PhoneSheetSupply::reset(std::optional<SetCode> set, const QList<PhoneSheetHolding> &holdings)
{
    m_set = set;
    m_started = false;
    m_holdings.clear();
    m_indexOf.clear();
    m_perAddress.clear();
    for (const PhoneSheetHolding &holding : holdings) {
        // A later record of the same phone renames its sheet.
        if (const auto index = m_indexOf.constFind(holding.tokenHash); index != m_indexOf.cend()) {
            m_holdings[*index].name = holding.name;
            continue;
        }
        m_indexOf.insert(holding.tokenHash, int(m_holdings.size()));
        m_holdings.append(holding);
    }
}

bool PhoneSheetSupply::handingOut() const
{
    using HandOut = PhoneSheetPolicy::HandOut;
    return m_policy.enabled && (m_policy.handOut == HandOut::Open ||
                                (m_policy.handOut == HandOut::UntilFirstStart && !m_started));
}

const PhoneSheetHolding *PhoneSheetSupply::holding(const QByteArray &tokenHash) const
{
    const auto index = m_indexOf.constFind(tokenHash);
    return index == m_indexOf.cend() ? nullptr : &m_holdings[*index];
}

std::variant<std::pair<int, bool>, PhoneSheetSupply::Refusal>
PhoneSheetSupply::take(const QByteArray &tokenHash, const QString &address)
{
    if (const PhoneSheetHolding *held = holding(tokenHash))
        return std::pair{held->number, false};
    if (!m_policy.enabled)
        return Refusal::Off;
    if (!m_set)
        return Refusal::NoSet;
    if (!handingOut())
        return Refusal::Closed;
    if (count() >= std::min(m_policy.total, SheetRules::MaxSheetCount))
        return Refusal::SoldOut;
    int &fromAddress = m_perAddress[address];
    if (fromAddress >= m_policy.perAddress)
        return Refusal::AddressLimit;
    ++fromAddress;
    // Numbers follow the holdings, so a resumed game goes on after its last sheet.
    const int number = count() == 0 ? 1 : m_holdings.constLast().number + 1;
    m_indexOf.insert(tokenHash, int(m_holdings.size()));
    m_holdings.append({tokenHash, number, {}});
    return std::pair{number, true};
}

bool PhoneSheetSupply::name(const QByteArray &tokenHash, const QString &name)
{
    const auto index = m_indexOf.constFind(tokenHash);
    if (index == m_indexOf.cend())
        return false;
    m_holdings[*index].name = name;
    return true;
}

HallSheet PhoneSheetSupply::hallSheet(const PhoneSheetHolding &holding) const
{
    return {m_set ? m_set->text() : QString(), holding.number, holding.name, true};
}

QString PhoneSheetSupply::refusalText(Refusal refusal)
{
    switch (refusal) {
    case Refusal::Off:
        return QCoreApplication::translate("PhoneSheets", "スマホのシートは配っていません。");
    case Refusal::Closed:
        return QCoreApplication::translate("PhoneSheets", "シートを配る時間は終わりました。");
    case Refusal::NoSet:
        return QCoreApplication::translate(
                   "PhoneSheets", "このゲームの数ではシートを作れません (%1 以上が必要です)。")
            .arg(SheetRules::MinTop);
    case Refusal::SoldOut:
        return QCoreApplication::translate("PhoneSheets", "シートはすべて配り終わりました。");
    case Refusal::AddressLimit:
        return QCoreApplication::translate("PhoneSheets",
                                           "このネットワークの住所には、もうシートを配れません。");
    }
    return {};
}
