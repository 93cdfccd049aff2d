#include "music/StringPad.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"
#include "dsp/SawOscillator.h"

namespace {
constexpr double twoPi = 6.283185307179586;
constexpr double centsPerOctave = 1200;
constexpr int players = 3;
// Detuning of the three players in cents: enough to shimmer, not to sour.
constexpr double detuneCents[players] = {-8, 1, 7};
constexpr double vibratoRate = 5.3;
constexpr double vibratoRateSpread = 0.6;
constexpr double vibratoCents = 6;
// Lowpass cutoff: a multiple of the pitch, opened further by force, kept
// within a dark string range.
constexpr double cutoffHarmonic = 6;
constexpr double cutoffForce = 1600;
constexpr double cutoffLowest = 700;
constexpr double cutoffHighest = 4200;
constexpr double filterQ = 0.6;
// Body of the instrument: no boom below the cello's range.
constexpr double highpassHz = 110;
constexpr double butterworthQ = 0.7071;
constexpr double attack = 0.28;
constexpr double release = 0.75;
constexpr double levelFloor = 0.4;
}  // namespace

StringPad::StringPad() : envelope(attack, 0, 1, release) {}

std::vector<float> StringPad::play(const NotePlay& note) const {
    const double sr = AudioFormat::sampleRate;
    const std::size_t n = static_cast<std::size_t>(envelope.soundingLength(note.seconds) * sr) + 1;
    Random random(note.seed);
    std::vector<SawOscillator> saws;
    double rates[players], phases[players];
    for (int p = 0; p < players; ++p) {
        saws.emplace_back(random.uniform());
        rates[p] = vibratoRate + vibratoRateSpread * random.bipolar();
        phases[p] = twoPi * random.uniform();
    }
    const double cutoff = std::clamp(cutoffHarmonic * note.frequency + cutoffForce * note.velocity,
                                     cutoffLowest, cutoffHighest);
    Biquad low1, low2, high;
    low1.setLowpass(sr, cutoff, filterQ);
    low2.setLowpass(sr, cutoff, filterQ);
    high.setHighpass(sr, highpassHz, butterworthQ);

    std::vector<float> out(n);
    const double gain = (levelFloor + (1.0 - levelFloor) * note.velocity) / players;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        double sum = 0;
        for (int p = 0; p < players; ++p) {
            const double cents =
                detuneCents[p] + vibratoCents * std::sin(twoPi * rates[p] * t + phases[p]);
            const double f = note.frequency * std::pow(2.0, cents / centsPerOctave);
            sum += saws[static_cast<std::size_t>(p)].next(f / sr);
        }
        const double filtered = high.process(low2.process(low1.process(sum)));
        out[i] = static_cast<float>(gain * envelope.value(t, note.seconds) * filtered);
    }
    return out;
}
