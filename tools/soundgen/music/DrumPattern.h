#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_DRUMPATTERN_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_DRUMPATTERN_H

#include <string>
#include <vector>

#include "music/ScoreNote.h"

// Reads one bar of a drum part written on a grid of sixteenth notes, one
// character per step (spaces are only for the eye):
//   .      nothing;
//   1 - 9  a stroke at velocity 0.1 - 0.9;
//   X      an accented stroke (velocity 1);
//   a - i  a roll: three quick strokes filling the step, at velocity
//          0.1 - 0.9 (at marching tempo, about twenty strokes a second).
class DrumPattern {
  public:
    static constexpr double kStepBeats = 0.25;
    static constexpr int kRollStrokes = 3;

    // Strokes of the pattern laid out from barStartBeat; each stroke lasts
    // one step. Throws std::invalid_argument on an unknown character.
    static std::vector<ScoreNote> parse(const std::string& pattern, double barStartBeat);
    // Number of steps in a pattern.
    static int steps(const std::string& pattern);
};

#endif
