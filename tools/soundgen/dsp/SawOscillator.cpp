#include "dsp/SawOscillator.h"

namespace {
// Correction around a unit jump: t is the phase, dt the increment.
double polyBlep(double t, double dt) {
    if (t < dt) {
        const double x = t / dt;
        return x + x - x * x - 1.0;
    }
    if (t > 1.0 - dt) {
        const double x = (t - 1.0) / dt;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}
}  // namespace

SawOscillator::SawOscillator(double startPhase) : phase(startPhase) {}

double SawOscillator::next(double dt) {
    const double value = 2.0 * phase - 1.0 - polyBlep(phase, dt);
    phase += dt;
    if (phase >= 1.0) {
        phase -= 1.0;
    }
    return value;
}
