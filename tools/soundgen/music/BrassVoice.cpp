#include "music/BrassVoice.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"
#include "dsp/Random.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kCentsPerOctave = 1200;
// How long the extra brightness of the attack ("blat") lasts.
constexpr double kAttackBrightnessTime = 0.07;
constexpr double kAttackBrightness = 0.35;
// The vibrato fades in over this long once it starts.
constexpr double kVibratoFadeIn = 0.35;
// The breath noise is a band around this frequency and dies this quickly.
constexpr double kBreathCentre = 1800;
constexpr double kBreathQ = 0.8;
constexpr double kBreathDecay = 0.05;
// Harmonics taper to nothing over the top fifth below the ceiling, so none
// switches on or off audibly as the pitch moves.
constexpr double kCeilingTaper = 0.2;
// Even the softest note keeps this share of the full level.
constexpr double kLevelFloor = 0.5;
}  // namespace

BrassVoice::BrassVoice(const Settings& s)
    : settings(s), envelope(s.attack, s.decay, s.sustain, s.release) {}

BrassVoice::Settings BrassVoice::horn() {
    Settings s{};
    s.attack = 0.045;
    s.decay = 0.35;
    s.sustain = 0.8;
    s.release = 0.16;
    s.articulation = 0.97;
    s.longestGap = 0.05;
    s.darkSlope = 0.95;
    s.brightSlope = 0.55;
    s.vibratoRate = 5.1;
    s.vibratoCents = 11;
    s.vibratoDelay = 0.3;
    s.scoopCents = -20;
    s.scoopTime = 0.045;
    s.breathLevel = 0.05;
    s.ceilingHz = 9000;
    return s;
}

BrassVoice::Settings BrassVoice::tuba() {
    Settings s{};
    s.attack = 0.03;
    s.decay = 0.25;
    s.sustain = 0.65;
    s.release = 0.12;
    s.articulation = 0.7;
    s.longestGap = 0.25;
    s.darkSlope = 0.75;
    s.brightSlope = 0.38;
    s.vibratoRate = 4.5;
    s.vibratoCents = 4;
    s.vibratoDelay = 0.6;
    s.scoopCents = -20;
    s.scoopTime = 0.03;
    s.breathLevel = 0.03;
    s.ceilingHz = 3000;
    return s;
}

std::vector<float> BrassVoice::play(const NotePlay& note) const {
    const double sr = AudioFormat::kSampleRate;
    const double held =
        std::max(note.seconds * settings.articulation, note.seconds - settings.longestGap);
    const std::size_t n = static_cast<std::size_t>(envelope.soundingLength(held) * sr) + 1;
    std::vector<float> out(n);
    Random random(note.seed);
    Biquad breathFilter;
    breathFilter.setBandpass(sr, kBreathCentre, kBreathQ);
    const double vibratoPhase = kTwoPi * random.uniform();
    const int harmonics = std::max(1, static_cast<int>(settings.ceilingHz / note.frequency));
    const double taperStart = (1.0 - kCeilingTaper) * settings.ceilingHz;

    double phase = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double level = envelope.value(t, held);
        const double scoop = settings.scoopCents * std::exp(-t / settings.scoopTime);
        const double vibratoAmount =
            std::clamp((t - settings.vibratoDelay) / kVibratoFadeIn, 0.0, 1.0);
        const double vibrato = settings.vibratoCents * vibratoAmount *
                               std::sin(kTwoPi * settings.vibratoRate * t + vibratoPhase);
        const double f = note.frequency * std::pow(2.0, (scoop + vibrato) / kCentsPerOctave);

        // Louder means brighter: the slope moves from dark towards bright
        // with the level, the force, and the first moments of the attack.
        const double force =
            std::min(1.0, note.velocity * level *
                              (1.0 + kAttackBrightness * std::exp(-t / kAttackBrightnessTime)));
        const double slope =
            settings.darkSlope - (settings.darkSlope - settings.brightSlope) * force;
        const double ratio = std::exp(-slope);

        const double c1 = std::cos(phase);
        double sPrev = 0, sCur = std::sin(phase);
        double weight = 1, sum = 0, energy = 0;
        for (int k = 1; k <= harmonics; ++k) {
            const double fk = k * f;
            double w = weight;
            if (fk > taperStart) {
                w *= std::max(0.0, (settings.ceilingHz - fk) / (settings.ceilingHz - taperStart));
            }
            sum += w * sCur;
            energy += w * w;
            const double sNext = 2 * c1 * sCur - sPrev;
            sPrev = sCur;
            sCur = sNext;
            weight *= ratio;
        }
        const double tone = energy > 0 ? sum / std::sqrt(energy) : 0;
        const double breath = settings.breathLevel * std::exp(-t / kBreathDecay) *
                              breathFilter.process(random.bipolar());
        out[i] = static_cast<float>(level * (kLevelFloor + (1.0 - kLevelFloor) * note.velocity) *
                                    (tone + breath));
        phase += kTwoPi * f / sr;
        if (phase >= kTwoPi) {
            phase -= kTwoPi;
        }
    }
    return out;
}
