#include "dsp/Chorus.h"

#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kQuarterTurn = 1.5707963267948966;
// Room in the delay lines beyond the longest delay, for interpolation.
constexpr std::size_t kGuardSamples = 4;
}  // namespace

Chorus::Chorus(double sampleRate, double baseDelayMs, double depthMs, double rateHz,
               double mixLevel)
    : writeIndex(0),
      baseDelay(baseDelayMs * sampleRate / 1000.0),
      depth(depthMs * sampleRate / 1000.0),
      phase(0),
      phaseIncrement(kTwoPi * rateHz / sampleRate),
      mix(mixLevel) {
    const std::size_t length = static_cast<std::size_t>(baseDelay + depth) + kGuardSamples;
    lineLeft.assign(length, 0.0);
    lineRight.assign(length, 0.0);
}

double Chorus::readDelayed(const std::vector<double>& line, double delaySamples) const {
    const std::size_t n = line.size();
    double position = static_cast<double>(writeIndex) - delaySamples;
    while (position < 0) {
        position += static_cast<double>(n);
    }
    const std::size_t i0 = static_cast<std::size_t>(position) % n;
    const std::size_t i1 = (i0 + 1) % n;
    const double frac = position - std::floor(position);
    return line[i0] * (1.0 - frac) + line[i1] * frac;
}

void Chorus::process(double inLeft, double inRight, double& outLeft, double& outRight) {
    lineLeft[writeIndex] = inLeft;
    lineRight[writeIndex] = inRight;
    const double delayLeft = baseDelay + depth * std::sin(phase);
    const double delayRight = baseDelay + depth * std::sin(phase - kQuarterTurn);
    outLeft = inLeft + mix * readDelayed(lineLeft, delayLeft);
    outRight = inRight + mix * readDelayed(lineRight, delayRight);
    writeIndex = (writeIndex + 1) % lineLeft.size();
    phase += phaseIncrement;
    if (phase >= kTwoPi) {
        phase -= kTwoPi;
    }
}
