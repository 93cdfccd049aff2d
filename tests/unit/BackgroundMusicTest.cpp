// The streamed music: the ring of three quarter-second buffers that its thread
// fills from the looping song, the blocks the audio thread takes from it, the
// fade-in, and the life of the thread.
#include "audio/BackgroundMusic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <set>
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
constexpr int kBuffer = BackgroundMusic::kFramesPerBuffer;
constexpr float kPi = 3.14159265f;

// Channels of a song in which every frame looks different from its
// neighbours (the tone) and from frames far away (the slow ramp), and the
// two channels differ from each other.
std::vector<std::vector<float>> song(int frames) {
    std::vector<float> left(static_cast<size_t>(frames));
    std::vector<float> right(static_cast<size_t>(frames));
    for (int i = 0; i < frames; ++i) {
        const float ramp = static_cast<float>(i) / static_cast<float>(frames);
        left[i] = 0.3f * std::sin(2.0f * kPi * 1000.0f * i / kRate) + 0.4f * ramp - 0.2f;
        right[i] = 0.3f * std::sin(2.0f * kPi * 1500.0f * i / kRate) - 0.4f * ramp + 0.2f;
    }
    return {left, right};
}

std::vector<float> silentBlock(int frames = kBlock) {
    return std::vector<float>(static_cast<size_t>(frames) * 2, 0.0f);
}

// Plays `frames` frames in blocks of at most kBlock, the output thrown away.
void play(BackgroundMusic& music, long frames) {
    std::vector<float> block = silentBlock();
    while (frames > 0) {
        const int part = frames < kBlock ? static_cast<int>(frames) : kBlock;
        music.audioBlock(block.data(), part);
        frames -= part;
    }
}

class BackgroundMusicTest : public testing::Test {
  protected:
    void SetUp() override { directory = makeTempDirectory("truceward-music-") + "/"; }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // Writes the song and returns its decoded channels, the reference.
    std::vector<std::vector<float>> writeSong(const std::string& name,
                                              const std::vector<std::vector<float>>& channels) {
        OggWriter::write(directory + name, channels);
        return OggReader::read(directory + name);
    }

    // Music on the song at `name` whose ring only the test refills.
    std::unique_ptr<BackgroundMusic> open(const std::string& name) {
        CaptureStdout quiet;
        return std::make_unique<BackgroundMusic>(directory + name, false);
    }

    // Checks that `buffer` holds the song's frames from `first` on, wrapping
    // at the song's end.
    static void expectBuffer(const BackgroundMusic& music, int buffer,
                             const std::vector<std::vector<float>>& reference, int first) {
        const int length = static_cast<int>(reference[0].size());
        for (int f = 0; f < kBuffer; ++f) {
            const int frame = (first + f) % length;
            ASSERT_NEAR(music.leftSample(buffer, f), reference[0][frame], 1e-5f)
                << "buffer " << buffer << " frame " << f;
            ASSERT_NEAR(music.rightSample(buffer, f), reference[1][frame], 1e-5f)
                << "buffer " << buffer << " frame " << f;
        }
    }

    std::string directory;
};

TEST_F(BackgroundMusicTest, PrimingFillsTheRingWithTheLoopingSong) {
    const std::vector<std::vector<float>> reference = writeSong("music.ogg", song(30000));
    ASSERT_EQ(reference[0].size(), 30000u);
    CaptureStdout output;
    BackgroundMusic* music = new BackgroundMusic(directory + "music.ogg", false);
    std::unique_ptr<BackgroundMusic> owner(music);
    EXPECT_EQ(output.text(), "vorbisfile: Loaded file: " + directory + "music.ogg\n");

    EXPECT_TRUE(music->isLoaded());
    expectBuffer(*music, 0, reference, 0);
    expectBuffer(*music, 1, reference, 11025);
    // 22050 to 29999, then the song again from 0 to 3074.
    expectBuffer(*music, 2, reference, 22050);
    EXPECT_EQ(music->streamPosition, 3075);
    EXPECT_EQ(music->playBuffer, 0);
    EXPECT_EQ(music->playPosition, 0);
    for (int buffer = 0; buffer < BackgroundMusic::kBufferCount; ++buffer) {
        EXPECT_EQ(music->state(buffer), BackgroundMusic::kFilled);
    }

    music->fillBuffer(0);
    expectBuffer(*music, 0, reference, 3075);
    EXPECT_EQ(music->streamPosition, 3075 + kBuffer);
}

TEST_F(BackgroundMusicTest, MonoSongPlaysItsChannelOnBothSides) {
    const std::vector<std::vector<float>> stereo = song(20000);
    const std::vector<std::vector<float>> reference = writeSong("mono.ogg", {stereo[0]});
    std::unique_ptr<BackgroundMusic> music = open("mono.ogg");

    expectBuffer(*music, 0, {reference[0], reference[0]}, 0);
    expectBuffer(*music, 1, {reference[0], reference[0]}, kBuffer);
}

