#include "phonesheets.h"

#include "crtrandom.h"
#include "sheetrules.h"

#include <QCoreApplication>
#include <QCryptographicHash>

namespace {

// Each game's phone set takes a stretch of the sequence of its own, as long as the longest set.
constexpr std::uint64_t PhoneOffset = CrtRandom::CallerOffset - 0x4000'0000;
constexpr std::uint64_t GameStride = 1u << 22;
constexpr std::uint64_t SetSteps = 2'500'000;
// The values repeat every 2^31 steps; the caller draws far fewer than this in a run.
constexpr std::uint64_t Period = 1u << 31;
constexpr std::uint64_t CallerSteps = 1u << 20;

static_assert(GameStride >= SetSteps);
// Every game's stretch lies between the printed sheets' stretch and the caller's, with room.
static_assert(PhoneOffset > SetSteps + GameStride);
static_assert(PhoneOffset + PhoneSheets::DistinctGames * GameStride + SetSteps <
              CrtRandom::CallerOffset);
static_assert(CrtRandom::CallerOffset + CallerSteps < Period);

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

std::uint32_t PhoneSheets::setSeed(std::uint32_t callerSeed, int gameOfRun)
{
    const auto game = std::uint64_t(std::max(gameOfRun - 1, 0) % DistinctGames);
    return CrtRandom::advanced(callerSeed, PhoneOffset + game * GameStride);
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
