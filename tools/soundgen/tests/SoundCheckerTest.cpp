// The checker's measurements and verdicts, on sounds made to order.
#include "check/SoundChecker.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "check/SignalStats.h"
#include "music/Score.h"

namespace {
constexpr double kPi = 3.141592653589793;

// A decaying tone that starts and ends at silence: a well-made effect.
DecodedSound goodEffect() {
    DecodedSound s;
    s.channels = 1;
    s.sampleRate = 44100;
    const std::size_t n = 22050;
    s.announcedFrames = n;
    s.samples.assign(1, std::vector<float>(n));
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / 44100;
        s.samples[0][i] =
            static_cast<float>(0.8 * std::sin(2 * kPi * 300 * t) * std::exp(-t / 0.05));
    }
    return s;
}

// Two sines of whole periods over the loop: a music file that loops cleanly.
DecodedSound goodMusic() {
    DecodedSound s;
    s.channels = 2;
    s.sampleRate = 44100;
    const std::size_t n = static_cast<std::size_t>(Score::kLoopFrames);
    s.announcedFrames = static_cast<long long>(n);
    s.samples.assign(2, std::vector<float>(n));
    for (std::size_t i = 0; i < n; ++i) {
        // 441 Hz: 100 frames a period, and the loop is a multiple of 100.
        s.samples[0][i] = static_cast<float>(0.3 * std::sin(2 * kPi * i / 100.0));
        s.samples[1][i] = static_cast<float>(0.2 * std::cos(2 * kPi * i / 100.0));
    }
    return s;
}

bool checkEffect(const DecodedSound& s, std::string* report = nullptr) {
    std::ostringstream out;
    SoundChecker checker(out);
    const bool ok = checker.checkEffect("effect.ogg", s);
    if (report) {
        *report = out.str();
    }
    return ok;
}

bool checkMusic(const DecodedSound& s, std::string* report = nullptr) {
    std::ostringstream out;
    SoundChecker checker(out);
    const bool ok = checker.checkMusic("music.ogg", s, Score::kLoopFrames);
    if (report) {
        *report = out.str();
    }
    return ok;
}
}  // namespace

TEST(SignalStats, PeakMeanAndRms) {
    const std::vector<float> x{0.5f, -0.75f, 0.25f, 0.0f};
    EXPECT_DOUBLE_EQ(SignalStats::peak(x), 0.75);
    EXPECT_DOUBLE_EQ(SignalStats::mean(x), 0.0);
    EXPECT_DOUBLE_EQ(SignalStats::rms(x, 0, 4), std::sqrt((0.25 + 0.5625 + 0.0625) / 4));
    EXPECT_DOUBLE_EQ(SignalStats::rms(x, 1, 1), 0.75);
    EXPECT_DOUBLE_EQ(SignalStats::rms(x, 3, 10), 0.0);
    EXPECT_DOUBLE_EQ(SignalStats::rms(x, 9, 10), 0.0);
    EXPECT_DOUBLE_EQ(SignalStats::peak({}), 0.0);
}

TEST(SignalStats, SeamOfACleanAndOfACutLoop) {
    std::vector<float> whole(1000), cut(1000);
    for (std::size_t i = 0; i < 1000; ++i) {
        whole[i] = static_cast<float>(std::sin(2 * kPi * i / 100.0));  // 10 whole periods
        cut[i] = static_cast<float>(std::sin(2 * kPi * i / 64.0));     // ends mid-period
    }
    const SignalStats::Seam clean = SignalStats::seam(whole, 200);
    // The join is one ordinary step of the sine: |sin(0) - sin(-2 pi / 100)|.
    EXPECT_NEAR(clean.jump, std::sin(2 * kPi / 100), 1e-6);
    EXPECT_LE(clean.jump, clean.largestNearbyStep + 1e-9);
    const SignalStats::Seam broken = SignalStats::seam(cut, 200);
    // 999 frames into a 64-frame period: sin(2 pi 999 / 64) = sin(2 pi 39 / 64).
    EXPECT_NEAR(broken.jump, std::fabs(std::sin(2 * kPi * 39 / 64.0)), 1e-6);
    EXPECT_GT(broken.jump, broken.largestNearbyStep);
}

TEST(SoundChecker, AcceptsAWellMadeEffect) {
    std::string report;
    EXPECT_TRUE(checkEffect(goodEffect(), &report)) << report;
}

TEST(SoundChecker, RefusesEffectsThatBreakTheLimits) {
    DecodedSound loud = goodEffect();
    for (float& v : loud.samples[0]) {
        v *= 1.15f;  // the peak reaches 0.9
    }
    EXPECT_FALSE(checkEffect(loud));

    DecodedSound stereo = goodEffect();
    stereo.channels = 2;
    stereo.samples.push_back(stereo.samples[0]);
    EXPECT_FALSE(checkEffect(stereo));

    DecodedSound slow = goodEffect();
    slow.sampleRate = 48000;
    EXPECT_FALSE(checkEffect(slow));

    DecodedSound shortened = goodEffect();
    shortened.announcedFrames += 1;  // the stream promised more than it gave
    EXPECT_FALSE(checkEffect(shortened));

    DecodedSound ringing = goodEffect();
    for (std::size_t i = ringing.samples[0].size() - 441; i < ringing.samples[0].size(); ++i) {
        ringing.samples[0][i] = 0.2f * ((i % 2) ? 1.0f : -1.0f);
    }
    EXPECT_FALSE(checkEffect(ringing));

    DecodedSound clicking = goodEffect();
    clicking.samples[0][0] = 0.5f;
    EXPECT_FALSE(checkEffect(clicking));

    DecodedSound offset = goodEffect();
    for (float& v : offset.samples[0]) {
        v += 0.01f;
    }
    EXPECT_FALSE(checkEffect(offset));

    DecodedSound tiny = goodEffect();
    tiny.samples[0].resize(100);
    tiny.announcedFrames = 100;
    EXPECT_FALSE(checkEffect(tiny));
}

TEST(SoundChecker, AcceptsAMusicLoopThatJoinsCleanly) {
    std::string report;
    EXPECT_TRUE(checkMusic(goodMusic(), &report)) << report;
}

TEST(SoundChecker, RefusesMusicThatClicksHasTheWrongLengthOrShape) {
    // The right side's period (98 frames) does not divide the loop, so the
    // join cuts a period short: a click.
    DecodedSound click = goodMusic();
    for (std::size_t i = 0; i < click.samples[1].size(); ++i) {
        click.samples[1][i] = static_cast<float>(0.2 * std::sin(2 * kPi * i / 98.0));
    }
    std::string report;
    EXPECT_FALSE(checkMusic(click, &report));
    EXPECT_NE(report.find("clicks at the loop"), std::string::npos) << report;

    DecodedSound longer = goodMusic();
    for (auto& c : longer.samples) {
        c.push_back(c.front());
    }
    longer.announcedFrames += 1;
    EXPECT_FALSE(checkMusic(longer));

    DecodedSound mono = goodMusic();
    mono.channels = 1;
    mono.samples.pop_back();
    EXPECT_FALSE(checkMusic(mono));

    DecodedSound quiet = goodMusic();
    for (auto& c : quiet.samples) {
        for (float& v : c) {
            v *= 0.05f;
        }
    }
    EXPECT_FALSE(checkMusic(quiet));

    DecodedSound loud = goodMusic();
    loud.samples[0][1000] = -0.95f;
    EXPECT_FALSE(checkMusic(loud));
}