// A chained file: the song is its first stream; what follows it is never heard.
TEST_F(BackgroundMusicTest, SongEndsWhereAChainedStreamFollows) {
    const std::vector<std::vector<float>> first = writeSong("first.ogg", song(9000));
    OggWriter::write(directory + "second.ogg",
                     {std::vector<float>(5000, 0.5f), std::vector<float>(5000, -0.5f)},
                     OggWriter::kDefaultSerialNumber + 1);
    {
        std::ofstream chained(directory + "chained.ogg", std::ios::binary);
        chained << std::ifstream(directory + "first.ogg", std::ios::binary).rdbuf()
                << std::ifstream(directory + "second.ogg", std::ios::binary).rdbuf();
    }
    std::unique_ptr<BackgroundMusic> music = open("chained.ogg");

    expectBuffer(*music, 0, first, 0);
    expectBuffer(*music, 1, first, kBuffer);
}

TEST_F(BackgroundMusicTest, BlockCrossingTheEndOfABufferGoesOnInTheNext) {
    writeSong("music.ogg", song(30000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");
    // At full volume a frame carries exactly half of the buffer's sample.
    music->volume = 1.0f;
    play(*music, 10800);
    ASSERT_EQ(music->playBuffer, 0);
    ASSERT_EQ(music->playPosition, 10800);

    std::vector<float> block = silentBlock();
    music->audioBlock(block.data(), kBlock);

    for (int j = 0; j < 225; ++j) {
        ASSERT_EQ(block[2 * j], 0.5f * music->leftSample(0, 10800 + j)) << j;
        ASSERT_EQ(block[2 * j + 1], 0.5f * music->rightSample(0, 10800 + j)) << j;
    }
    for (int j = 225; j < kBlock; ++j) {
        ASSERT_EQ(block[2 * j], 0.5f * music->leftSample(1, j - 225)) << j;
        ASSERT_EQ(block[2 * j + 1], 0.5f * music->rightSample(1, j - 225)) << j;
    }
    EXPECT_EQ(music->playBuffer, 1);
    EXPECT_EQ(music->playPosition, 287);
    EXPECT_EQ(music->state(0), BackgroundMusic::kNeedsFill);
    EXPECT_EQ(music->state(1), BackgroundMusic::kFilled);
    EXPECT_EQ(music->state(2), BackgroundMusic::kFilled);
}

TEST_F(BackgroundMusicTest, BlockEndingWithABufferChangesBuffersAtOnce) {
    writeSong("music.ogg", song(30000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");
    music->volume = 1.0f;
    play(*music, kBuffer - kBlock);

    std::vector<float> block = silentBlock();
    music->audioBlock(block.data(), kBlock);
    EXPECT_EQ(block[2 * (kBlock - 1)], 0.5f * music->leftSample(0, kBuffer - 1));
    EXPECT_EQ(music->playBuffer, 1);
    EXPECT_EQ(music->playPosition, 0);
    EXPECT_EQ(music->state(0), BackgroundMusic::kNeedsFill);

    std::vector<float> next = silentBlock();
    music->audioBlock(next.data(), kBlock);
    EXPECT_EQ(next[0], 0.5f * music->leftSample(1, 0));
    EXPECT_EQ(next[1], 0.5f * music->rightSample(1, 0));
    EXPECT_EQ(music->playPosition, kBlock);
}

TEST_F(BackgroundMusicTest, RingGoesRoundAndMarksEachBufferItLeaves) {
    writeSong("music.ogg", song(30000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");
    play(*music, 2L * kBuffer + 100);
    EXPECT_EQ(music->playBuffer, 2);
    EXPECT_EQ(music->state(0), BackgroundMusic::kNeedsFill);
    EXPECT_EQ(music->state(1), BackgroundMusic::kNeedsFill);
    EXPECT_EQ(music->state(2), BackgroundMusic::kFilled);

    play(*music, kBuffer);
    EXPECT_EQ(music->playBuffer, 0);
    EXPECT_EQ(music->playPosition, 100);
    EXPECT_EQ(music->state(2), BackgroundMusic::kNeedsFill);
    // Back at buffer 0 before its refill began: the refill is called off, so
    // that it cannot begin while the old contents play again.
    EXPECT_EQ(music->state(0), BackgroundMusic::kFilled);
}

// A stall of the music thread leaves buffers 2 and 0 waiting while 1 plays:
// the song goes on in the order they play, 1, 2, 0, whatever their numbers.
TEST_F(BackgroundMusicTest, RefillAfterAStallGoesInTheOrderTheBuffersPlay) {
    const std::vector<std::vector<float>> reference = writeSong("music.ogg", song(90000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");
    play(*music, kBuffer);
    music->refill();
    play(*music, kBuffer);
    music->refill();
    play(*music, 2L * kBuffer);
    ASSERT_EQ(music->playBuffer, 1);
    ASSERT_EQ(music->state(2), BackgroundMusic::kNeedsFill);
    ASSERT_EQ(music->state(0), BackgroundMusic::kNeedsFill);

    music->refill();
    expectBuffer(*music, 1, reference, 4 * kBuffer);
    expectBuffer(*music, 2, reference, 5 * kBuffer);
    expectBuffer(*music, 0, reference, 6 * kBuffer);
}

// The music thread decoded a quarter second for buffer 0 and was held up
// before handing it over; playback came round and took buffer 0 back. The
// hand-over must neither land there nor give away the block being read; the
// spare stays whole, so that a later hand-over to a buffer that waits is sound.
TEST_F(BackgroundMusicTest, AHandOverLandsOnlyOnABufferPlaybackHasLeft) {
    const std::vector<std::vector<float>> reference = writeSong("music.ogg", song(60000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");
    play(*music, kBuffer);
    music->decodeAhead();
    play(*music, 2L * kBuffer + kBlock);
    ASSERT_EQ(music->playBuffer, 0);
    ASSERT_EQ(music->state(0), BackgroundMusic::kFilled);

    EXPECT_FALSE(music->handOver(0));
    expectBuffer(*music, 0, reference, 0);
    EXPECT_TRUE(music->handOver(1));
    expectBuffer(*music, 1, reference, 3 * kBuffer);
    EXPECT_EQ(music->state(1), BackgroundMusic::kFilled);
    // Every block has one owner: a buffer, or the music thread as its spare.
    std::vector<int> blocks = {music->spareBlock};
    for (int buffer = 0; buffer < BackgroundMusic::kBufferCount; ++buffer) {
        blocks.push_back(music->blockOf(buffer));
    }
    std::sort(blocks.begin(), blocks.end());
    EXPECT_EQ(blocks, (std::vector<int>{0, 1, 2, 3}));
}

// Played eleven times faster than real time, the thread refilling as in the
// game: every quarter second heard is a whole quarter second of the song, new
// or played again, never silence and never two halves.
TEST_F(BackgroundMusicTest, PlaybackOutrunningTheThreadHearsOnlyWholeQuarterSeconds) {
    const std::vector<std::vector<float>> reference = writeSong("music.ogg", song(60000));
    CaptureStdout quiet;
    BackgroundMusic music(directory + "music.ogg");
    music.volume = 1.0f;
    constexpr int kQuarterSeconds = 100;
    std::vector<float> heard;
    for (long played = 0; played < kQuarterSeconds * long{kBuffer}; played += kBlock) {
        std::vector<float> block = silentBlock();
        music.audioBlock(block.data(), kBlock);
        heard.insert(heard.end(), block.begin(), block.end());
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const int length = static_cast<int>(reference[0].size());
    std::set<int> starts;
    for (int quarter = 0; quarter < kQuarterSeconds; ++quarter) {
        const float* samples = heard.data() + 2L * quarter * kBuffer;
        // Where in the song it begins: the first frame whose next few match.
        const auto beginsAt = [&](int start) {
            for (int f = 0; f < 4; ++f) {
                if (std::fabs(samples[2 * f] - 0.5f * reference[0][(start + f) % length]) > 1e-5f) {
                    return false;
                }
            }
            return true;
        };
        int start = 0;
        while (start < length && !beginsAt(start)) {
            ++start;
        }
        ASSERT_LT(start, length) << "quarter second " << quarter << " is not the song's";
        for (int f = 0; f < kBuffer; ++f) {
            ASSERT_NEAR(samples[2 * f], 0.5f * reference[0][(start + f) % length], 1e-5f)
                << "quarter second " << quarter << " breaks at frame " << f;
        }
        starts.insert(start);
    }
    EXPECT_GT(starts.size(), 3u) << "the thread refilled nothing";
}

TEST_F(BackgroundMusicTest, FadesInOverTheFirst990522Frames) {
    writeSong("music.ogg", song(30000));
    std::unique_ptr<BackgroundMusic> music = open("music.ogg");

    // The first frame is silent, the second carries one step of volume.
    std::vector<float> first = silentBlock();
    music->audioBlock(first.data(), kBlock);
    EXPECT_EQ(first[0], 0.0f);
    EXPECT_FLOAT_EQ(first[2], music->leftSample(0, 1) * 0.000001f * 0.5f);

    // The volume is a float to which each step is added and rounded.
    float expected = 0.0f;
    for (int i = 0; i < 441000; ++i) {
        expected += 0.000001f;
    }
    play(*music, 441000 - kBlock);
    EXPECT_EQ(music->volume, expected);
    EXPECT_NEAR(music->volume, 0.443f, 0.0005f);

    // A full-scale sample then comes out at about 0.22.
    float* next = music->buffers[music->blockOf(music->playBuffer)] + music->playPosition;
    *next = 1.0f;
    std::vector<float> block = silentBlock();
    music->audioBlock(block.data(), kBlock);
    EXPECT_FLOAT_EQ(block[0], expected * 0.5f);
    EXPECT_NEAR(block[0], 0.22f, 0.005f);

    play(*music, 990521 - 441000 - kBlock);
    EXPECT_LT(music->volume, 1.0f);
    play(*music, 1);
    EXPECT_EQ(music->volume, 1.0f);
    play(*music, 500000);
    EXPECT_EQ(music->volume, 1.0f);
}

TEST_F(BackgroundMusicTest, ThreadRefillsEachBufferPlaybackHasLeft) {
    const std::vector<std::vector<float>> reference = writeSong("music.ogg", song(30000));
    CaptureStdout quiet;
    BackgroundMusic music(directory + "music.ogg");
    ASSERT_NE(music.thread, nullptr);

    play(music, kBuffer);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (music.state(0) != BackgroundMusic::kFilled &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_EQ(music.state(0), BackgroundMusic::kFilled) << "buffer 0 was not refilled";
    expectBuffer(music, 0, reference, 3075);
    expectBuffer(music, 1, reference, 11025);
}

TEST_F(BackgroundMusicTest, SongWithoutFramesPlaysSilenceInsteadOfSeekingForever) {
    OggWriter::write(directory + "empty.ogg", {{}, {}});
    CaptureStdout output;
    BackgroundMusic* music = new BackgroundMusic(directory + "empty.ogg", false);
    std::unique_ptr<BackgroundMusic> owner(music);

    EXPECT_EQ(output.text(),
              "vorbisfile: Loaded file: " + directory + "empty.ogg\n" +
                  "BackgroundMusic: No sound could be decoded from the beginning of " + directory +
                  "empty.ogg; the music stays silent.\n");
    music->volume = 1.0f;
    play(*music, 3L * kBuffer);
    music->fillBuffer(0);
    std::vector<float> block = silentBlock();
    music->audioBlock(block.data(), kBlock);
    for (float sample : block) {
        ASSERT_EQ(sample, 0.0f);
    }
    for (const float* block : music->buffers) {
        for (int sample = 0; sample < BackgroundMusic::kBlockSize; ++sample) {
            ASSERT_EQ(block[sample], 0.0f);
        }
    }
    // Said once, not at every refill.
    EXPECT_EQ(output.text().find("BackgroundMusic:"), output.text().rfind("BackgroundMusic:"));
}

TEST_F(BackgroundMusicTest, MissingSongIsReportedAndStaysSilentWithoutAThread) {
    CaptureStdout output;
    BackgroundMusic* music = new BackgroundMusic(directory + "music.ogg");
    std::unique_ptr<BackgroundMusic> owner(music);
    EXPECT_EQ(output.text(), "vorbisfile: fopen could not open file: " + directory + "music.ogg\n");
    EXPECT_FALSE(music->isLoaded());
    EXPECT_EQ(music->thread, nullptr);

    std::vector<float> block(2 * kBlock, 0.25f);
    music->audioBlock(block.data(), kBlock);
    for (float sample : block) {
        ASSERT_EQ(sample, 0.25f);
    }
    EXPECT_EQ(music->playPosition, 0);
}

TEST_F(BackgroundMusicTest, FileThatIsNotVorbisIsReported) {
    OggWriter::writeGarbage(directory + "music.ogg");
    CaptureStdout output;
    BackgroundMusic music(directory + "music.ogg");
    EXPECT_EQ(output.text(), "vorbisfile: Could not open file: " + directory + "music.ogg\n");
    EXPECT_FALSE(music.isLoaded());
    EXPECT_EQ(music.thread, nullptr);
}

TEST_F(BackgroundMusicTest, DestructionPausesEvenWithoutASong) {
    CaptureStdout quiet;
    auto music = std::make_unique<BackgroundMusic>(directory + "music.ogg");
    const auto start = std::chrono::steady_clock::now();
    music.reset();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(600));
}

TEST_F(BackgroundMusicTest, DestructionStopsAndJoinsTheThread) {
    writeSong("music.ogg", song(30000));
    CaptureStdout quiet;
    auto music = std::make_unique<BackgroundMusic>(directory + "music.ogg");
    ASSERT_NE(music->thread, nullptr);
    // Keep the thread busy refilling up to the end.
    play(*music, 3L * kBuffer);
    const auto start = std::chrono::steady_clock::now();
    music.reset();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(600));
}

}  // namespace
