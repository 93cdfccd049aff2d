#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_RANDOM_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_RANDOM_H

#include <cstdint>

// Deterministic pseudo-random source (splitmix64). Every sound is rendered
// from fixed seeds so that a rerun writes the same files byte for byte;
// std::rand and the <random> distributions are avoided because their output
// is not pinned down across library versions.
class Random {
  public:
    explicit Random(std::uint64_t seed);

    // Next raw 64-bit value.
    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [-1, 1).
    double bipolar();
    // Standard normal (mean 0, deviation 1), Box-Muller.
    double gaussian();

    // A seed derived from two numbers, for streams that must not depend on
    // the order in which they are created (one per note, one per part...).
    static std::uint64_t mix(std::uint64_t a, std::uint64_t b);

  private:
    std::uint64_t state;
};

#endif
