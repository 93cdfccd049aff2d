#include "music/BassDrum.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLengthSeconds = 1.4;
constexpr double kButterworthQ = 0.7071;
constexpr double kBoomFrequency = 52;
constexpr double kBoomBend = 0.45;
constexpr double kBoomBendTime = 0.04;
constexpr double kBoomDecay = 0.32;
constexpr double kBoomLevel = 1.0;
// The skin's second mode, inharmonic, fading fast.
constexpr double kOvertoneRatio = 1.59;
constexpr double kOvertoneDecay = 0.09;
constexpr double kOvertoneLevel = 0.3;
constexpr double kNockCutoff = 700;
constexpr double kNockDecay = 0.012;
constexpr double kNockLevel = 0.5;
constexpr double kAttack = 0.002;
}  // namespace

std::vector<float> BassDrum::play(const NotePlay& note) const {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(kLengthSeconds * sr);
    Random random(note.seed);
    Biquad knockFilter;
    knockFilter.setLowpass(sr, kNockCutoff, kButterworthQ);
    std::vector<float> out(n);
    double boomPhase = 0, overtonePhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double f = kBoomFrequency * (1.0 + kBoomBend * std::exp(-t / kBoomBendTime));
        boomPhase += kTwoPi * f / sr;
        overtonePhase += kTwoPi * f * kOvertoneRatio / sr;
        const double onset = 1.0 - std::exp(-t / kAttack);
        // The boom's decay is forced to zero at the end of the sound.
        const double end = 1.0 - t / kLengthSeconds;
        const double boom = kBoomLevel * std::exp(-t / kBoomDecay) * end * std::sin(boomPhase);
        const double overtone =
            kOvertoneLevel * std::exp(-t / kOvertoneDecay) * std::sin(overtonePhase);
        const double knock =
            kNockLevel * std::exp(-t / kNockDecay) * knockFilter.process(random.bipolar());
        out[i] = static_cast<float>(note.velocity * onset * (boom + overtone + knock));
    }
    return out;
}
