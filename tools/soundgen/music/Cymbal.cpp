#include "music/Cymbal.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double kButterworthQ = 0.7071;
constexpr double kRingSeconds = 2.5;
constexpr double kHighpassHz = 3500;
constexpr int kResonances = 4;
constexpr double kResonanceHz[kResonances] = {4300, 5900, 7700, 10300};
constexpr double kResonanceQ = 6;
constexpr double kResonanceLevel = 0.5;
constexpr double kCrashDecay = 0.9;
constexpr double kCrashAttack = 0.001;
// After a roll the cymbal rings down quicker than after a crash: the
// mallets damp it.
constexpr double kRollDecay = 0.45;
// The roll swells as a power of the elapsed part of the note.
constexpr double kSwellPower = 2.2;
constexpr double kFadeOutSeconds = 0.2;
}  // namespace

Cymbal::Cymbal(bool isRolled) : rolled(isRolled) {}

std::vector<float> Cymbal::play(const NotePlay& note) const {
    const double sr = AudioFormat::kSampleRate;
    const double total = (rolled ? note.seconds : 0.0) + kRingSeconds;
    const std::size_t n = static_cast<std::size_t>(total * sr);
    Random random(note.seed);
    Biquad high;
    high.setHighpass(sr, kHighpassHz, kButterworthQ);
    Biquad rings[kResonances];
    for (int r = 0; r < kResonances; ++r) {
        rings[r].setBandpass(sr, kResonanceHz[r], kResonanceQ);
    }

    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        double level;
        if (rolled) {
            level = t < note.seconds ? std::pow(t / note.seconds, kSwellPower)
                                     : std::exp(-(t - note.seconds) / kRollDecay);
        } else {
            level = (1.0 - std::exp(-t / kCrashAttack)) * std::exp(-t / kCrashDecay);
        }
        const double fade = std::min(1.0, (total - t) / kFadeOutSeconds);
        const double noise = high.process(random.bipolar());
        double metal = 0;
        for (Biquad& ring : rings) {
            metal += ring.process(noise);
        }
        out[i] =
            static_cast<float>(note.velocity * level * fade * (noise + kResonanceLevel * metal));
    }
    return out;
}
