#include "numberfill.h"

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>

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

    for (int i = 0; i < k; ++i) {
        const auto earlier = dest.first(static_cast<std::size_t>(i));
        int v = random.rand() % n;
        // k <= n + 1 guarantees a free value, so this ends within n + 1 steps.
        while (std::find(earlier.begin(), earlier.end(), v) != earlier.end())
            v = (v == n) ? 0 : v + 1;
        dest[static_cast<std::size_t>(i)] = v;
    }
}
