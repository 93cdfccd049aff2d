#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_VOICECONTROL_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_VOICECONTROL_H

// The settings of a synthetic voice for one sample: what the larynx does
// (pitch, loudness, breath, roughness, brightness) and the shape of the
// vocal tract (its resonances).
struct VoiceControl {
    static constexpr int kFormantCount = 5;

    // Fundamental frequency in Hz.
    double pitch = 120;
    // Level of the voiced sound, 0 to 1.
    double voicing = 0;
    // Level of the breath noise, 0 to 1, independent of voicing.
    double breath = 0;
    // 0 for a clean voice; towards 1 every second glottal pulse weakens,
    // which gives the creak of a groan.
    double roughness = 0;
    // Fall of the glottal harmonics: harmonic k has level 1 / k^tilt.
    // Below 1 is a pressed, strained voice; above 1 a lax one.
    double tilt = 1;
    // Resonance centres and bandwidths in Hz.
    double formants[kFormantCount] = {700, 1200, 2500, 3500, 4500};
    double bandwidths[kFormantCount] = {90, 110, 160, 250, 300};
};

#endif
