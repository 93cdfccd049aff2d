#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_BASSDRUM_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_BASSDRUM_H

#include "music/Instrument.h"

// A big marching bass drum struck with a soft mallet: a deep boom that
// sags in pitch, a higher overtone of the skin, and the mallet's dull knock.
class BassDrum : public Instrument {
  public:
    std::vector<float> play(const NotePlay& note) const override;
};

#endif
