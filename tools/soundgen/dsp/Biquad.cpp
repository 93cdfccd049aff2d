#include "dsp/Biquad.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace {
constexpr double kPi = 3.141592653589793;
// Designs stay just below Nyquist, where the formulas degenerate.
constexpr double kHighestFraction = 0.49;
constexpr double kLowestFrequency = 1.0;

double omega(double sampleRate, double frequency) {
    const double f = std::clamp(frequency, kLowestFrequency, kHighestFraction * sampleRate);
    return 2.0 * kPi * f / sampleRate;
}
}  // namespace

Biquad::Biquad() : b0(1), b1(0), b2(0), a1(0), a2(0), x1(0), x2(0), y1(0), y2(0) {}

void Biquad::setNormalised(double nb0, double nb1, double nb2, double a0, double na1, double na2) {
    b0 = nb0 / a0;
    b1 = nb1 / a0;
    b2 = nb2 / a0;
    a1 = na1 / a0;
    a2 = na2 / a0;
}

void Biquad::setLowpass(double sampleRate, double frequency, double q) {
    const double w = omega(sampleRate, frequency);
    const double c = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    setNormalised((1 - c) / 2, 1 - c, (1 - c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setHighpass(double sampleRate, double frequency, double q) {
    const double w = omega(sampleRate, frequency);
    const double c = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    setNormalised((1 + c) / 2, -(1 + c), (1 + c) / 2, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setBandpass(double sampleRate, double frequency, double q) {
    const double w = omega(sampleRate, frequency);
    const double c = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    setNormalised(alpha, 0, -alpha, 1 + alpha, -2 * c, 1 - alpha);
}

void Biquad::setPeaking(double sampleRate, double frequency, double q, double gainDb) {
    const double w = omega(sampleRate, frequency);
    const double c = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    const double a = std::pow(10.0, gainDb / 40.0);
    setNormalised(1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a);
}

double Biquad::process(double x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
}

void Biquad::reset() {
    x1 = x2 = y1 = y2 = 0;
}

double Biquad::magnitudeAt(double sampleRate, double frequency) const {
    const double w = 2.0 * kPi * frequency / sampleRate;
    const std::complex<double> z1 = std::polar(1.0, -w);
    const std::complex<double> z2 = z1 * z1;
    const std::complex<double> num = b0 + b1 * z1 + b2 * z2;
    const std::complex<double> den = 1.0 + a1 * z1 + a2 * z2;
    return std::abs(num / den);
}
