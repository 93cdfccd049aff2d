#include "noise/Random.h"

namespace {
// 2^-53: turns the top 53 bits of a draw into a double in [0, 1).
constexpr double kUnitScale = 1.0 / 9007199254740992.0;
constexpr int kDroppedBits = 11;
}  // namespace

std::uint64_t Random::next() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Random::uniform() {
    return static_cast<double>(next() >> kDroppedBits) * kUnitScale;
}
