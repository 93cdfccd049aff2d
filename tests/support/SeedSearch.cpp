#include "tests/support/SeedSearch.h"

#include "people/Random.h"

std::uint32_t seedWithDraws(std::initializer_list<DrawRange> ranges) {
    for (std::uint32_t seed = 1;; ++seed) {
        Random probe(seed);
        bool fits = true;
        for (const DrawRange& range : ranges) {
            const float draw = probe.nextFloat();
            fits = fits && draw > range.low && draw <= range.high;
        }
        if (fits) {
            return seed;
        }
    }
}
