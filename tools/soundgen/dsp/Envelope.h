#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_ENVELOPE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_ENVELOPE_H

// Attack-decay-sustain-release amplitude curve, evaluated as a pure
// function of time so that a note can be rendered in any order. The gate
// closes at the note's length; the release starts from whatever level the
// curve had reached then, so short notes do not jump.
class Envelope {
  public:
    // Times in seconds (attack and release must be positive); sustain is a
    // level in [0, 1].
    Envelope(double attack, double decay, double sustain, double release);

    // Level at time t after the note's start for a note held noteLength
    // seconds; 0 before the start and from noteLength + release on.
    double value(double t, double noteLength) const;

    // Seconds of sound a note of this length makes, release included.
    double soundingLength(double noteLength) const { return noteLength + release; }

  private:
    double held(double t) const;

    double attack;
    double decay;
    double sustain;
    double release;
};

#endif
