#include "crtrandom.h"

#include <ctime>

std::uint32_t CrtRandom::timeSeed()
{
    return static_cast<std::uint32_t>(std::time(nullptr));
}
