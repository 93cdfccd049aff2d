#ifndef TRUCEWARD_TOOLS_ARTGEN_NOISE_VALUENOISE_H
#define TRUCEWARD_TOOLS_ARTGEN_NOISE_VALUENOISE_H

#include <cstdint>

// Smooth two-dimensional value noise: random values on an integer lattice,
// blended with a smoothstep, summed over octaves. The lattice values come
// from a hash of the seed and the lattice point, so the noise at a point
// never depends on what else was sampled before.
class ValueNoise {
  public:
    explicit ValueNoise(std::uint64_t seed) : seed(seed) {}

    // One octave at lattice spacing 1, in [0, 1].
    double sample(double x, double y) const;
    // Sum of octaves: the first at the given feature size in pixels, each
    // next one half as large and weighted by persistence; normalised to
    // [0, 1].
    double fractal(double x, double y, double featureSize, int octaves, double persistence) const;

  private:
    double lattice(std::int64_t x, std::int64_t y) const;

    std::uint64_t seed;
};

#endif
