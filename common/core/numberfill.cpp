#include "numberfill.h"

#include "crtrandom.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

// Tops below this keep the values taken as bits of two words.
constexpr int SmallTop = 128;

// The same fill for n < SmallTop, in time independent of the slots filled: the values taken are
// bits, and the first free one from v on (cyclically) is the lowest free bit at or after v, or
// else the lowest free bit of all. Bits above n count as taken, so neither search passes n.
template <typename Random> void fillSmall(std::span<int> dest, int n, Random &random)
{
    constexpr std::uint64_t all = ~std::uint64_t(0);
    std::uint64_t taken[2] = {n >= 63 ? 0 : all << (n + 1),
                              n < 64 ? all : (n == 127 ? 0 : all << (n + 1 - 64))};
    // v % n by a multiplication: exact for v < 2^15 and n < 2^7, as the error of the
    // reciprocal, under v / 2^32 < 2^-17, never carries the quotient past a whole number.
    const std::uint64_t reciprocal = (std::uint64_t(1) << 32) / std::uint64_t(n) + 1;
    const auto reduce = [n, reciprocal](int v) {
        if (v > 0x7FFF)
            return v % n;
        const auto quotient = static_cast<int>((std::uint64_t(v) * reciprocal) >> 32);
        return v - quotient * n;
    };
    for (int &slot : dest) {
        int v = reduce(random.rand());
        if (taken[v / 64] & (std::uint64_t(1) << (v % 64))) {
            const std::uint64_t fromV = ~taken[v / 64] & (~std::uint64_t(0) << (v % 64));
            if (fromV != 0)
                v = (v / 64) * 64 + std::countr_zero(fromV);
            else if (v < 64 && ~taken[1] != 0)
                v = 64 + std::countr_zero(~taken[1]);
            else if (~taken[0] != 0)
                v = std::countr_zero(~taken[0]);
            else
                v = 64 + std::countr_zero(~taken[1]);
        }
        taken[v / 64] |= std::uint64_t(1) << (v % 64);
        slot = v;
    }
}

} // namespace

void fillUniqueNumbers(std::span<int> dest, int k, int n, RandomSource &random)
{
    if (k <= 0)
        return;
    if (n <= 0)
        throw std::invalid_argument("unique number fill: the top number must be at least 1, got " +
                                    std::to_string(n));
    if (static_cast<std::int64_t>(k) > static_cast<std::int64_t>(n) + 1)
        throw std::invalid_argument("unique number fill: " + std::to_string(k) +
                                    " distinct values cannot be taken from 0.." +
                                    std::to_string(n));
    if (dest.size() < static_cast<std::size_t>(k))
        throw std::invalid_argument("unique number fill: room for " + std::to_string(dest.size()) +
                                    " values, " + std::to_string(k) + " asked for");

    if (n < SmallTop) {
        // The runtime generator called directly rather than through the interface: the sheets
        // of a large run take millions of values.
        if (auto *crt = dynamic_cast<CrtRandom *>(&random))
            fillSmall(dest.first(static_cast<std::size_t>(k)), n, *crt);
        else
            fillSmall(dest.first(static_cast<std::size_t>(k)), n, random);
        return;
    }
    for (int i = 0; i < k; ++i) {
        const auto earlier = dest.first(static_cast<std::size_t>(i));
        int v = random.rand() % n;
        // k <= n + 1 guarantees a free value, so this ends within n + 1 steps.
        while (std::find(earlier.begin(), earlier.end(), v) != earlier.end())
            v = (v == n) ? 0 : v + 1;
        dest[static_cast<std::size_t>(i)] = v;
    }
}
