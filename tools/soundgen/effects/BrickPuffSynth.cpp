#include "effects/BrickPuffSynth.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "effects/EffectShaping.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLengthSeconds = 0.65;
constexpr double kButterworthQ = 0.7071;

// The thud: a low sine that sags in pitch, and the dull knock of contact.
constexpr double kThudFrequencyLow = 62;
constexpr double kThudFrequencySweep = 55;
constexpr double kThudSweepTime = 0.025;
constexpr double kThudAttack = 0.0015;
constexpr double kThudDecay = 0.055;
constexpr double kThudLevel = 0.75;
constexpr double kNockCutoff = 650;
constexpr double kNockDecay = 0.01;
constexpr double kNockLevel = 0.9;

// The puff: a breath of air pushed out of the brick, "pff".
constexpr double kPuffCutoff = 1400;
constexpr double kPuffAttack = 0.006;
constexpr double kPuffDecay = 0.07;
constexpr double kPuffLevel = 0.45;

// The dust: a wide band of hiss that swells and settles slowly.
constexpr double kDustCentre = 3200;
constexpr double kDustQ = 0.55;
constexpr double kDustHighpass = 1000;
// Dust is soft: nothing sizzles above this.
constexpr double kDustLowpass = 6500;
constexpr double kDustAttack = 0.025;
constexpr double kDustDecay = 0.17;
constexpr double kDustLevel = 0.7;

// Grit: tiny ticks that come thick at first and thin out.
constexpr int kGritGrains = 45;
constexpr double kGritStart = 0.004;
constexpr double kGritMeanDelay = 0.07;
constexpr double kGritGrainDecay = 0.0009;
constexpr double kGritGrainLength = 0.006;
constexpr double kGritLevelLow = 0.06;
constexpr double kGritLevelHigh = 0.22;
constexpr double kGritCentre = 4200;
constexpr double kGritQ = 1.2;
}  // namespace

std::vector<float> BrickPuffSynth::render(std::uint64_t seed) {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(kLengthSeconds * sr);
    Random random(seed);

    std::vector<double> grit(n, 0.0);
    for (int g = 0; g < kGritGrains; ++g) {
        const double start = kGritStart - kGritMeanDelay * std::log(1.0 - random.uniform());
        const double level = kGritLevelLow + (kGritLevelHigh - kGritLevelLow) * random.uniform();
        const std::size_t first = static_cast<std::size_t>(start * sr);
        const std::size_t count = static_cast<std::size_t>(kGritGrainLength * sr);
        for (std::size_t i = 0; i < count && first + i < n; ++i) {
            grit[first + i] += level * random.bipolar() *
                               std::exp(-static_cast<double>(i) / (kGritGrainDecay * sr));
        }
    }

    Biquad knockFilter, puffFilter, dustBand, dustHigh, dustLow, gritBand;
    knockFilter.setLowpass(sr, kNockCutoff, kButterworthQ);
    puffFilter.setLowpass(sr, kPuffCutoff, kButterworthQ);
    dustBand.setBandpass(sr, kDustCentre, kDustQ);
    dustHigh.setHighpass(sr, kDustHighpass, kButterworthQ);
    dustLow.setLowpass(sr, kDustLowpass, kButterworthQ);
    gritBand.setBandpass(sr, kGritCentre, kGritQ);

    std::vector<double> out(n);
    double thudPhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        thudPhase +=
            kTwoPi * (kThudFrequencyLow + kThudFrequencySweep * std::exp(-t / kThudSweepTime)) / sr;
        const double thudEnvelope = (1.0 - std::exp(-t / kThudAttack)) * std::exp(-t / kThudDecay);
        const double thud = kThudLevel * thudEnvelope * std::sin(thudPhase);
        const double knock =
            kNockLevel * std::exp(-t / kNockDecay) * knockFilter.process(random.bipolar());
        const double puffEnvelope = (1.0 - std::exp(-t / kPuffAttack)) * std::exp(-t / kPuffDecay);
        const double puff = kPuffLevel * puffEnvelope * puffFilter.process(random.bipolar());
        const double dustEnvelope = (1.0 - std::exp(-t / kDustAttack)) * std::exp(-t / kDustDecay);
        const double dust = kDustLevel * dustEnvelope *
                            dustLow.process(dustHigh.process(dustBand.process(random.bipolar())));
        out[i] = thud + knock + puff + dust + gritBand.process(grit[i]);
    }
    return EffectShaping::finish(out);
}
