#pragma once

#include "randomsource.h"

#include <span>

// Fills dest[0..k-1] with pairwise distinct values from 0..n. Each slot takes exactly one
// random value, in slot order, reduced modulo n; a value already held by an earlier slot is
// replaced by the first free one in the cyclic order v, v+1, ..., n, 0, 1, ...
// With k <= 0 nothing is written and no random value is taken.
// Throws std::invalid_argument when the request cannot be served: k > 0 with n <= 0,
// k > n + 1 (not enough distinct values) or dest shorter than k.
void fillUniqueNumbers(std::span<int> dest, int k, int n, RandomSource &random);
