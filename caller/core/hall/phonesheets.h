#pragma once

#include "hallsheet.h"
#include "setcode.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>

// Which phone holds which phone sheet: the hash of the phone's token, never the token.
struct PhoneSheetHolding
{
    QByteArray tokenHash; // SHA-256 of the token, 64 lower-case hex digits
    int number = 0;
    QString name;

    friend bool operator==(const PhoneSheetHolding &, const PhoneSheetHolding &) = default;
};

namespace PhoneSheets {

// The token a phone keeps: 128 random bits, 32 lower-case hex digits.
inline constexpr int TokenLength = 32;
inline constexpr int MaxNameLength = 16;

bool isToken(QByteArrayView token);
QByteArray tokenHash(QByteArrayView token);
bool isTokenHash(QByteArrayView hash);

// The seed of a game's phone sheets: a random one, since the set code shows its seed to every
// phone and a seed derived from the caller's would give away the draw order. Its stretch of the
// generator's sequence is kept apart from the stretch the caller draws from (see
// CrtRandom::callerStart) and from the one the printed sheets of the caller's seed are made
// from; a candidate that comes within reach of either is drawn again.
std::uint32_t setSeed(std::uint32_t callerSeed, const std::function<std::uint32_t()> &random);
// Whether a set filled from seed stays apart from both stretches of the caller's seed.
bool keepsApart(std::uint32_t seed, std::uint32_t callerSeed);

// Why a name cannot be shown with a sheet, or nothing when it can (empty clears it).
std::optional<QString> nameRefusal(const QString &name);

} // namespace PhoneSheets

// The phone sheets of one game: one sheet per phone token, numbered from 1 in the order they
// were handed out, within the operator's policy. Plain data, for whichever thread serves.
class PhoneSheetSupply
{
public:
    enum class Refusal { Off, Closed, NoSet, SoldOut, AddressLimit };

    // A new game's set (none while its top number allows no sheet) and the holders a resume
    // brings back.
    void reset(std::optional<SetCode> set, const QList<PhoneSheetHolding> &holdings = {});
    // The same holders, a set of another top number (the top number changed before the start).
    void setSet(std::optional<SetCode> set) { m_set = set; }
    void setPolicy(const PhoneSheetPolicy &policy) { m_policy = policy; }
    // The game's first Start has passed.
    void setStarted(bool started) { m_started = started; }

    const std::optional<SetCode> &set() const { return m_set; }
    const PhoneSheetPolicy &policy() const { return m_policy; }
    bool handingOut() const;
    int count() const { return static_cast<int>(m_holdings.size()); }
    const QList<PhoneSheetHolding> &holdings() const { return m_holdings; }

    // The holding of a token's hash, or nullptr.
    const PhoneSheetHolding *holding(const QByteArray &tokenHash) const;
    // The sheet a token holds, or a new one for it; address is whatever names the phone's
    // address. The bool is true for a sheet handed out now.
    std::variant<std::pair<int, bool>, Refusal> take(const QByteArray &tokenHash,
                                                     const QString &address);
    // Names the sheet a token holds; false when it holds none.
    bool name(const QByteArray &tokenHash, const QString &name);

    HallSheet hallSheet(const PhoneSheetHolding &holding) const;
    static QString refusalText(Refusal refusal);

private:
    std::optional<SetCode> m_set;
    PhoneSheetPolicy m_policy;
    bool m_started = false;
    QList<PhoneSheetHolding> m_holdings;
    QHash<QByteArray, int> m_indexOf;
    QHash<QString, int> m_perAddress;
};
