#ifndef TRUCEWARD_TOOLS_ARTGEN_NOISE_RANDOM_H
#define TRUCEWARD_TOOLS_ARTGEN_NOISE_RANDOM_H

#include <cstdint>

// Deterministic pseudo-random numbers (splitmix64). Every picture is drawn
// from fixed seeds so that a rerun writes the same bytes; std::rand and the
// standard distributions are avoided because their output may change with
// the library.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state(seed) {}

    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    // Uniform in [low, high).
    double between(double low, double high) { return low + (high - low) * uniform(); }

  private:
    std::uint64_t state;
};

#endif
