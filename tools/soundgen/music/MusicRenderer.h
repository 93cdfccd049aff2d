#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_MUSICRENDERER_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_MUSICRENDERER_H

#include <cstdint>

#include "dsp/StereoBuffer.h"
#include "music/Score.h"

// Plays a score on the synthesised band and mixes it: each player at its
// level and place in the stereo field, the strings through a chorus, and
// everyone into a shared room. The result is exactly one loop of
// Score::kLoopFrames frames that joins its own start seamlessly: the piece
// is played three times in a row and the middle time is kept, so the ring
// of the last bars and of the room carries over into the first bars as it
// will when the game loops the file. Everything that varies in time
// (the chorus's sway, each note's noise and timing) repeats exactly with
// the loop.
class MusicRenderer {
  public:
    // seed: the source of each note's small variations of timing and force.
    static StereoBuffer render(const Score& score, std::uint64_t seed);

    // Frequency in Hz of a MIDI pitch (A4 = 69 = 440 Hz, equal temperament).
    static double frequencyOf(int pitch);
};

#endif
