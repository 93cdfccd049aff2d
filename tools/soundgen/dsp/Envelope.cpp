#include "dsp/Envelope.h"

#include <cmath>

namespace {
constexpr double kPi = 3.141592653589793;
// The decay is exponential; this many time constants fit in the decay time,
// so the level is within 1 % of the sustain level when it ends.
constexpr double kDecayTimeConstants = 4.6;
}  // namespace

Envelope::Envelope(double attackSeconds, double decaySeconds, double sustainLevel,
                   double releaseSeconds)
    : attack(attackSeconds), decay(decaySeconds), sustain(sustainLevel), release(releaseSeconds) {}

double Envelope::held(double t) const {
    if (t < 0) {
        return 0;
    }
    if (t < attack) {
        return 0.5 - 0.5 * std::cos(kPi * t / attack);
    }
    if (decay <= 0) {
        return sustain;
    }
    const double d = (t - attack) / decay;
    return sustain + (1.0 - sustain) * std::exp(-kDecayTimeConstants * d);
}

double Envelope::value(double t, double noteLength) const {
    if (t < noteLength) {
        return held(t);
    }
    const double r = (t - noteLength) / release;
    if (r >= 1) {
        return 0;
    }
    // A cubic fall ends at zero with zero slope, like an exponential that
    // is forced to finish.
    const double fall = (1 - r) * (1 - r) * (1 - r);
    return held(noteLength) * fall;
}
