#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_INSTRUMENT_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_INSTRUMENT_H

#include <vector>

#include "music/NotePlay.h"

// A synthesised instrument: renders one note at a time as mono samples at
// AudioFormat::kSampleRate, starting at the note's onset and running until
// its sound has died away (release included), ending on silence.
class Instrument {
  public:
    Instrument() = default;
    Instrument(const Instrument&) = delete;
    Instrument& operator=(const Instrument&) = delete;
    virtual ~Instrument() = default;

    virtual std::vector<float> play(const NotePlay& note) const = 0;
};

#endif
