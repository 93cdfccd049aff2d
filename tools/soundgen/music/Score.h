#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SCORE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SCORE_H

#include <vector>

#include "music/Part.h"

// "Truce", the game's march: twenty-four bars in D minor at 98 beats a
// minute. A solemn march theme on the horn over strings, tuba and field
// drums (bars 1-8); a restless middle that climbs through the relative
// major and ends on the dominant (9-16); and a broad, hopeful strain where
// a second horn joins and the drums fall back, coming to rest on D major
// (17-24). A snare roll at the end leads back into the first bar, so the
// piece loops.
class Score {
  public:
    static constexpr int kBeatsPerBar = 4;
    static constexpr int kBars = 24;
    // 98 beats a minute at 44100 Hz: a whole number of frames per beat,
    // so every bar line falls exactly on a frame.
    static constexpr long kFramesPerBeat = 27000;
    static constexpr long long kLoopFrames =
        static_cast<long long>(kBars) * kBeatsPerBar * kFramesPerBeat;
    static constexpr double kTotalBeats = static_cast<double>(kBars) * kBeatsPerBar;

    Score();

    const std::vector<Part>& parts() const { return partList; }

  private:
    void addLead();
    void addSecondHorn();
    void addStrings();
    void addTuba();
    void addDrums();

    std::vector<Part> partList;
};

#endif
