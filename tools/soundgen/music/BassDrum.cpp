#include "music/BassDrum.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double lengthSeconds = 1.4;
constexpr double butterworthQ = 0.7071;
constexpr double boomFrequency = 52;
constexpr double boomBend = 0.45;
constexpr double boomBendTime = 0.04;
constexpr double boomDecay = 0.32;
constexpr double boomLevel = 1.0;
// The skin's second mode, inharmonic, fading fast.
constexpr double overtoneRatio = 1.59;
constexpr double overtoneDecay = 0.09;
constexpr double overtoneLevel = 0.3;
constexpr double knockCutoff = 700;
constexpr double knockDecay = 0.012;
constexpr double knockLevel = 0.5;
constexpr double attack = 0.002;
}  // namespace

std::vector<float> BassDrum::play(const NotePlay& note) const {
    const double sr = AudioFormat::sampleRate;
    const std::size_t n = static_cast<std::size_t>(lengthSeconds * sr);
    Random random(note.seed);
    Biquad knockFilter;
    knockFilter.setLowpass(sr, knockCutoff, butterworthQ);
    std::vector<float> out(n);
    double boomPhase = 0, overtonePhase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double f = boomFrequency * (1.0 + boomBend * std::exp(-t / boomBendTime));
        boomPhase += twoPi * f / sr;
        overtonePhase += twoPi * f * overtoneRatio / sr;
        const double onset = 1.0 - std::exp(-t / attack);
        // The boom's decay is forced to zero at the end of the sound.
        const double end = 1.0 - t / lengthSeconds;
        const double boom = boomLevel * std::exp(-t / boomDecay) * end * std::sin(boomPhase);
        const double overtone =
            overtoneLevel * std::exp(-t / overtoneDecay) * std::sin(overtonePhase);
        const double knock =
            knockLevel * std::exp(-t / knockDecay) * knockFilter.process(random.bipolar());
        out[i] = static_cast<float>(note.velocity * onset * (boom + overtone + knock));
    }
    return out;
}
