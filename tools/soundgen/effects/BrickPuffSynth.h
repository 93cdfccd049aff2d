#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_BRICKPUFFSYNTH_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_BRICKPUFFSYNTH_H

#include <cstdint>
#include <vector>

// A bullet burying itself in a brick: a soft, dull thud, a few grains of
// grit falling, and a breathy hiss of dust puffing out and settling. Mono,
// at AudioFormat::kSampleRate, about two thirds of a second.
class BrickPuffSynth {
  public:
    // Samples in [-1, 1], starting and ending at silence.
    static std::vector<float> render(std::uint64_t seed);
};

#endif
