// The signal building blocks, measured against their textbook behaviour.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "dsp/Biquad.h"
#include "dsp/Chorus.h"
#include "dsp/Curve.h"
#include "dsp/Envelope.h"
#include "dsp/Random.h"
#include "dsp/Reverb.h"
#include "dsp/SawOscillator.h"
#include "dsp/StereoBuffer.h"
#include "support/Probe.h"

namespace {
constexpr double kSr = 44100;
constexpr double kPi = 3.141592653589793;

// Steady-state amplitude of a filter's answer to a unit sine.
double sineGain(Biquad& filter, double frequency) {
    const std::size_t n = 44100;
    std::vector<float> out(n);
    for (std::size_t i = 0; i < n; ++i) {
        out[i] = static_cast<float>(filter.process(std::sin(2 * kPi * frequency * i / kSr)));
    }
    // Measure over the second half, long after the filter has settled; a
    // window of whole periods of the test frequencies used below.
    return Probe::amplitudeAt(out, n / 2, n / 2, frequency, kSr);
}
}  // namespace

TEST(Random, SameSeedSameSequenceAndSeedsDiffer) {
    Random a(42), b(42), c(43);
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const auto x = a.next();
        EXPECT_EQ(x, b.next());
        differs = differs || x != c.next();
    }
    EXPECT_TRUE(differs);
}

TEST(Random, DistributionsHaveTheirMoments) {
    Random r(7);
    const int n = 200000;
    double sumU = 0, sumG = 0, sumG2 = 0;
    double lowest = 1, highest = -1;
    for (int i = 0; i < n; ++i) {
        const double u = r.uniform();
        lowest = std::min(lowest, u);
        highest = std::max(highest, u);
        sumU += u;
        const double g = r.gaussian();
        sumG += g;
        sumG2 += g * g;
    }
    EXPECT_GE(lowest, 0.0);
    EXPECT_LT(highest, 1.0);
    EXPECT_NEAR(sumU / n, 0.5, 0.005);
    EXPECT_NEAR(sumG / n, 0.0, 0.01);
    EXPECT_NEAR(sumG2 / n, 1.0, 0.02);
}

TEST(Random, MixGivesDistinctSeedsPerNote) {
    std::set<std::uint64_t> seeds;
    for (std::uint64_t part = 0; part < 8; ++part) {
        for (std::uint64_t note = 0; note < 500; ++note) {
            seeds.insert(Random::mix(Random::mix(1234, part), note));
        }
    }
    EXPECT_EQ(seeds.size(), 8u * 500u);
}

TEST(Biquad, ButterworthLowpassFollowsItsResponse) {
    // |H| = 1 / sqrt(1 + (f / fc)^4) for a second-order Butterworth.
    Biquad low;
    low.setLowpass(kSr, 1000, 1 / std::sqrt(2.0));
    EXPECT_NEAR(sineGain(low, 100), 1.0, 0.01);
    low.reset();
    EXPECT_NEAR(sineGain(low, 1000), 1 / std::sqrt(2.0), 0.01);
    low.reset();
    EXPECT_LT(sineGain(low, 10000), 0.0101);
    EXPECT_NEAR(low.magnitudeAt(kSr, 1000), 1 / std::sqrt(2.0), 1e-3);
}

TEST(Biquad, HighpassRemovesAConstant) {
    Biquad high;
    high.setHighpass(kSr, 25, 0.7071);
    double last = 1;
    for (int i = 0; i < 44100; ++i) {
        last = high.process(0.5);
    }
    EXPECT_NEAR(last, 0.0, 1e-4);
}

TEST(Biquad, BandpassAndPeakingCentreGains) {
    // Band-pass with unit peak: |H| = 1 / sqrt(1 + Q^2 (f/f0 - f0/f)^2).
    Biquad band;
    band.setBandpass(kSr, 1000, 2);
    EXPECT_NEAR(sineGain(band, 1000), 1.0, 0.01);
    band.reset();
    const double q2 = 4, ratio = 4 - 0.25;
    EXPECT_NEAR(sineGain(band, 4000), 1 / std::sqrt(1 + q2 * ratio * ratio), 0.01);
    Biquad peak;
    peak.setPeaking(kSr, 2000, 1, 6);
    EXPECT_NEAR(sineGain(peak, 2000), std::pow(10.0, 6.0 / 20), 0.02);
}

