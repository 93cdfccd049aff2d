// The audio thread's work for one output block in the busiest case the game
// allows: all 396 effect voices playing and the music on, far beyond full
// scale, so that the limiter works on every frame. A block of 512
// frames lasts 11.6 ms at 44100 Hz; the time per block must stay far below.
// Uses the game's own sound files from the sounds folder beside the executable.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "audio/BackgroundMusic.h"
#include "audio/Limiter.h"
#include "audio/Sounds.h"

namespace {

constexpr int kBlockFrames = 512;

// The longest effect keeps its voices busy for the most blocks.
Sounds::SoundType longestSound(const Sounds& sounds) {
    Sounds::SoundType longest = Sounds::SoundShot;
    for (int type = 0; type < Sounds::kSoundCount; ++type) {
        if (sounds.sounds[type].length > sounds.sounds[longest].length) {
            longest = static_cast<Sounds::SoundType>(type);
        }
    }
    return longest;
}

// Starts an effect on every voice, spread across the field.
void fillVoices(Sounds* sounds, Sounds::SoundType type) {
    for (int i = 0; i < Sounds::kVoiceCount; ++i) {
        sounds->playSound(type, Sounds::kFieldWidth * i / (Sounds::kVoiceCount - 1));
    }
}

void BM_AudioBlockWithAllVoicesAndMusic(benchmark::State& state) {
    BackgroundMusic music;
    Sounds* sounds = Sounds::getInstance();
    const Sounds::SoundType type = longestSound(*sounds);
    if (!music.isLoaded() || sounds->sounds[type].length < kBlockFrames) {
        state.SkipWithError("the sounds folder beside the executable has no usable sounds");
        return;
    }
    Limiter limiter;
    std::vector<float> block(2 * kBlockFrames);
    fillVoices(sounds, type);
    for (auto _ : state) {
        // Voices started together end together.
        if (!sounds->voices[0].active.load()) {
            state.PauseTiming();
            fillVoices(sounds, type);
            state.ResumeTiming();
        }
        // What Application::getAudio does for a block.
        std::fill(block.begin(), block.end(), 0.0f);
        music.audioBlock(block.data(), kBlockFrames);
        sounds->audioBlock(block.data(), kBlockFrames);
        limiter.process(block.data(), kBlockFrames);
        benchmark::DoNotOptimize(block.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel("396 voices + music; a 512-frame block lasts 11.6 ms");
}

}  // namespace

BENCHMARK(BM_AudioBlockWithAllVoicesAndMusic)->Unit(benchmark::kMicrosecond);
