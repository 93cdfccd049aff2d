#include "effects/GunshotSynth.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "effects/EffectShaping.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLengthSeconds = 0.95;

// The crack: a fraction of a millisecond of bright noise.
constexpr double kCrackDecay = 0.0008;
constexpr double kCrackHighpass = 2500;
constexpr double kCrackLevel = 0.9;

// The blast: noise whose lowpass falls from bright to dull within
// milliseconds.
constexpr double kBlastDecay = 0.035;
constexpr double kBlastCutoffLow = 900;
constexpr double kBlastCutoffSweep = 7000;
constexpr double kBlastSweepTime = 0.014;
constexpr double kBlastLevel = 1.7;

// The boom: a sine sliding down to a low thump.
constexpr double kBoomFrequencyLow = 58;
constexpr double kBoomFrequencySweep = 110;
constexpr double kBoomSweepTime = 0.02;
constexpr double kBoomDecay = 0.045;
constexpr double kBoomLevel = 0.6;

// Drive of the soft saturation that rounds the first peaks, as a close
// microphone overloads.
constexpr double kDrive = 2.2;

// The field's answer: darker noise that swells a little after the shot.
constexpr double kRumbleCutoff = 900;
constexpr double kRumbleRise = 0.02;
constexpr double kRumbleDecay = 0.22;
constexpr double kRumbleLevel = 0.32;

// Echoes from tree lines and walls: delay in seconds and level.
constexpr int kEchoCount = 3;
constexpr double kEchoDelays[kEchoCount] = {0.115, 0.27, 0.47};
constexpr double kEchoLevels[kEchoCount] = {0.28, 0.14, 0.07};
constexpr double kEchoCutoff = 1400;

constexpr double kButterworthQ = 0.7071;
}  // namespace

std::vector<float> GunshotSynth::render(std::uint64_t seed) {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(kLengthSeconds * sr);
    Random random(seed);
    Biquad crackFilter, blastFilter, rumbleFilter1, rumbleFilter2;
    crackFilter.setHighpass(sr, kCrackHighpass, kButterworthQ);
    rumbleFilter1.setLowpass(sr, kRumbleCutoff, kButterworthQ);
    rumbleFilter2.setLowpass(sr, kRumbleCutoff, kButterworthQ);

    std::vector<double> direct(n, 0.0);
    std::vector<double> rumble(n, 0.0);
    double boomPhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double crack = crackFilter.process(random.bipolar()) * std::exp(-t / kCrackDecay);
        blastFilter.setLowpass(sr,
                               kBlastCutoffLow + kBlastCutoffSweep * std::exp(-t / kBlastSweepTime),
                               kButterworthQ);
        const double blast = blastFilter.process(random.bipolar()) * std::exp(-t / kBlastDecay);
        const double boomFrequency =
            kBoomFrequencyLow + kBoomFrequencySweep * std::exp(-t / kBoomSweepTime);
        boomPhase += kTwoPi * boomFrequency / sr;
        const double boom = std::sin(boomPhase) * std::exp(-t / kBoomDecay);
        const double body = kBlastLevel * blast + kBoomLevel * boom;
        direct[i] = kCrackLevel * crack + std::tanh(kDrive * body) / std::tanh(kDrive);
        const double swell = (1.0 - std::exp(-t / kRumbleRise)) * std::exp(-t / kRumbleDecay);
        rumble[i] =
            kRumbleLevel * swell * rumbleFilter2.process(rumbleFilter1.process(random.bipolar()));
    }

    std::vector<double> out(direct);
    for (int e = 0; e < kEchoCount; ++e) {
        Biquad echoFilter;
        echoFilter.setLowpass(sr, kEchoCutoff, kButterworthQ);
        const std::size_t delay = static_cast<std::size_t>(kEchoDelays[e] * sr);
        for (std::size_t i = delay; i < n; ++i) {
            out[i] += kEchoLevels[e] * echoFilter.process(direct[i - delay]);
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        out[i] += rumble[i];
    }
    return EffectShaping::finish(out);
}
