#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_STRINGPAD_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_STRINGPAD_H

#include "dsp/Envelope.h"
#include "music/Instrument.h"

// A section of strings holding one note: three slightly detuned band-limited
// sawtooths, each with its own slow vibrato, through a gentle lowpass that
// opens with the force of playing. The bow swells in slowly and fades out
// slowly, so chords overlap softly.
class StringPad : public Instrument {
  public:
    StringPad();

    std::vector<float> play(const NotePlay& note) const override;

  private:
    Envelope envelope;
};

#endif
