#include "effects/FormantVoice.h"

#include <cmath>
#include <iterator>

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 2 * kPi;
// No harmonic above this is made: the voice has little energy up there and
// the ceiling stays well below Nyquist.
constexpr double kHarmonicCeiling = 9000;
// Relative size of the random pitch and level wavers.
constexpr double kJitterDepth = 0.012;
constexpr double kShimmerDepth = 0.06;
// How quickly the wavers wander: a one-pole smoothing of white noise.
constexpr double kWaverSmoothing = 0.002;
// Scale of a smoothed waver back to about unit size.
constexpr double kWaverGain = 18;
// The cascade's peaks are far above 1; this brings a vowel back near full
// scale.
constexpr double kVoicedGain = 0.06;
// The first resonance the breath noise passes.
constexpr int kBreathBandFirst = 1;
constexpr double kBreathQ = 4;
constexpr double kBreathBandGains[] = {0.6, 0.5, 0.35};
// Breath through a closed glottis is this share of that through an open one.
constexpr double kClosedBreath = 0.2;
}  // namespace

FormantVoice::FormantVoice(double rate, std::uint64_t seed)
    : sampleRate(rate), random(seed), phase(0), jitter(0), shimmer(0) {}

std::complex<double> FormantVoice::tractResponse(const VoiceControl& c, double f) {
    std::complex<double> response = 1;
    for (int i = 0; i < VoiceControl::kFormantCount; ++i) {
        const double fc = c.formants[i];
        const double b = c.bandwidths[i];
        response *= fc * fc / std::complex<double>(fc * fc - f * f, b * f);
    }
    return response;
}

double FormantVoice::next(const VoiceControl& c) {
    jitter += kWaverSmoothing * (random.bipolar() * kWaverGain - jitter);
    shimmer += kWaverSmoothing * (random.bipolar() * kWaverGain - shimmer);
    const double pitch = c.pitch * (1.0 + kJitterDepth * jitter);

    // Harmonic k is sin(k theta + phase of the tract) = Re(H) sin(k theta)
    // + Im(H) cos(k theta). The sines and cosines of k theta come from the
    // Chebyshev recurrence x(k) = 2 cos(theta) x(k - 1) - x(k - 2).
    const double theta = std::fmod(phase, kTwoPi);
    const double c1 = std::cos(theta);
    double sPrev = 0, sCur = std::sin(theta);
    double cPrev = 1, cCur = c1;
    double voiced = 0;
    const int harmonics = static_cast<int>(kHarmonicCeiling / pitch);
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
    voiced *= kVoicedGain * c.voicing * creak * (1.0 + kShimmerDepth * shimmer);

    // Breath is strongest while the glottis is open.
    const double opening = kClosedBreath + (1.0 - kClosedBreath) * 0.5 * (1.0 + std::cos(theta));
    const double noise = random.bipolar();
    double breath = 0;
    static_assert(std::size(kBreathBandGains) == kBreathBandCount);
    for (int i = 0; i < kBreathBandCount; ++i) {
        breathBands[i].setBandpass(sampleRate, c.formants[kBreathBandFirst + i], kBreathQ);
        breath += kBreathBandGains[i] * breathBands[i].process(noise);
    }
    breath *= c.breath * opening;

    phase += kTwoPi * pitch / sampleRate;
    if (phase >= 2 * kTwoPi) {
        phase -= 2 * kTwoPi;
    }
    return voiced + breath;
}
