#include "people/Random.h"

namespace {

// The integer-noise hash's constants: three primes, a shift and a 31-bit mask.
constexpr std::uint32_t kShift = 13;
constexpr std::uint32_t kCubic = 15731;
constexpr std::uint32_t kLinear = 789221;
constexpr std::uint32_t kOffset = 1376312589;
constexpr std::uint32_t kLow31Bits = 0x7fffffffu;
// 2^-30: maps the 31-bit hash onto 0 .. 2, taken away from 1 to give -1 .. 1.
constexpr double kHashScale = -9.313225746154785e-10;

}  // namespace

Random::Random(std::uint32_t seed) : state(seed) {}

float Random::nextFloat() {
    state = state + 1;
    const std::uint32_t n = (state << kShift) ^ state;
    const std::uint32_t hash = (n * (n * n * kCubic + kLinear) + kOffset) & kLow31Bits;
    const float noise = static_cast<float>(static_cast<double>(hash) * kHashScale + 1.0);
    return (noise + 1.0f) * 0.5f;
}
