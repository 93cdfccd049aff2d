#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_CYMBAL_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_CYMBAL_H

#include "music/Instrument.h"

// A suspended cymbal, either struck (a soft crash that rings away) or
// rolled with mallets (a swell that grows through the note and rings on
// after it). Bright noise through a few metallic resonances.
class Cymbal : public Instrument {
  public:
    explicit Cymbal(bool rolled);

    std::vector<float> play(const NotePlay& note) const override;

  private:
    bool rolled;
};

#endif
