// The sound effects: loading the three files, starting effects, and mixing
// them panned into the blocks of the audio thread.
#include "audio/Sounds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/CaptureStdout.h"
#include "tests/support/OggReader.h"
#include "tests/support/OggWriter.h"
#include "tests/support/TempHome.h"

namespace {

constexpr int kRate = 44100;
constexpr int kBlock = 512;
constexpr int kLargestVorbisBlock = 8192;
constexpr float kPi = 3.14159265f;

// A tone with a sharp attack and a linear decay, like a short effect.
std::vector<float> effect(int frames, float frequency, float amplitude) {
    std::vector<float> samples(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const float decay = 1.0f - static_cast<float>(i) / static_cast<float>(frames);
        samples[i] = amplitude * decay * std::sin(2.0f * kPi * frequency * i / kRate);
    }
    return samples;
}

// Interleaved stereo block of `frames` frames, all zero.
std::vector<float> silentBlock(int frames = kBlock) {
    return std::vector<float>(static_cast<size_t>(frames) * 2, 0.0f);
}

int activeVoices(const Sounds& sounds) {
    int count = 0;
    for (const Voice& voice : sounds.voices) {
        count += voice.active.load() ? 1 : 0;
    }
    return count;
}

class SoundsTest : public testing::Test {
  protected:
    void SetUp() override { directory = makeTempDirectory("truceward-sounds-") + "/"; }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // Writes a mono effect and returns what a plain decode of it gives.
    std::vector<float> writeMono(const std::string& name, const std::vector<float>& samples) {
        OggWriter::write(directory + name, {samples});
        return OggReader::read(directory + name)[0];
    }

    // The three effects at their usual lengths; returns the decoded shot.
    std::vector<float> writeAll() {
        writeMono("personDying.ogg", effect(1500, 300.0f, 0.6f));
        writeMono("brickPuff.ogg", effect(300, 900.0f, 0.4f));
        return writeMono("shot.ogg", effect(700, 2000.0f, 0.8f));
    }

    std::unique_ptr<Sounds> load() {
        CaptureStdout quiet;
        return std::make_unique<Sounds>(directory);
    }

    std::string directory;
};

TEST_F(SoundsTest, LoadsEachFileWholeAndReportsIt) {
    const std::vector<float> dying = writeMono("personDying.ogg", effect(1500, 300.0f, 0.6f));
    const std::vector<float> puff = writeMono("brickPuff.ogg", effect(300, 900.0f, 0.4f));
    const std::vector<float> shot = writeMono("shot.ogg", effect(700, 2000.0f, 0.8f));
    CaptureStdout output;
    Sounds sounds(directory);

    EXPECT_EQ(output.text(), "vorbisfile: Loaded file: " + directory + "shot.ogg\n" +
                                 "vorbisfile: Loaded file: " + directory + "personDying.ogg\n" +
                                 "vorbisfile: Loaded file: " + directory + "brickPuff.ogg\n");
    const std::vector<float>* expected[] = {&shot, &dying, &puff};
    const int lengths[] = {700, 1500, 300};
    for (int type = 0; type < Sounds::kSoundCount; ++type) {
        SCOPED_TRACE(Sounds::fileName(static_cast<Sounds::SoundType>(type)));
        ASSERT_EQ(sounds.sounds[type].length, lengths[type]);
        ASSERT_EQ(expected[type]->size(), static_cast<size_t>(lengths[type]));
        for (int i = 0; i < lengths[type]; ++i) {
            ASSERT_FLOAT_EQ(sounds.sounds[type].samples[i], (*expected[type])[i]) << i;
        }
    }
}

TEST_F(SoundsTest, StereoEffectFilePlaysItsLeftChannel) {
    writeAll();
    OggWriter::write(directory + "shot.ogg",
                     {effect(700, 2000.0f, 0.8f), effect(700, 500.0f, 0.3f)});
    const std::vector<std::vector<float>> decoded = OggReader::read(directory + "shot.ogg");
    std::unique_ptr<Sounds> sounds = load();

    const LoadedSound& shot = sounds->sounds[Sounds::SoundShot];
    ASSERT_EQ(shot.length, 700);
    int differentFromRight = 0;
    for (int i = 0; i < shot.length; ++i) {
        ASSERT_FLOAT_EQ(shot.samples[i], decoded[0][i]) << i;
        differentFromRight += std::fabs(shot.samples[i] - decoded[1][i]) > 0.01f ? 1 : 0;
    }
    EXPECT_GT(differentFromRight, 100);
}

TEST_F(SoundsTest, MissingOrForeignFilesAreReportedAndNeverSound) {
    writeMono("shot.ogg", effect(700, 2000.0f, 0.8f));
    OggWriter::writeGarbage(directory + "brickPuff.ogg");
    CaptureStdout loading;
    Sounds sounds(directory);
    EXPECT_EQ(loading.text(),
              "vorbisfile: Loaded file: " + directory + "shot.ogg\n" +
                  "vorbisfile: fopen could not open file: " + directory + "personDying.ogg\n" +
                  "vorbisfile: Could not open file: " + directory + "brickPuff.ogg\n");
    EXPECT_FALSE(sounds.sounds[Sounds::SoundPersonDying].isLoaded());
    EXPECT_FALSE(sounds.sounds[Sounds::SoundBrickPuff].isLoaded());

    CaptureStdout playing;
    sounds.playSound(Sounds::SoundPersonDying, 100.0f);
    sounds.playSound(Sounds::SoundBrickPuff, 460.0f);
    std::vector<float> block = silentBlock();
    sounds.audioBlock(block.data(), kBlock);

    EXPECT_EQ(playing.text(), "");
    EXPECT_EQ(activeVoices(sounds), 0);
    for (float sample : block) {
        ASSERT_EQ(sample, 0.0f);
    }
    // The sound that did load still plays.
    sounds.playSound(Sounds::SoundShot, 100.0f);
    EXPECT_EQ(activeVoices(sounds), 1);
}

TEST_F(SoundsTest, PanFollowsTheFieldPosition) {
    const std::vector<float> shot = writeAll();
    std::unique_ptr<Sounds> sounds = load();

    // (x, share of the left channel): the edges and the middle of the field.
    const float cases[][2] = {{0.0f, 1.0f}, {512.0f, 0.5f}, {1024.0f, 0.0f}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase[0]);
        sounds->playSound(Sounds::SoundShot, testCase[0]);
        std::vector<float> block = silentBlock();
        sounds->audioBlock(block.data(), kBlock);
        for (int j = 0; j < kBlock; ++j) {
            ASSERT_FLOAT_EQ(block[2 * j], testCase[1] * shot[j]) << j;
            ASSERT_FLOAT_EQ(block[2 * j + 1], (1.0f - testCase[1]) * shot[j]) << j;
        }
        // Let it end before the next case.
        std::vector<float> rest = silentBlock();
        sounds->audioBlock(rest.data(), kBlock);
        ASSERT_EQ(activeVoices(*sounds), 0);
    }
}

