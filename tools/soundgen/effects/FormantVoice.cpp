#include "effects/FormantVoice.h"

#include <cmath>
#include <iterator>

namespace {
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 2 * pi;
// No harmonic above this is made: the voice has little energy up there and
// the ceiling stays well below Nyquist.
constexpr double harmonicCeiling = 9000;
// Relative size of the random pitch and level wavers.
constexpr double jitterDepth = 0.012;
constexpr double shimmerDepth = 0.06;
// How quickly the wavers wander: a one-pole smoothing of white noise.
constexpr double waverSmoothing = 0.002;
// Scale of a smoothed waver back to about unit size.
constexpr double waverGain = 18;
// The cascade's peaks are far above 1; this brings a vowel back near full
// scale.
constexpr double voicedGain = 0.06;
// The first resonance the breath noise passes.
constexpr int breathBandFirst = 1;
constexpr double breathQ = 4;
constexpr double breathBandGains[] = {0.6, 0.5, 0.35};
// Breath through a closed glottis is this share of that through an open one.
constexpr double closedBreath = 0.2;
}  // namespace

FormantVoice::FormantVoice(double rate, std::uint64_t seed)
    : sampleRate(rate), random(seed), phase(0), jitter(0), shimmer(0) {}

std::complex<double> FormantVoice::tractResponse(const VoiceControl& c, double f) {
    std::complex<double> response = 1;
    for (int i = 0; i < VoiceControl::formantCount; ++i) {
        const double fc = c.formants[i];
        const double b = c.bandwidths[i];
        response *= fc * fc / std::complex<double>(fc * fc - f * f, b * f);
    }
    return response;
}

double FormantVoice::next(const VoiceControl& c) {
    jitter += waverSmoothing * (random.bipolar() * waverGain - jitter);
    shimmer += waverSmoothing * (random.bipolar() * waverGain - shimmer);
    const double pitch = c.pitch * (1.0 + jitterDepth * jitter);

    // Harmonic k is sin(k theta + phase of the tract) = Re(H) sin(k theta)
    // + Im(H) cos(k theta). The sines and cosines of k theta come from the
    // Chebyshev recurrence x(k) = 2 cos(theta) x(k - 1) - x(k - 2).
    const double theta = std::fmod(phase, twoPi);
    const double c1 = std::cos(theta);
    double sPrev = 0, sCur = std::sin(theta);
    double cPrev = 1, cCur = c1;
    double voiced = 0;
    const int harmonics = static_cast<int>(harmonicCeiling / pitch);
    for (int k = 1; k <= harmonics; ++k) {
        const std::complex<double> h = tractResponse(c, k * pitch) / std::pow(k, c.tilt);
        voiced += h.real() * sCur + h.imag() * cCur;
        const double sNext = 2 * c1 * sCur - sPrev;
        const double cNext = 2 * c1 * cCur - cPrev;
        sPrev = sCur;
        sCur = sNext;
        cPrev = cCur;
        cCur = cNext;
    }
    // Every other glottal pulse is weakened by the roughness: a raised
    // cosine at half the pitch, 1 on one pulse and 0 on the next.
    const double everyOther = 0.5 * (1.0 + std::cos(phase / 2));
    const double creak = 1.0 - c.roughness * everyOther;
    voiced *= voicedGain * c.voicing * creak * (1.0 + shimmerDepth * shimmer);

    // Breath is strongest while the glottis is open.
    const double opening = closedBreath + (1.0 - closedBreath) * 0.5 * (1.0 + std::cos(theta));
    const double noise = random.bipolar();
    double breath = 0;
    static_assert(std::size(breathBandGains) == breathBandCount);
    for (int i = 0; i < breathBandCount; ++i) {
        breathBands[i].setBandpass(sampleRate, c.formants[breathBandFirst + i], breathQ);
        breath += breathBandGains[i] * breathBands[i].process(noise);
    }
    breath *= c.breath * opening;

    phase += twoPi * pitch / sampleRate;
    if (phase >= 2 * twoPi) {
        phase -= 2 * twoPi;
    }
    return voiced + breath;
}
