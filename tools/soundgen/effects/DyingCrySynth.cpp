#include "effects/DyingCrySynth.h"

#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Curve.h"
#include "effects/EffectShaping.h"
#include "effects/FormantVoice.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kLengthSeconds = 1.5;

// The cry jumps up to a strained pitch; the voice then breaks and the
// groan slides down to the bottom of a man's voice.
const Curve kPitch{{0.0, 240},  {0.05, 340}, {0.14, 385}, {0.32, 350}, {0.45, 310},
                   {0.52, 215}, {0.7, 180},  {0.95, 145}, {1.15, 118}, {1.35, 105}};
// A dip where the voice breaks between the cry and the groan.
const Curve kVoicing{{0.0, 0.0},  {0.012, 0.85}, {0.1, 1.0},  {0.34, 0.92},
                     {0.44, 0.8}, {0.49, 0.3},   {0.56, 0.7}, {0.75, 0.62},
                     {1.0, 0.42}, {1.2, 0.16},   {1.32, 0.0}};
// A catch of breath before the voice, a gasp in the break, more breath as
// strength fails, and a last exhalation after it.
const Curve kBreath{{0.0, 0.0},  {0.006, 0.5}, {0.03, 0.12}, {0.42, 0.1}, {0.49, 0.3},
                    {0.56, 0.1}, {1.0, 0.13},  {1.2, 0.2},   {1.3, 0.22}, {1.46, 0.0}};
const Curve kRoughness{{0.0, 0.0}, {0.2, 0.05}, {0.45, 0.15}, {0.7, 0.35}, {1.2, 0.45}};
const Curve kTilt{{0.0, 0.9}, {0.06, 0.55}, {0.3, 0.6}, {0.5, 0.8}, {0.9, 0.95}, {1.3, 1.05}};
// Vowel: an open "ah" (a), then the jaw closes towards "oh" (o).
const Curve kFormant1{{0.0, 700}, {0.08, 830}, {0.4, 800}, {0.7, 620}, {1.1, 520}};
const Curve kFormant2{{0.0, 1200}, {0.08, 1300}, {0.4, 1220}, {0.7, 1050}, {1.1, 920}};
const Curve kFormant3{{0.0, 2500}, {0.08, 2650}, {0.5, 2550}, {1.1, 2450}};
const Curve kFormant4{{0.0, 3400}, {0.1, 3600}, {1.1, 3300}};
constexpr double kFormant5 = 4500;
constexpr double kBandwidths[VoiceControl::kFormantCount] = {80, 100, 150, 220, 300};
// During the groan the pitch sobs: a slow irregular waver.
const Curve kSobDepth{{0.0, 0.0}, {0.45, 0.0}, {0.75, 0.04}, {1.3, 0.05}};
constexpr double kSobRate = 6.3;
// The sob's own rate wanders, so it is not a steady vibrato.
constexpr double kSobWanderRate = 1.7;
constexpr double kSobWanderDepth = 0.8;
}  // namespace

std::vector<float> DyingCrySynth::render(std::uint64_t seed) {
    const double sr = AudioFormat::kSampleRate;
    const std::size_t n = static_cast<std::size_t>(kLengthSeconds * sr);
    FormantVoice voice(sr, seed);
    std::vector<double> out(n);
    VoiceControl c;
    for (int i = 0; i < VoiceControl::kFormantCount; ++i) {
        c.bandwidths[i] = kBandwidths[i];
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / sr;
        const double wander = kSobWanderDepth * std::sin(kTwoPi * kSobWanderRate * t);
        const double sob = 1.0 + kSobDepth.at(t) * std::sin(kTwoPi * kSobRate * t + wander);
        c.pitch = kPitch.at(t) * sob;
        c.voicing = kVoicing.at(t);
        c.breath = kBreath.at(t);
        c.roughness = kRoughness.at(t);
        c.tilt = kTilt.at(t);
        c.formants[0] = kFormant1.at(t);
        c.formants[1] = kFormant2.at(t);
        c.formants[2] = kFormant3.at(t);
        c.formants[3] = kFormant4.at(t);
        c.formants[4] = kFormant5;
        out[i] = voice.next(c);
    }
    return EffectShaping::finish(out);
}