TEST(Envelope, RisesDecaysHoldsAndReleasesToZero) {
    const Envelope e(0.1, 0.2, 0.5, 0.3);
    EXPECT_EQ(e.value(-0.01, 1.0), 0.0);
    EXPECT_NEAR(e.value(0.05, 1.0), 0.5, 1e-9);  // half-way up a raised cosine
    EXPECT_NEAR(e.value(0.1, 1.0), 1.0, 1e-9);
    EXPECT_NEAR(e.value(0.3, 1.0), 0.5, 0.01);  // decay over: at the sustain level
    EXPECT_NEAR(e.value(0.9, 1.0), 0.5, 1e-6);
    EXPECT_GT(e.value(1.29, 1.0), 0.0);
    EXPECT_EQ(e.value(1.3, 1.0), 0.0);
    EXPECT_EQ(e.value(5.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(e.soundingLength(1.0), 1.3);
}

TEST(Envelope, ShortNoteReleasesFromWhereItGotWithoutAJump) {
    const Envelope e(0.1, 0.2, 0.5, 0.3);
    const double length = 0.04;  // the gate closes during the attack
    const double before = e.value(length - 1e-7, length);
    const double after = e.value(length + 1e-7, length);
    EXPECT_GT(before, 0.1);
    EXPECT_NEAR(before, after, 1e-5);
}

TEST(Curve, PassesThroughItsPointsEasesBetweenAndHoldsOutside) {
    const Curve c{{1.0, 10}, {2.0, 20}, {4.0, 0}};
    EXPECT_EQ(c.at(0.0), 10);
    EXPECT_EQ(c.at(1.0), 10);
    EXPECT_EQ(c.at(2.0), 20);
    EXPECT_EQ(c.at(9.0), 0);
    EXPECT_NEAR(c.at(1.5), 15, 1e-12);  // smoothstep is symmetric
    EXPECT_NEAR(c.at(3.0), 10, 1e-12);
    // Flat where it meets a point: no corner.
    EXPECT_NEAR(c.at(2.0 - 1e-4), 20, 1e-5);
    EXPECT_LT(c.at(1.25), 15);
}

TEST(SawOscillator, HasTheSawtoothsHarmonics) {
    // A ramp 2p - 1 has harmonics of amplitude 2 / (pi k).
    SawOscillator saw(0);
    std::vector<float> x(44100);
    for (float& v : x) {
        v = static_cast<float>(saw.next(441 / kSr));
    }
    EXPECT_NEAR(Probe::amplitudeAt(x, 0, x.size(), 441, kSr), 2 / kPi, 0.01);
    EXPECT_NEAR(Probe::amplitudeAt(x, 0, x.size(), 3 * 441, kSr), 2 / (3 * kPi), 0.01);
}

TEST(SawOscillator, FoldsBackFarLessThanANaiveRamp) {
    // At 4573 Hz the 6th harmonic (27438 Hz) would fold back to 16662 Hz
    // with amplitude 2 / (6 pi) in a naive ramp.
    const double f = 4573;
    SawOscillator saw(0);
    std::vector<float> x(44100);
    for (float& v : x) {
        v = static_cast<float>(saw.next(f / kSr));
    }
    const double alias = Probe::amplitudeAt(x, 0, x.size(), kSr - 6 * f, kSr);
    EXPECT_LT(alias, 0.25 * 2 / (6 * kPi));
    EXPECT_NEAR(Probe::amplitudeAt(x, 0, x.size(), f, kSr), 2 / kPi, 0.03);
}

TEST(StereoBuffer, EqualPowerPanning) {
    EXPECT_DOUBLE_EQ(StereoBuffer::leftGain(0), 1.0);
    EXPECT_NEAR(StereoBuffer::rightGain(0), 0.0, 1e-15);
    EXPECT_NEAR(StereoBuffer::leftGain(1), 0.0, 1e-15);
    EXPECT_NEAR(StereoBuffer::leftGain(0.5), 1 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(StereoBuffer::rightGain(0.5), 1 / std::sqrt(2.0), 1e-12);
    for (double pan : {0.1, 0.3, 0.62, 0.9}) {
        const double l = StereoBuffer::leftGain(pan), r = StereoBuffer::rightGain(pan);
        EXPECT_NEAR(l * l + r * r, 1.0, 1e-12);
        EXPECT_EQ(l > r, pan < 0.5);
    }
}

TEST(StereoBuffer, MonoOutsideTheBufferIsClippedNotWrapped) {
    StereoBuffer b(10);
    const std::vector<float> ones(5, 1.0f);
    b.addMono(-2, ones, 0.0, 2.0);
    b.addMono(8, ones, 1.0, 1.0);
    const std::vector<float> left{2, 2, 2, 0, 0, 0, 0, 0, 0, 0};
    for (std::size_t i = 0; i < left.size(); ++i) {
        EXPECT_NEAR(b.left[i], left[i], 1e-6) << i;
    }
    EXPECT_NEAR(b.right[8], 1.0f, 1e-6);
    EXPECT_NEAR(b.right[9], 1.0f, 1e-6);
    EXPECT_NEAR(b.right[0], 0.0f, 1e-6);
}

TEST(Reverb, ImpulseRingsThenDiesAndSidesDiffer) {
    Reverb room(0.84, 0.4);
    std::vector<float> l(6 * 44100), r(6 * 44100);
    for (std::size_t i = 0; i < l.size(); ++i) {
        double a, b;
        room.process(i == 0 ? 1.0 : 0.0, 0.0, a, b);
        l[i] = static_cast<float>(a);
        r[i] = static_cast<float>(b);
    }
    const double first = Probe::energy(l, 0, 44100);
    EXPECT_GT(first, 0.0);
    EXPECT_LT(Probe::energy(l, 5 * 44100, 44100), 1e-6 * first);
    EXPECT_NE(l, r);
}

TEST(Reverb, RepeatingInputGivesRepeatingOutput) {
    // What the music's seamless loop relies on.
    const std::size_t period = 30000;
    Random noise(3);
    std::vector<double> burst(period, 0.0);
    for (std::size_t i = 0; i < 2000; ++i) {
        burst[i] = noise.bipolar();
    }
    Reverb room(0.84, 0.4);
    std::vector<float> out(10 * period);
    for (std::size_t i = 0; i < out.size(); ++i) {
        double a, b;
        room.process(burst[i % period], 0, a, b);
        out[i] = static_cast<float>(a);
    }
    double worst = 0;
    for (std::size_t i = 0; i < period; ++i) {
        worst = std::max(worst, std::fabs(double(out[8 * period + i]) - out[9 * period + i]));
    }
    EXPECT_LT(worst, 1e-6);
}

TEST(Chorus, DryWhenUnmixedAndAddsADelayedCopy) {
    Chorus plain(kSr, 14, 4, 0.35, 0.0);
    Chorus wet(kSr, 14, 4, 0.35, 0.5);
    double lastLeft = 0, lastRight = 0;
    for (int i = 0; i < 4410; ++i) {
        const double in = std::sin(0.01 * i);
        double l, r;
        plain.process(in, -in, l, r);
        ASSERT_DOUBLE_EQ(l, in);
        ASSERT_DOUBLE_EQ(r, -in);
        wet.process(1.0, 1.0, lastLeft, lastRight);
    }
    // A constant passes as itself plus half of itself once the line is full.
    EXPECT_NEAR(lastLeft, 1.5, 1e-9);
    EXPECT_NEAR(lastRight, 1.5, 1e-9);
}
