// The limiter on the finished output block.
#include "audio/Limiter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

constexpr int kSecond = 44100;

// A 220 Hz tone of the given peak, alike on both sides, and what the limiter
// makes of it.
std::vector<float> limited(Limiter& limiter, float peak, int frames, std::vector<float>* input) {
    input->resize(2 * static_cast<size_t>(frames));
    for (size_t i = 0; i < input->size(); ++i) {
        (*input)[i] = peak * std::sin(2.0f * 3.14159265f * 220.0f * (i / 2) / kSecond);
    }
    std::vector<float> output = *input;
    limiter.process(output.data(), frames);
    return output;
}

TEST(LimiterTest, LowersALoudSumSmoothlyAndLeavesQuietSoundExactlyAlone) {
    Limiter limiter;
    std::vector<float> input;
    EXPECT_EQ(limited(limiter, 0.89f, kSecond, &input), input);

    // Four times full scale: after the first wave the tone keeps its shape
    // (a gain, not a clipper).
    const std::vector<float> output = limited(limiter, 4.0f, kSecond, &input);
    for (size_t i = 0; i < output.size(); ++i) {
        ASSERT_LE(std::fabs(output[i]), 1.0f) << i;
        if (i > kSecond / 100 && std::fabs(input[i]) > 0.5f) {
            ASSERT_NEAR(output[i] / input[i], 0.25f, 0.01f) << i;
        }
    }

    // Back to unity, to the bit, once the burst has long passed.
    limited(limiter, 0.5f, 2 * kSecond, &input);
    EXPECT_EQ(limited(limiter, 0.89f, kSecond, &input), input);
}

}  // namespace
