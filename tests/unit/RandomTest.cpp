#include "people/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

// The draw for a counter value, worked out straight from the rule with 64-bit
// arithmetic reduced by hand: n = (s << 13) ^ s, v = n (n^2 15731 + 789221)
// + 1376312589 in its low 31 bits, noise = 1 - v / 2^30 rounded to single
// precision, result (noise + 1) / 2 in single precision.
float expectedDraw(std::uint64_t counter) {
    const std::uint64_t mask32 = 0xffffffffull;
    const std::uint64_t s = counter & mask32;
    const std::uint64_t n = ((s << 13) & mask32) ^ s;
    const std::uint64_t square = (n * n) & mask32;
    const std::uint64_t inner = (square * 15731ull + 789221ull) & mask32;
    const std::uint64_t v = ((n * inner) + 1376312589ull) & 0x7fffffffull;
    const float noise = static_cast<float>(1.0 - static_cast<double>(v) / 1073741824.0);
    return (noise + 1.0f) * 0.5f;
}

TEST(RandomTest, FirstDrawsFollowTheNoiseFormula) {
    for (std::uint32_t seed : {0u, 1u, 12345u, 1700000000u, 0xfffffffeu}) {
        Random random(seed);
        for (std::uint64_t i = 1; i <= 8; ++i) {
            EXPECT_EQ(random.nextFloat(), expectedDraw(seed + i))
                << "seed " << seed << " draw " << i;
        }
    }
}

TEST(RandomTest, KnownValuesForSeedZero) {
    // Worked out by hand from the formula: counter 1 gives n = 8193 and
    // v = 1316808037, so the noise is 1 - v / 2^30 = -0.2263...
    Random random(0);
    const float noise = static_cast<float>(1.0 - 1316808037.0 / 1073741824.0);
    EXPECT_EQ(random.nextFloat(), (noise + 1.0f) * 0.5f);
    EXPECT_NEAR((noise + 1.0f) * 0.5f, 0.38681, 0.00001);
}

TEST(RandomTest, EveryDrawAdvancesTheCounterByOneAndWrapsAround) {
    Random random(0xffffffffu);
    random.nextFloat();
    EXPECT_EQ(random.state, 0u);
    const float afterWrap = random.nextFloat();
    EXPECT_EQ(random.state, 1u);
    EXPECT_EQ(afterWrap, expectedDraw(1));
}

TEST(RandomTest, SameSeedSameSequence) {
    Random first(987654321u);
    Random second(987654321u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(first.nextFloat(), second.nextFloat()) << "draw " << i;
    }
}

TEST(RandomTest, DrawsStayInsideZeroToOne) {
    Random random(42u);
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int i = 0; i < 200000; ++i) {
        const float draw = random.nextFloat();
        ASSERT_GE(draw, 0.0f);
        ASSERT_LE(draw, 1.0f);
        lowest = std::min(lowest, draw);
        highest = std::max(highest, draw);
    }
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(RandomTest, ADrawCanBeExactlyOne) {
    // Counter 5750295 hashes to a value so small that the noise rounds to 1.
    ASSERT_EQ(expectedDraw(5750295u), 1.0f);
    Random random(5750294u);
    EXPECT_EQ(random.nextFloat(), 1.0f);
}

}  // namespace
