#include "noise/ValueNoise.h"

#include <cmath>

#include "noise/Random.h"

namespace {

double smoothstep(double t) {
    return t * t * (3.0 - 2.0 * t);
}

// Odd multipliers that spread neighbouring lattice points over the hash.
constexpr std::uint64_t kXSpread = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kYSpread = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kOctaveSpread = 0x165667B19E3779F9ULL;

}  // namespace

double ValueNoise::lattice(std::int64_t x, std::int64_t y) const {
    Random hash(seed ^ (static_cast<std::uint64_t>(x) * kXSpread) ^
                (static_cast<std::uint64_t>(y) * kYSpread));
    return hash.uniform();
}

double ValueNoise::sample(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx);
    const auto iy = static_cast<std::int64_t>(fy);
    const double tx = smoothstep(x - fx);
    const double ty = smoothstep(y - fy);
    const double top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const double bottom =
        lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::fractal(double x, double y, double featureSize, int octaves,
                           double persistence) const {
    double total = 0.0;
    double weight = 1.0;
    double weights = 0.0;
    double size = featureSize;
    for (int octave = 0; octave < octaves; ++octave) {
        // Each octave is shifted so that the lattices do not line up.
        const double shift = 17.31 * (octave + 1);
        const ValueNoise layer(seed + static_cast<std::uint64_t>(octave) * kOctaveSpread);
        total += weight * layer.sample(x / size + shift, y / size - shift);
        weights += weight;
        weight *= persistence;
        size /= 2.0;
    }
    return total / weights;
}
