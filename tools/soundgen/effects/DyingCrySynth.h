#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_DYINGCRYSYNTH_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_DYINGCRYSYNTH_H

#include <cstdint>
#include <vector>

// A man hit by a bullet: a sudden strained cry on an open "ah", breaking
// into a falling, creaking groan that closes towards "oh" and fades into a
// last breath. Made with FormantVoice. Mono, at AudioFormat::kSampleRate,
// about one and a half seconds.
class DyingCrySynth {
  public:
    // Samples in [-1, 1], starting and ending at silence.
    static std::vector<float> render(std::uint64_t seed);
};

#endif