TEST_F(SoundsTest, BrickPuffsOnTheTwoWallsPanSlightlyLeftAndRight) {
    writeAll();
    std::unique_ptr<Sounds> sounds = load();

    sounds->playSound(Sounds::SoundBrickPuff, 460.0f);
    sounds->playSound(Sounds::SoundBrickPuff, 540.0f);

    EXPECT_NEAR(sounds->voices[0].pan, 0.449f, 0.0005f);
    EXPECT_NEAR(sounds->voices[1].pan, 0.527f, 0.0005f);
}

TEST_F(SoundsTest, EffectLongerThanABlockCarriesOnInTheNext) {
    const std::vector<float> shot = writeAll();
    std::unique_ptr<Sounds> sounds = load();
    sounds->playSound(Sounds::SoundShot, 0.0f);

    std::vector<float> first = silentBlock();
    sounds->audioBlock(first.data(), kBlock);
    EXPECT_TRUE(sounds->voices[0].active.load());
    std::vector<float> second = silentBlock();
    sounds->audioBlock(second.data(), kBlock);

    for (int j = 0; j < kBlock; ++j) {
        ASSERT_FLOAT_EQ(first[2 * j], shot[j]) << j;
    }
    const int rest = 700 - kBlock;
    for (int j = 0; j < rest; ++j) {
        ASSERT_FLOAT_EQ(second[2 * j], shot[kBlock + j]) << j;
    }
    for (int j = rest; j < kBlock; ++j) {
        ASSERT_EQ(second[2 * j], 0.0f) << j;
    }
    const Voice& voice = sounds->voices[0];
    EXPECT_FALSE(voice.active.load());
    EXPECT_EQ(voice.data, nullptr);
    EXPECT_EQ(voice.length, 0);
    EXPECT_EQ(voice.position, 0.0f);
}

TEST_F(SoundsTest, AllVoicesSoundAndOneMoreIsDropped) {
    const std::vector<float> shot = writeAll();
    std::unique_ptr<Sounds> sounds = load();

    for (int i = 0; i < Sounds::kVoiceCount; ++i) {
        sounds->playSound(Sounds::SoundShot, 0.0f);
    }
    EXPECT_EQ(activeVoices(*sounds), Sounds::kVoiceCount);
    // Fully right: had it found a voice, the right channel would not be silent.
    sounds->playSound(Sounds::SoundShot, 1024.0f);
    EXPECT_EQ(activeVoices(*sounds), Sounds::kVoiceCount);

    std::vector<float> block = silentBlock();
    sounds->audioBlock(block.data(), kBlock);
    for (int j = 0; j < kBlock; ++j) {
        // Rounding of 396 float sums; one voice more or less is off by a sample.
        ASSERT_NEAR(block[2 * j], Sounds::kVoiceCount * shot[j], 0.01f) << j;
        ASSERT_EQ(block[2 * j + 1], 0.0f) << j;
    }

    // Once they have ended, every voice is free again.
    std::vector<float> rest = silentBlock();
    sounds->audioBlock(rest.data(), kBlock);
    EXPECT_EQ(activeVoices(*sounds), 0);
    sounds->playSound(Sounds::SoundShot, 1024.0f);
    EXPECT_TRUE(sounds->voices[0].active.load());
}

