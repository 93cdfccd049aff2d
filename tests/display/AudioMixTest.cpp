// The blocks the application hands to the output stream: cleared, then the
// music unless music is switched off, then the effects.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <new>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/ConfigLoader.h"
#include "audio/BackgroundMusic.h"
#include "audio/Sounds.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/OggReader.h"
#include "tests/support/OggWriter.h"
#include "tests/support/TempHome.h"

namespace {

constexpr int kBlock = 512;
constexpr int kSongFrames = 30000;
constexpr float kPi = 3.14159265f;

// Music on or off; sound output off, so that the test alone asks for blocks.
std::vector<std::string> arguments(bool noMusic) {
    std::vector<std::string> args = {"-w", "320", "-h", "240", "-ns"};
    if (noMusic) {
        args.push_back("-nm");
    }
    return args;
}

class AudioMixTest : public testing::Test {
  protected:
    void SetUp() override {
        directory = makeTempDirectory("truceward-mix-") + "/";
        std::vector<float> left(kSongFrames);
        std::vector<float> right(kSongFrames);
        for (int i = 0; i < kSongFrames; ++i) {
            left[i] = 0.5f * std::sin(2.0f * kPi * 440.0f * i / OggWriter::kRate);
            right[i] = 0.5f * std::sin(2.0f * kPi * 660.0f * i / OggWriter::kRate);
        }
        OggWriter::write(directory + "music.ogg", {left, right});
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // The application opened its music from the build's sounds folder, which
    // may hold no music at all; a song of known content takes its place, at
    // full volume so that every frame carries half of its sample.
    void replaceMusic(Application& application) {
        CaptureStdout quiet;
        application.backgroundMusic.~BackgroundMusic();
        new (&application.backgroundMusic) BackgroundMusic(directory + "music.ogg", false);
        application.backgroundMusic.volume = 1.0f;
    }

    std::string directory;
};

TEST_F(AudioMixTest, MusicSwitchedOffLeavesOnlySilence) {
    Application application(arguments(true));
    replaceMusic(application);
    ASSERT_TRUE(application.backgroundMusic.isLoaded());

    // Whatever the library hands over is cleared.
    std::vector<float> block(2 * kBlock, 7.0f);
    application.getAudio(nullptr, block.data(), kBlock);

    for (float sample : block) {
        ASSERT_EQ(sample, 0.0f);
    }
    EXPECT_EQ(application.backgroundMusic.playPosition, 0);
}

TEST_F(AudioMixTest, MusicSwitchedOnIsMixedAtHalfLevel) {
    Application application(arguments(false));
    replaceMusic(application);
    const std::vector<std::vector<float>> song = OggReader::read(directory + "music.ogg");

    std::vector<float> block(2 * kBlock, 7.0f);
    application.getAudio(nullptr, block.data(), kBlock);

    for (int j = 0; j < kBlock; ++j) {
        ASSERT_NEAR(block[2 * j], 0.5f * song[0][j], 1e-5f) << j;
        ASSERT_NEAR(block[2 * j + 1], 0.5f * song[1][j], 1e-5f) << j;
    }
    EXPECT_EQ(application.backgroundMusic.playPosition, kBlock);
}

// Nothing resamples: music at another rate than the stream's is left out,
// rather than played out of tune.
TEST_F(AudioMixTest, MusicAtAnotherRateIsLeftOut) {
    Application application(arguments(false));
    const std::vector<float> tone(kSongFrames, 0.5f);
    OggWriter::write(directory + "music.ogg", {tone, tone}, OggWriter::kDefaultSerialNumber, 22050);
    replaceMusic(application);

    std::vector<float> block(2 * kBlock, 7.0f);
    application.getAudio(nullptr, block.data(), kBlock);
    for (float sample : block) {
        ASSERT_EQ(sample, 0.0f);
    }
}

// Each source has a volume of its own, applied as it is mixed: each level
// below 10 is 3 dB quieter, 0 is silence and 10 leaves the sound as it was.
TEST_F(AudioMixTest, EffectsAndMusicEachHaveTheirOwnVolume) {
    Application application(arguments(false));
    replaceMusic(application);
    const BackgroundMusic& music = application.backgroundMusic;
    Sounds* sounds = Sounds::getInstance();
    const LoadedSound& shot = sounds->sounds[Sounds::SoundShot];
    ASSERT_GE(shot.length, kBlock);
    const auto sounding = [sounds] {
        return std::any_of(std::begin(sounds->voices), std::end(sounds->voices),
                           [](const Voice& voice) { return voice.active.load(); });
    };
    const auto gain = [](int level) {
        return level == 0 ? 0.0 : std::pow(10.0, -0.15 * (10 - level));
    };
    std::vector<float> block(2 * kBlock);
    const int levels[][2] = {{10, 10}, {7, 10}, {10, 0}, {0, 4}, {1, 9}};  // music, effects
    for (const auto& level : levels) {
        SCOPED_TRACE(testing::Message() << "music " << level[0] << ", effects " << level[1]);
        application.setMusicVolume(level[0]);
        application.setEffectsVolume(level[1]);
        // The gains glide to the new levels over a block; older effects end.
        do {
            application.getAudio(nullptr, block.data(), kBlock);
        } while (sounding() || music.playPosition + kBlock > BackgroundMusic::kFramesPerBuffer);
        const int buffer = music.playBuffer;
        const int from = music.playPosition;
        sounds->playSound(Sounds::SoundShot, Sounds::kFieldWidth / 2);
        application.getAudio(nullptr, block.data(), kBlock);
        for (int j = 0; j < kBlock; ++j) {
            const double effect = gain(level[1]) * 0.5 * shot.samples[j];
            ASSERT_NEAR(block[2 * j],
                        gain(level[0]) * 0.5 * music.leftSample(buffer, from + j) + effect, 1e-6)
                << j;
            ASSERT_NEAR(block[2 * j + 1],
                        gain(level[0]) * 0.5 * music.rightSample(buffer, from + j) + effect, 1e-6)
                << j;
        }
    }
    application.setEffectsVolume(ConfigLoader::kMaximumVolume);
}

}  // namespace
