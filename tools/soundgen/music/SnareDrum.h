#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SNAREDRUM_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_SNAREDRUM_H

#include "music/Instrument.h"

// A field snare drum: the stick's click, the skin's two low modes, and the
// rattle of the snare wires, all briefer and darker the softer the stroke.
class SnareDrum : public Instrument {
  public:
    std::vector<float> play(const NotePlay& note) const override;
};

#endif
