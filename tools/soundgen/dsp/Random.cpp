#include "dsp/Random.h"

#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;
// 2^-53: turns the top 53 bits of a draw into a double in [0, 1).
constexpr double kUnitScale = 1.0 / 9007199254740992.0;
// Smallest uniform draw used for the logarithm of Box-Muller.
constexpr double kSmallestUniform = 1e-300;
}  // namespace

Random::Random(std::uint64_t seed) : state(seed) {}

std::uint64_t Random::next() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double Random::uniform() {
    return static_cast<double>(next() >> 11) * kUnitScale;
}

double Random::bipolar() {
    return 2.0 * uniform() - 1.0;
}

double Random::gaussian() {
    double u = uniform();
    if (u < kSmallestUniform) {
        u = kSmallestUniform;
    }
    const double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(kTwoPi * v);
}

std::uint64_t Random::mix(std::uint64_t a, std::uint64_t b) {
    Random r(a * 0xD1342543DE82EF95ULL + b);
    return r.next();
}
