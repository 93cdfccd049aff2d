// The output stream, on a real ALSA device made for the test: ALSA's file
// plugin as the default device writes every block it is given into a file.
// Without a sound card and with that device unconfigured, there is no device.
#include "audio/PortAudioDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "audio/PortAudioCallback.h"
#include "tests/support/CaptureStdout.h"
#include "tests/support/TempHome.h"

namespace {

constexpr float kLeftLevel = 0.25f;
constexpr float kRightLevel = -0.5f;

// Writes a constant frame into every block and counts the blocks.
class ConstantSource : public PortAudioCallback {
  public:
    void getAudio(float* input, float* output, int frames) override {
        lastInput.store(input);
        for (int frame = 0; frame < frames; ++frame) {
            output[2 * frame] = kLeftLevel;
            output[2 * frame + 1] = kRightLevel;
        }
        lastFrames.store(frames);
        blocks.fetch_add(1);
    }

    std::atomic<int> blocks{0};
    std::atomic<int> lastFrames{0};
    // Points at `unset` until the first block arrives.
    float unset = 0.0f;
    std::atomic<float*> lastInput{&unset};
};

class PortAudioDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        directory = makeTempDirectory("truceward-alsa-");
        const char* old = std::getenv("ALSA_CONFIG_PATH");
        hadConfig = old != nullptr;
        previousConfig = hadConfig ? old : "";
    }
    void TearDown() override {
        if (hadConfig) {
            setenv("ALSA_CONFIG_PATH", previousConfig.c_str(), 1);
        } else {
            unsetenv("ALSA_CONFIG_PATH");
        }
        std::filesystem::remove_all(directory);
    }

    // ALSA's own configuration plus a default device writing to `capture`.
    void useCaptureDevice() {
        capture = directory + "/capture.raw";
        const std::string config = directory + "/capture.conf";
        std::ofstream(config) << "pcm.!default { type file; slave.pcm \"null\"; file \"" << capture
                              << "\"; format \"raw\" }\n";
        setenv("ALSA_CONFIG_PATH", ("/usr/share/alsa/alsa.conf:" + config).c_str(), 1);
    }

    // A configuration whose one device cannot be opened, so that ALSA finds
    // none even on a machine with a sound card. (With no device defined at
    // all, PortAudio trips over its own assertion while listing devices.)
    void useNoDevice() {
        const std::string config = directory + "/empty.conf";
        std::ofstream(config) << "pcm.broken { type hw; card 99 }\n";
        setenv("ALSA_CONFIG_PATH", config.c_str(), 1);
    }

    // The frames the device wrote, as (left, right) pairs.
    std::vector<float> captured() const {
        std::ifstream in(capture, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::vector<float> samples(bytes.size() / sizeof(float));
        std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
        return samples;
    }

    static bool waitForBlocks(const ConstantSource& source, int count) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (source.blocks.load() < count) {
            if (std::chrono::steady_clock::now() > deadline) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }

    std::string directory;
    std::string capture;
    bool hadConfig = false;
    std::string previousConfig;
};

TEST_F(PortAudioDeviceTest, StreamPlaysTheCallbacksBlocksAt44100) {
    useCaptureDevice();
    ConstantSource source;
    PortAudioDevice device;
    device.setCallback(&source);
    device.setNumChannels(0, 2);
    device.setSamplerate(44100.0);

    CaptureStdout output;
    ASSERT_TRUE(device.start());
    EXPECT_TRUE(device.started);
    EXPECT_EQ(device.sampleRate, 44100.0);
    EXPECT_EQ(Pa_GetStreamInfo(device.stream)->sampleRate, 44100.0);
    ASSERT_TRUE(waitForBlocks(source, 8));
    EXPECT_EQ(source.lastInput.load(), nullptr);
    device.stop();
    EXPECT_FALSE(device.started);
    EXPECT_EQ(output.text(), "");

    const std::vector<float> samples = captured();
    ASSERT_EQ(samples.size() % 2, 0u);
    size_t played = 0;
    for (size_t i = 0; i < samples.size(); i += 2) {
        // The device may add silence of its own before the first block.
        const bool silent = samples[i] == 0.0f && samples[i + 1] == 0.0f;
        const bool ours = samples[i] == kLeftLevel && samples[i + 1] == kRightLevel;
        ASSERT_TRUE(silent || ours) << "frame " << i / 2;
        played += ours ? 1 : 0;
    }
    EXPECT_GE(played, static_cast<size_t>(source.lastFrames.load()));
}

TEST_F(PortAudioDeviceTest, StartAndStopAreIdempotent) {
    useCaptureDevice();
    ConstantSource source;
    PortAudioDevice device;
    device.setCallback(&source);

    CaptureStdout output;
    device.stop();
    EXPECT_FALSE(device.started);
    ASSERT_TRUE(device.start());
    PaStream* stream = device.stream;
    EXPECT_FALSE(device.start());
    EXPECT_EQ(device.stream, stream);
    EXPECT_TRUE(Pa_IsStreamActive(device.stream) == 1);
    device.stop();
    device.stop();
    EXPECT_FALSE(device.started);
    EXPECT_EQ(output.text(), "");

    // A stopped device can be started again.
    const int before = source.blocks.load();
    ASSERT_TRUE(device.start());
    EXPECT_TRUE(waitForBlocks(source, before + 4));
}

TEST_F(PortAudioDeviceTest, NoDeviceIsReportedAndLeavesTheGameSilent) {
    useNoDevice();
    ConstantSource source;
    PortAudioDevice device;
    device.setCallback(&source);

    CaptureStdout output;
    EXPECT_FALSE(device.start());
    EXPECT_EQ(output.text(), "PortAudioDevice Error: Could not open stream.\n");
    EXPECT_FALSE(device.started);
    EXPECT_EQ(device.stream, nullptr);
    device.stop();
    EXPECT_EQ(source.blocks.load(), 0);
}

TEST(PortAudioCallbackTest, LibraryCallbackHandsTheBlockToTheSource) {
    ConstantSource source;
    float input[4] = {};
    std::vector<float> output(2 * 3, 9.0f);
    const int result =
        PortAudioDevice::portAudioCallback(input, output.data(), 3, nullptr, 0, &source);
    EXPECT_EQ(result, paContinue);
    EXPECT_EQ(source.lastInput.load(), input);
    EXPECT_EQ(source.lastFrames.load(), 3);
    EXPECT_EQ(output, std::vector<float>({kLeftLevel, kRightLevel, kLeftLevel, kRightLevel,
                                          kLeftLevel, kRightLevel}));
}

TEST(PortAudioCallbackTest, WithoutASourceTheBlockIsLeftAsItCame) {
    std::vector<float> output(2 * 3, 9.0f);
    const int result =
        PortAudioDevice::portAudioCallback(nullptr, output.data(), 3, nullptr, 0, nullptr);
    EXPECT_EQ(result, paContinue);
    EXPECT_EQ(output, std::vector<float>(2 * 3, 9.0f));
}

}  // namespace
