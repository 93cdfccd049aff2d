#include "music/StringPad.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "dsp/SawOscillator.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kCentsPerOctave = 1200;
constexpr int kPlayers = 3;
// Detuning of the three players in cents: enough to shimmer, not to sour.
constexpr double kDetuneCents[kPlayers] = {-8, 1, 7};
constexpr double kVibratoRate = 5.3;
constexpr double kVibratoRateSpread = 0.6;
constexpr double kVibratoCents = 6;
// Lowpass cutoff: a multiple of the pitch, opened further by force, kept
// within a dark string range.
constexpr double kCutoffHarmonic = 6;
constexpr double kCutoffForce = 1600;
constexpr double kCutoffLowest = 700;
constexpr double kCutoffHighest = 4200;
constexpr double kFilterQ = 0.6;
// Body of the instrument: no boom below the cello's range.
constexpr double kHighpassHz = 110;
constexpr double kButterworthQ = 0.7071;
constexpr double kAttack = 0.28;
constexpr double kRelease = 0.75;
constexpr double kLevelFloor = 0.4;
}  // namespace

StringPad::StringPad() : envelope(kAttack, 0, 1, kRelease) {}

std::vector<float> StringPad::play(const NotePlay& note) const {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(envelope.soundingLength(note.seconds) * sr) + 1;
    Random random(note.seed);
    std::vector<SawOscillator> saws;
    double rates[kPlayers], phases[kPlayers];
    for (int p = 0; p < kPlayers; ++p) {
        saws.emplace_back(random.uniform());
        rates[p] = kVibratoRate + kVibratoRateSpread * random.bipolar();
        phases[p] = kTwoPi * random.uniform();
    }
    const double cutoff =
        std::clamp(kCutoffHarmonic * note.frequency + kCutoffForce * note.velocity, kCutoffLowest,
                   kCutoffHighest);
    Biquad low1, low2, high;
    low1.setLowpass(sr, cutoff, kFilterQ);
    low2.setLowpass(sr, cutoff, kFilterQ);
    high.setHighpass(sr, kHighpassHz, kButterworthQ);

    std::vector<float> out(n);
    const double gain = (kLevelFloor + (1.0 - kLevelFloor) * note.velocity) / kPlayers;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        double sum = 0;
        for (int p = 0; p < kPlayers; ++p) {
            const double cents =
                kDetuneCents[p] + kVibratoCents * std::sin(kTwoPi * rates[p] * t + phases[p]);
            const double f = note.frequency * std::pow(2.0, cents / kCentsPerOctave);
            sum += saws[static_cast<std::size_t>(p)].next(f / sr);
        }
        const double filtered = high.process(low2.process(low1.process(sum)));
        out[i] = static_cast<float>(gain * envelope.value(t, note.seconds) * filtered);
    }
    return out;
}
