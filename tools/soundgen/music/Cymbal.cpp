#include "music/Cymbal.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double butterworthQ = 0.7071;
constexpr double ringSeconds = 2.5;
constexpr double highpassHz = 3500;
constexpr int resonances = 4;
constexpr double resonanceHz[resonances] = {4300, 5900, 7700, 10300};
constexpr double resonanceQ = 6;
constexpr double resonanceLevel = 0.5;
constexpr double crashDecay = 0.9;
constexpr double crashAttack = 0.001;
// After a roll the cymbal rings down quicker than after a crash: the
// mallets damp it.
constexpr double rollDecay = 0.45;
// The roll swells as a power of the elapsed part of the note.
constexpr double swellPower = 2.2;
constexpr double fadeOutSeconds = 0.2;
}  // namespace

Cymbal::Cymbal(bool isRolled) : rolled(isRolled) {}

std::vector<float> Cymbal::play(const NotePlay& note) const {
    const double sr = AudioFormat::sampleRate;
    const double total = (rolled ? note.seconds : 0.0) + ringSeconds;
    const std::size_t n = static_cast<std::size_t>(total * sr);
    Random random(note.seed);
    Biquad high;
    high.setHighpass(sr, highpassHz, butterworthQ);
    Biquad rings[resonances];
    for (int r = 0; r < resonances; ++r) {
        rings[r].setBandpass(sr, resonanceHz[r], resonanceQ);
    }

    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        double level;
        if (rolled) {
            level = t < note.seconds ? std::pow(t / note.seconds, swellPower)
                                     : std::exp(-(t - note.seconds) / rollDecay);
        } else {
            level = (1.0 - std::exp(-t / crashAttack)) * std::exp(-t / crashDecay);
        }
        const double fade = std::min(1.0, (total - t) / fadeOutSeconds);
        const double noise = high.process(random.bipolar());
        double metal = 0;
        for (Biquad& ring : rings) {
            metal += ring.process(noise);
        }
        out[i] =
            static_cast<float>(note.velocity * level * fade * (noise + resonanceLevel * metal));
    }
    return out;
}
