// The rendered piece, before encoding: one exact, seamless, repeatable loop.
#include "music/MusicRenderer.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/SoundFiles.h"
#include "check/SignalStats.h"
#include "support/Probe.h"

namespace {
const StereoBuffer& music() {
    static const StereoBuffer rendered = MusicRenderer::render(Score(), SoundFiles::kMusicSeed);
    return rendered;
}
}  // namespace

TEST(MusicRenderer, EqualTemperamentFromConcertA) {
    EXPECT_DOUBLE_EQ(MusicRenderer::frequencyOf(69), 440.0);
    EXPECT_DOUBLE_EQ(MusicRenderer::frequencyOf(57), 220.0);
    EXPECT_NEAR(MusicRenderer::frequencyOf(60), 261.6256, 1e-4);
    EXPECT_NEAR(MusicRenderer::frequencyOf(62) / MusicRenderer::frequencyOf(55), 1.5, 0.002);
}

TEST(MusicRenderer, RendersExactlyOneLoopOfFiniteSound) {
    ASSERT_EQ(static_cast<long long>(music().frames()), Score::kLoopFrames);
    for (const auto* side : {&music().left, &music().right}) {
        for (float v : *side) {
            ASSERT_TRUE(std::isfinite(v));
        }
        EXPECT_GT(SignalStats::rms(*side, 0, side->size()), 0.01);
        EXPECT_LT(std::fabs(SignalStats::mean(*side)), 1e-3);
    }
}

TEST(MusicRenderer, TheLoopJoinsWithoutAClick) {
    for (const auto* side : {&music().left, &music().right}) {
        const SignalStats::Seam seam = SignalStats::seam(*side, 2048);
        EXPECT_LE(seam.jump, seam.largestNearbyStep);
        // The first frames carry the ring of the last bar: no silent gap.
        EXPECT_GT(SignalStats::rms(*side, 0, 441), 0.005);
    }
}

TEST(MusicRenderer, TheSameSeedPlaysTheSamePerformance) {
    const StereoBuffer again = MusicRenderer::render(Score(), SoundFiles::kMusicSeed);
    EXPECT_EQ(again.left, music().left);
    EXPECT_EQ(again.right, music().right);
}

TEST(MusicRenderer, TheTuningIsConcertPitchAndInDMinor) {
    // Over the first bar (D minor) the melody's D4 and the strings' A3 are
    // among the strongest tones: measure them against a pitch a semitone
    // off, which nobody plays there.
    const std::size_t bar = static_cast<std::size_t>(Score::kFramesPerBeat * Score::kBeatsPerBar);
    const auto& x = music().left;
    const double d4 = Probe::amplitudeAt(x, 0, bar, MusicRenderer::frequencyOf(62), 44100);
    const double a3 = Probe::amplitudeAt(x, 0, bar, MusicRenderer::frequencyOf(57), 44100);
    const double offKey = Probe::amplitudeAt(x, 0, bar, MusicRenderer::frequencyOf(63), 44100);
    EXPECT_GT(d4, 4 * offKey);
    EXPECT_GT(a3, 4 * offKey);
}
