#ifndef TRUCEWARD_PEOPLE_RANDOM_H
#define TRUCEWARD_PEOPLE_RANDOM_H

#include <cstdint>

// The battle's one source of chance. A battle replays exactly from its seed, so
// every draw advances the one counter by exactly one and nothing else is kept.
class Random {
  public:
    explicit Random(std::uint32_t seed);
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;

    // A value in 0 .. 1, both ends included (1 comes up about once in 2^26
    // draws): an integer-noise hash of the advanced counter.
    float nextFloat();

    std::uint32_t state;
};

#endif
