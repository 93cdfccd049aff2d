#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_SAWOSCILLATOR_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_SAWOSCILLATOR_H

// Band-limited sawtooth (PolyBLEP): a naive ramp whose jump is smoothed by
// a two-sample polynomial, which removes most of the aliasing a plain ramp
// folds back into the audible range. Output in [-1, 1].
class SawOscillator {
  public:
    // phase in [0, 1) lets several detuned voices start apart.
    explicit SawOscillator(double phase);

    // frequency / sampleRate for the next sample; must stay below 0.5.
    double next(double phaseIncrement);

  private:
    double phase;
};

#endif
