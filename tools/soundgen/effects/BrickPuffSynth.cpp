#include "effects/BrickPuffSynth.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "effects/EffectShaping.h"

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double lengthSeconds = 0.65;
constexpr double butterworthQ = 0.7071;

// The thud: a low sine that sags in pitch, and the dull knock of contact.
constexpr double thudFrequencyLow = 62;
constexpr double thudFrequencySweep = 55;
constexpr double thudSweepTime = 0.025;
constexpr double thudAttack = 0.0015;
constexpr double thudDecay = 0.055;
constexpr double thudLevel = 0.75;
constexpr double knockCutoff = 650;
constexpr double knockDecay = 0.01;
constexpr double knockLevel = 0.9;

// The puff: a breath of air pushed out of the brick, "pff".
constexpr double puffCutoff = 1400;
constexpr double puffAttack = 0.006;
constexpr double puffDecay = 0.07;
constexpr double puffLevel = 0.45;

// The dust: a wide band of hiss that swells and settles slowly.
constexpr double dustCentre = 3200;
constexpr double dustQ = 0.55;
constexpr double dustHighpass = 1000;
// Dust is soft: nothing sizzles above this.
constexpr double dustLowpass = 6500;
constexpr double dustAttack = 0.025;
constexpr double dustDecay = 0.17;
constexpr double dustLevel = 0.7;

// Grit: tiny ticks that come thick at first and thin out.
constexpr int gritGrains = 45;
constexpr double gritStart = 0.004;
constexpr double gritMeanDelay = 0.07;
constexpr double gritGrainDecay = 0.0009;
constexpr double gritGrainLength = 0.006;
constexpr double gritLevelLow = 0.06;
constexpr double gritLevelHigh = 0.22;
constexpr double gritCentre = 4200;
constexpr double gritQ = 1.2;
}  // namespace

std::vector<float> BrickPuffSynth::render(std::uint64_t seed) {
    const double sr = AudioFormat::sampleRate;
    const std::size_t n = static_cast<std::size_t>(lengthSeconds * sr);
    Random random(seed);

    std::vector<double> grit(n, 0.0);
    for (int g = 0; g < gritGrains; ++g) {
        const double start = gritStart - gritMeanDelay * std::log(1.0 - random.uniform());
        const double level = gritLevelLow + (gritLevelHigh - gritLevelLow) * random.uniform();
        const std::size_t first = static_cast<std::size_t>(start * sr);
        const std::size_t count = static_cast<std::size_t>(gritGrainLength * sr);
        for (std::size_t i = 0; i < count && first + i < n; ++i) {
            grit[first + i] += level * random.bipolar() *
                               std::exp(-static_cast<double>(i) / (gritGrainDecay * sr));
        }
    }

    Biquad knockFilter, puffFilter, dustBand, dustHigh, dustLow, gritBand;
    knockFilter.setLowpass(sr, knockCutoff, butterworthQ);
    puffFilter.setLowpass(sr, puffCutoff, butterworthQ);
    dustBand.setBandpass(sr, dustCentre, dustQ);
    dustHigh.setHighpass(sr, dustHighpass, butterworthQ);
    dustLow.setLowpass(sr, dustLowpass, butterworthQ);
    gritBand.setBandpass(sr, gritCentre, gritQ);

    std::vector<double> out(n);
    double thudPhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        thudPhase +=
            twoPi * (thudFrequencyLow + thudFrequencySweep * std::exp(-t / thudSweepTime)) / sr;
        const double thudEnvelope = (1.0 - std::exp(-t / thudAttack)) * std::exp(-t / thudDecay);
        const double thud = thudLevel * thudEnvelope * std::sin(thudPhase);
        const double knock =
            knockLevel * std::exp(-t / knockDecay) * knockFilter.process(random.bipolar());
        const double puffEnvelope = (1.0 - std::exp(-t / puffAttack)) * std::exp(-t / puffDecay);
        const double puff = puffLevel * puffEnvelope * puffFilter.process(random.bipolar());
        const double dustEnvelope = (1.0 - std::exp(-t / dustAttack)) * std::exp(-t / dustDecay);
        const double dust = dustLevel * dustEnvelope *
                            dustLow.process(dustHigh.process(dustBand.process(random.bipolar())));
        out[i] = thud + knock + puff + dust + gritBand.process(grit[i]);
    }
    return EffectShaping::finish(out);
}