// Damage is told and mended once, at load: the audio thread must not print,
// and a header claiming billions of frames must not cost 8 GB.
TEST_F(SoundsTest, DamagedEffectsAreMendedWhenLoaded) {
    writeAll();
    const std::vector<float> loud = writeMono("brickPuff.ogg", effect(300, 900.0f, 1.8f));
    const int overloud = static_cast<int>(
        std::count_if(loud.begin(), loud.end(), [](float s) { return std::fabs(s) > 1.0f; }));
    writeMono("personDying.ogg", effect(Sounds::kMaxSoundFrames + kRate, 300.0f, 0.5f));
    OggWriter::claimLength(directory + "shot.ogg", 2147480000LL);
    CaptureStdout loading;
    Sounds sounds(directory);
    EXPECT_EQ(loading.text(),
              "vorbisfile: Loaded file: " + directory + "shot.ogg\n" + "vorbisfile: Loaded file: " +
                  directory + "personDying.ogg\n" + "Sounds: " + directory +
                  "personDying.ogg is longer than 10 seconds; it is cut there.\n" +
                  "vorbisfile: Loaded file: " + directory + "brickPuff.ogg\n" +
                  "Sounds: " + directory + "brickPuff.ogg has " + std::to_string(overloud) +
                  " samples beyond full scale; they are clamped to -1..1.\n");
    EXPECT_EQ(sounds.sounds[Sounds::SoundPersonDying].length, Sounds::kMaxSoundFrames);
    // As long as its data, whose last block the false end no longer trims.
    EXPECT_GE(sounds.sounds[Sounds::SoundShot].length, 700);
    EXPECT_LT(sounds.sounds[Sounds::SoundShot].length, 700 + kLargestVorbisBlock);

    CaptureStdout playing;
    sounds.playSound(Sounds::SoundBrickPuff, 512.0f);
    std::vector<float> block = silentBlock();
    sounds.audioBlock(block.data(), kBlock);
    EXPECT_EQ(playing.text(), "");
    for (size_t i = 0; i < loud.size(); ++i) {
        ASSERT_FLOAT_EQ(block[2 * i] + block[2 * i + 1], std::clamp(loud[i], -1.0f, 1.0f)) << i;
    }
}

// Effects started on one thread while another mixes: every effect that got a
// voice contributes all its frames, exactly once. Starting at most as many as
// there are voices, then waiting for them to end, ensures none is dropped.
TEST_F(SoundsTest, EffectsHandedToTheAudioThreadAreMixedWhole) {
    writeAll();
    // Above zero throughout, so that effects add up instead of cancelling out.
    std::vector<float> raised = effect(700, 2000.0f, 0.2f);
    for (float& sample : raised) {
        sample += 0.3f;
    }
    const std::vector<float> shot = writeMono("shot.ogg", raised);
    std::unique_ptr<Sounds> sounds = load();
    constexpr int kRounds = 40;
    constexpr int kPerRound = 150;
    std::atomic<bool> done{false};
    double mixedSum = 0.0;
    std::thread audio([&] {
        std::vector<float> block = silentBlock();
        while (!done.load()) {
            std::fill(block.begin(), block.end(), 0.0f);
            sounds->audioBlock(block.data(), kBlock);
            for (float sample : block) {
                mixedSum += sample;
            }
        }
    });
    for (int round = 0; round < kRounds; ++round) {
        for (int i = 0; i < kPerRound; ++i) {
            sounds->playSound(Sounds::SoundShot, static_cast<float>((i * 97) % 1025));
        }
        while (activeVoices(*sounds) > 0) {
            std::this_thread::yield();
        }
    }
    done.store(true);
    audio.join();

    double shotSum = 0.0;
    for (float sample : shot) {
        shotSum += sample;
    }
    ASSERT_GT(shotSum, 100.0);
    // Left and right of one frame add up to the sample, whatever the pan; one
    // effect lost or mixed twice would be off by shotSum.
    const double expected = kRounds * kPerRound * shotSum;
    EXPECT_NEAR(mixedSum, expected, shotSum / 10);
}

}  // namespace
