// The three effects: clean edges, and the features that make each of them
// recognisable.
#include <gtest/gtest.h>

#include <cmath>

#include "app/SoundFiles.h"
#include "check/SignalStats.h"
#include "effects/BrickPuffSynth.h"
#include "effects/DyingCrySynth.h"
#include "effects/GunshotSynth.h"
#include "support/Probe.h"

namespace {
constexpr double kSr = 44100;

std::size_t at(double seconds) {
    return static_cast<std::size_t>(seconds * kSr);
}

struct Effects {
    std::vector<float> shot = GunshotSynth::render(SoundFiles::kShotSeed);
    std::vector<float> cry = DyingCrySynth::render(SoundFiles::kPersonDyingSeed);
    std::vector<float> puff = BrickPuffSynth::render(SoundFiles::kBrickPuffSeed);
};

const Effects& effects() {
    static const Effects rendered;
    return rendered;
}
}  // namespace

TEST(Effects, StartAndEndOnSilenceWithoutOffset) {
    for (const std::vector<float>* x : {&effects().shot, &effects().cry, &effects().puff}) {
        ASSERT_FALSE(x->empty());
        const double seconds = static_cast<double>(x->size()) / kSr;
        EXPECT_GE(seconds, SoundFiles::kEffectMinSeconds);
        EXPECT_LE(seconds, SoundFiles::kEffectMaxSeconds);
        EXPECT_EQ(x->front(), 0.0f);
        EXPECT_EQ(x->back(), 0.0f);
        for (float v : *x) {
            ASSERT_TRUE(std::isfinite(v));
        }
        EXPECT_GT(SignalStats::peak(*x), 0.1);
        EXPECT_LT(std::fabs(SignalStats::mean(*x)), 1e-3);
    }
}

TEST(Effects, TheShotIsASharpBangThatDiesAway) {
    const auto& x = effects().shot;
    const double total = Probe::energy(x, 0, x.size());
    // Most of its energy in the first tenth of a second, its loudest
    // moment in the first twenty milliseconds.
    EXPECT_GT(Probe::energy(x, 0, at(0.1)), 0.6 * total);
    std::size_t loudest = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (std::fabs(x[i]) > std::fabs(x[loudest])) {
            loudest = i;
        }
    }
    EXPECT_LT(loudest, at(0.02));
    // The bang is bright (broadband), its rumbling tail dull.
    EXPECT_GT(Probe::brightness(x, 0, at(0.005)), Probe::sineBrightness(2000, kSr));
    EXPECT_LT(Probe::brightness(x, at(0.5), at(0.3)), Probe::sineBrightness(1000, kSr));
}

TEST(Effects, TheCryIsAVoiceThatBreaksIntoAFallingGroan) {
    const auto& x = effects().cry;
    // A strained cry well above a man's speaking pitch, then a groan more
    // than an octave lower.
    const double cry = Probe::pitch(x, at(0.12), at(0.03), 70, 600, kSr);
    const double groan = Probe::pitch(x, at(0.95), at(0.03), 70, 600, kSr);
    EXPECT_GT(cry, 300.0);
    EXPECT_LT(cry, 450.0);
    EXPECT_GT(groan, 80.0);
    EXPECT_LT(groan, 170.0);
    EXPECT_LT(2 * groan, cry);
    // A voice, not a beep: on the open vowel "ah" the harmonic nearest the
    // first resonance (about 800 Hz) is stronger than the fundamental.
    const std::size_t from = at(0.12), count = at(0.08);
    const double fundamental = Probe::amplitudeAt(x, from, count, cry, kSr);
    const double second = Probe::amplitudeAt(x, from, count, 2 * cry, kSr);
    EXPECT_GT(second, fundamental);
    EXPECT_GT(Probe::amplitudeAt(x, from, count, 3 * cry, kSr), 0.1 * fundamental);
}

TEST(Effects, TheBrickPuffIsAThudWithADustyHiss) {
    const auto& x = effects().puff;
    // The thud: low sound in the first moments.
    double low = 0;
    for (double f = 60; f <= 120; f += 10) {
        low = std::max(low, Probe::amplitudeAt(x, 0, at(0.05), f, kSr));
    }
    EXPECT_GT(low, 0.05);
    // The dust: a hiss, mostly above 1.5 kHz, that lingers after the thud.
    EXPECT_GT(Probe::brightness(x, at(0.08), at(0.15)), Probe::sineBrightness(1500, kSr));
    EXPECT_GT(Probe::energy(x, at(0.1), at(0.3)), 0.1 * Probe::energy(x, 0, x.size()));
    // It settles: the last tenth of a second is far quieter than the first.
    EXPECT_LT(Probe::energy(x, x.size() - at(0.1), at(0.1)), 0.02 * Probe::energy(x, 0, at(0.1)));
}
