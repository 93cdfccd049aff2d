#ifndef TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_FORMANTVOICE_H
#define TRUCEWARD_TOOLS_SOUNDGEN_EFFECTS_FORMANTVOICE_H

#include <complex>
#include <cstdint>

#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "effects/VoiceControl.h"

// A voice made by additive synthesis: the glottal harmonics of the current
// pitch, each weighted by the response of a cascade of vocal-tract
// resonances at its frequency, plus breath noise through the upper
// resonances, pulsing with the glottis. Harmonics stop below a ceiling, so
// nothing aliases however the pitch moves. Small random wavers of pitch and
// level (jitter and shimmer) keep it from sounding like an organ.
class FormantVoice {
  public:
    FormantVoice(double sampleRate, std::uint64_t seed);
    FormantVoice(const FormantVoice&) = delete;
    FormantVoice& operator=(const FormantVoice&) = delete;

    // The next sample, roughly within [-1, 1] at full voicing.
    double next(const VoiceControl& control);

    // Response of the resonance cascade at a frequency (1 at 0 Hz): each
    // harmonic takes its gain and its phase, so that every glottal pulse
    // rings on in the resonances as a real voice's does.
    static std::complex<double> tractResponse(const VoiceControl& control, double frequency);

  private:
    double sampleRate;
    Random random;
    // Accumulated phase of the fundamental over two glottal periods, in
    // radians, so that the half-rate roughness stays continuous.
    double phase;
    double jitter;
    double shimmer;
    // Breath noise passes the second, third and fourth resonances.
    static constexpr int kBreathBandCount = 3;
    Biquad breathBands[kBreathBandCount];
};

#endif
