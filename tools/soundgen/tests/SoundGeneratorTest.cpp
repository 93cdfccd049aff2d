// Taming the codec's overshoot: the decoded file, not the input, must stay
// under the ceiling.
#include "app/SoundGenerator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "check/SignalStats.h"
#include "codec/VorbisReader.h"

namespace {
class SoundGeneratorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("soundgen-generator-" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir;
    std::ostringstream log;
};
}  // namespace

TEST_F(SoundGeneratorTest, ASquareWaveThatOvershootsIsScaledUntilItsDecodedPeakFits) {
    // A square wave's band-limited reconstruction overshoots its edges by
    // about 9 % (the Gibbs phenomenon), so aiming its input peak at 0.85
    // decodes well above 0.87 the first time.
    std::vector<float> square(44100);
    for (std::size_t i = 0; i < square.size(); ++i) {
        square[i] = (i / 50) % 2 ? 1.0f : -1.0f;
    }
    const std::string path = (dir / "square.ogg").string();
    SoundGenerator generator(log);
    ASSERT_TRUE(generator.writeLimited(path, {square}, 0.85, 0.87, 0.5f, 1)) << log.str();
    DecodedSound decoded;
    std::string error;
    ASSERT_TRUE(VorbisReader::read(path, decoded, error)) << error;
    const double peak = SignalStats::peak(decoded.samples[0]);
    EXPECT_LT(peak, 0.87);
    EXPECT_GT(peak, 0.75);  // scaled down by what was needed, not to silence
}

TEST_F(SoundGeneratorTest, SilenceIsRefused) {
    SoundGenerator generator(log);
    EXPECT_FALSE(generator.writeLimited((dir / "silent.ogg").string(),
                                        {std::vector<float>(1000, 0.0f)}, 0.85, 0.87, 0.5f, 1));
    EXPECT_NE(log.str().find("silent"), std::string::npos);
}
