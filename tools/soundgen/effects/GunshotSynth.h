#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_GUNSHOTSYNTH_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_GUNSHOTSYNTH_H

#include <cstdint>
#include <vector>

// A rifle shot heard across an open field: the sharp crack of the muzzle
// blast, a short burst of noise that darkens as it dies, a low boom that
// drops in pitch, and the rumble and echoes of the land around. Mono,
// at AudioFormat::kSampleRate, under a second.
class GunshotSynth {
  public:
    // Samples in [-1, 1], starting and ending at silence.
    static std::vector<float> render(std::uint64_t seed);
};

#endif
