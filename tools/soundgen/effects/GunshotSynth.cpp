#include "effects/GunshotSynth.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "effects/EffectShaping.h"

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double lengthSeconds = 0.95;

// The crack: a fraction of a millisecond of bright noise.
constexpr double crackDecay = 0.0008;
constexpr double crackHighpass = 2500;
constexpr double crackLevel = 0.9;

// The blast: noise whose lowpass falls from bright to dull within
// milliseconds.
constexpr double blastDecay = 0.035;
constexpr double blastCutoffLow = 900;
constexpr double blastCutoffSweep = 7000;
constexpr double blastSweepTime = 0.014;
constexpr double blastLevel = 1.7;

// The boom: a sine sliding down to a low thump.
constexpr double boomFrequencyLow = 58;
constexpr double boomFrequencySweep = 110;
constexpr double boomSweepTime = 0.02;
constexpr double boomDecay = 0.045;
constexpr double boomLevel = 0.6;

// Drive of the soft saturation that rounds the first peaks, as a close
// microphone overloads.
constexpr double drive = 2.2;

// The field's answer: darker noise that swells a little after the shot.
constexpr double rumbleCutoff = 900;
constexpr double rumbleRise = 0.02;
constexpr double rumbleDecay = 0.22;
constexpr double rumbleLevel = 0.32;

// Echoes from tree lines and walls: delay in seconds and level.
constexpr int echoCount = 3;
constexpr double echoDelays[echoCount] = {0.115, 0.27, 0.47};
constexpr double echoLevels[echoCount] = {0.28, 0.14, 0.07};
constexpr double echoCutoff = 1400;

constexpr double butterworthQ = 0.7071;
}  // namespace

std::vector<float> GunshotSynth::render(std::uint64_t seed) {
    const double sr = AudioFormat::sampleRate;
    const std::size_t n = static_cast<std::size_t>(lengthSeconds * sr);
    Random random(seed);
    Biquad crackFilter, blastFilter, rumbleFilter1, rumbleFilter2;
    crackFilter.setHighpass(sr, crackHighpass, butterworthQ);
    rumbleFilter1.setLowpass(sr, rumbleCutoff, butterworthQ);
    rumbleFilter2.setLowpass(sr, rumbleCutoff, butterworthQ);

    std::vector<double> direct(n, 0.0);
    std::vector<double> rumble(n, 0.0);
    double boomPhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double crack = crackFilter.process(random.bipolar()) * std::exp(-t / crackDecay);
        blastFilter.setLowpass(
            sr, blastCutoffLow + blastCutoffSweep * std::exp(-t / blastSweepTime), butterworthQ);
        const double blast = blastFilter.process(random.bipolar()) * std::exp(-t / blastDecay);
        const double boomFrequency =
            boomFrequencyLow + boomFrequencySweep * std::exp(-t / boomSweepTime);
        boomPhase += twoPi * boomFrequency / sr;
        const double boom = std::sin(boomPhase) * std::exp(-t / boomDecay);
        const double body = blastLevel * blast + boomLevel * boom;
        direct[i] = crackLevel * crack + std::tanh(drive * body) / std::tanh(drive);
        const double swell = (1.0 - std::exp(-t / rumbleRise)) * std::exp(-t / rumbleDecay);
        rumble[i] =
            rumbleLevel * swell * rumbleFilter2.process(rumbleFilter1.process(random.bipolar()));
    }

    std::vector<double> out(direct);
    for (int e = 0; e < echoCount; ++e) {
        Biquad echoFilter;
        echoFilter.setLowpass(sr, echoCutoff, butterworthQ);
        const std::size_t delay = static_cast<std::size_t>(echoDelays[e] * sr);
        for (std::size_t i = delay; i < n; ++i) {
            out[i] += echoLevels[e] * echoFilter.process(direct[i - delay]);
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        out[i] += rumble[i];
    }
    return EffectShaping::finish(out);
}
