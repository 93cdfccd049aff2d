#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_BIQUAD_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_BIQUAD_H

// Second-order IIR section (direct form I) with the usual audio designs
// (lowpass, highpass, bandpass, peaking). The design calls may be repeated
// between samples to sweep a filter: the delay state is kept.
class Biquad {
  public:
    Biquad();

    // Frequencies in Hz; q is the resonance (0.7071 for a Butterworth
    // response); they are clamped below the Nyquist frequency.
    void setLowpass(double sampleRate, double frequency, double q);
    void setHighpass(double sampleRate, double frequency, double q);
    // Peak gain 1 (0 dB) at the centre frequency.
    void setBandpass(double sampleRate, double frequency, double q);
    // Boost (positive dB) or cut around the centre frequency.
    void setPeaking(double sampleRate, double frequency, double q, double gainDb);

    double process(double x);
    // Clears the delay state.
    void reset();

    // Magnitude of the current design's response at a frequency.
    double magnitudeAt(double sampleRate, double frequency) const;

  private:
    void setNormalised(double b0, double b1, double b2, double a0, double a1, double a2);

    double b0, b1, b2, a1, a2;
    double x1, x2, y1, y2;
};

#endif
