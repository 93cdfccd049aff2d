#ifndef TRUCEWARD_TOOLS_SOUNDGEN_DSP_CHORUS_H
#define TRUCEWARD_TOOLS_SOUNDGEN_DSP_CHORUS_H

#include <cstddef>
#include <vector>

// Stereo chorus: each side adds a copy of itself through a delay that a
// slow sine sways, the right side's sine a quarter turn behind the left's.
// A pad through it sounds like several players slightly apart.
class Chorus {
  public:
    // Delays in milliseconds; the delay moves between base - depth and
    // base + depth (depth < base). mix is the level of the delayed copy.
    Chorus(double sampleRate, double baseDelayMs, double depthMs, double rateHz, double mix);
    Chorus(const Chorus&) = delete;
    Chorus& operator=(const Chorus&) = delete;

    void process(double inLeft, double inRight, double& outLeft, double& outRight);

  private:
    double readDelayed(const std::vector<double>& line, double delaySamples) const;

    std::vector<double> lineLeft, lineRight;
    std::size_t writeIndex;
    double baseDelay;
    double depth;
    double phase;
    double phaseIncrement;
    double mix;
};

#endif
