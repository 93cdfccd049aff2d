#ifndef TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_BRASSVOICE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_MUSIC_BRASSVOICE_H

#include "dsp/Envelope.h"
#include "music/Instrument.h"

// A warm brass voice (horn, tuba) by additive synthesis: phase-locked
// harmonics whose spectrum grows brighter as the note swells and with the
// force it is played with, as a real brass instrument's does. The pitch
// scoops up into each note and a vibrato creeps in on long ones; a breath
// of noise colours the attack.
class BrassVoice : public Instrument {
  public:
    struct Settings {
        double attack, decay, sustain, release;
        // Held fraction of the written length (1 legato, less detached),
        // but long notes are held at least until longestGap before their end.
        double articulation;
        double longestGap;
        // Each harmonic is this factor (as e^-slope) below the one before:
        // darkSlope when soft, brightSlope at full force and level.
        double darkSlope, brightSlope;
        double vibratoRate, vibratoCents, vibratoDelay;
        double scoopCents, scoopTime;
        double breathLevel;
        // Highest harmonic frequency made.
        double ceilingHz;
    };

    explicit BrassVoice(const Settings& settings);

    std::vector<float> play(const NotePlay& note) const override;

    static Settings horn();
    static Settings tuba();

  private:
    Settings settings;
    Envelope envelope;
};

#endif
