// Encoding and decoding: exact lengths, faithful content, identical bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "codec/VorbisReader.h"
#include "codec/VorbisWriter.h"
#include "support/Probe.h"

namespace {
constexpr double kPi = 3.141592653589793;

class VorbisRoundTrip : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("soundgen-vorbis-" +
               std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string path(const std::string& name) const { return (dir / name).string(); }

    static std::vector<float> sine(std::size_t frames, double frequency, double amplitude) {
        std::vector<float> x(frames);
        for (std::size_t i = 0; i < frames; ++i) {
            x[i] = static_cast<float>(amplitude * std::sin(2 * kPi * frequency * i / 44100));
        }
        return x;
    }

    static std::string bytesOf(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path dir;
};
}  // namespace

TEST_F(VorbisRoundTrip, DecodesToExactlyTheFramesWritten) {
    for (std::size_t frames : {1u, 1000u, 3079u, 44100u, 123457u}) {
        std::string error;
        const std::string file = path("len.ogg");
        ASSERT_TRUE(VorbisWriter::write(file, {sine(frames, 441, 0.5)}, 44100, 0.5f, 7, error))
            << error;
        DecodedSound sound;
        ASSERT_TRUE(VorbisReader::read(file, sound, error)) << error;
        EXPECT_EQ(sound.channels, 1);
        EXPECT_EQ(sound.sampleRate, 44100);
        EXPECT_EQ(sound.announcedFrames, static_cast<long long>(frames));
        EXPECT_EQ(sound.decodedFrames(), static_cast<long long>(frames));
        EXPECT_EQ(sound.decodeErrors, 0);
    }
}

TEST_F(VorbisRoundTrip, KeepsTheContentOfEachChannel) {
    std::string error;
    const std::string file = path("stereo.ogg");
    const std::vector<float> left = sine(44100, 441, 0.6);
    const std::vector<float> right = sine(44100, 882, 0.3);
    ASSERT_TRUE(VorbisWriter::write(file, {left, right}, 44100, 0.5f, 7, error)) << error;
    DecodedSound sound;
    ASSERT_TRUE(VorbisReader::read(file, sound, error)) << error;
    ASSERT_EQ(sound.channels, 2);
    EXPECT_NEAR(Probe::amplitudeAt(sound.samples[0], 0, 44100, 441, 44100), 0.6, 0.01);
    EXPECT_NEAR(Probe::amplitudeAt(sound.samples[0], 0, 44100, 882, 44100), 0.0, 0.01);
    EXPECT_NEAR(Probe::amplitudeAt(sound.samples[1], 0, 44100, 882, 44100), 0.3, 0.01);
    EXPECT_NEAR(Probe::amplitudeAt(sound.samples[1], 0, 44100, 441, 44100), 0.0, 0.01);
    // Sample by sample, the decoded sine stays close to the original.
    double worst = 0;
    for (std::size_t i = 0; i < left.size(); ++i) {
        worst = std::max(worst, std::fabs(double(sound.samples[0][i]) - left[i]));
    }
    EXPECT_LT(worst, 0.02);
}

TEST_F(VorbisRoundTrip, SameInputSameBytesAndTheSerialIsOurs) {
    std::string error;
    const std::vector<float> x = sine(20000, 300, 0.4);
    ASSERT_TRUE(VorbisWriter::write(path("a.ogg"), {x}, 44100, 0.5f, 0x12345678, error));
    ASSERT_TRUE(VorbisWriter::write(path("b.ogg"), {x}, 44100, 0.5f, 0x12345678, error));
    const std::string a = bytesOf(path("a.ogg"));
    EXPECT_EQ(a, bytesOf(path("b.ogg")));
    // An Ogg page starts "OggS"; bytes 14 to 17 hold the serial, little-endian.
    ASSERT_GT(a.size(), 18u);
    EXPECT_EQ(a.substr(0, 4), "OggS");
    const unsigned serial = static_cast<unsigned char>(a[14]) |
                            static_cast<unsigned char>(a[15]) << 8 |
                            static_cast<unsigned char>(a[16]) << 16 |
                            static_cast<unsigned>(static_cast<unsigned char>(a[17])) << 24;
    EXPECT_EQ(serial, 0x12345678u);
}

TEST_F(VorbisRoundTrip, RefusesWhatItCannotDo) {
    std::string error;
    EXPECT_FALSE(VorbisWriter::write(path("none.ogg"), {}, 44100, 0.5f, 1, error));
    EXPECT_FALSE(VorbisWriter::write(path("three.ogg"), {{0}, {0}, {0}}, 44100, 0.5f, 1, error));
    EXPECT_FALSE(VorbisWriter::write(path("uneven.ogg"), {{0, 0}, {0}}, 44100, 0.5f, 1, error));
    EXPECT_FALSE(VorbisWriter::write(path("no/such/dir/x.ogg"), {{0, 0}}, 44100, 0.5f, 1, error));
    DecodedSound sound;
    EXPECT_FALSE(VorbisReader::read(path("missing.ogg"), sound, error));
    std::ofstream(path("text.ogg")) << "not a sound";
    EXPECT_FALSE(VorbisReader::read(path("text.ogg"), sound, error));
}
