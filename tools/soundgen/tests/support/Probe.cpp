#include "support/Probe.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;
}

double Probe::amplitudeAt(const std::vector<float>& x, std::size_t from, std::size_t count,
                          double frequency, double sampleRate) {
    double re = 0, im = 0;
    const std::size_t end = std::min(x.size(), from + count);
    for (std::size_t i = from; i < end; ++i) {
        const double w = kTwoPi * frequency * static_cast<double>(i - from) / sampleRate;
        re += x[i] * std::cos(w);
        im += x[i] * std::sin(w);
    }
    const double n = static_cast<double>(end - from);
    return n > 0 ? 2.0 * std::sqrt(re * re + im * im) / n : 0;
}

double Probe::pitch(const std::vector<float>& x, std::size_t from, std::size_t count, double minHz,
                    double maxHz, double sampleRate) {
    // The threshold the YIN paper recommends.
    constexpr double kThreshold = 0.15;
    // Above this even the deepest dip is noise, not a period.
    constexpr double kAperiodic = 0.5;
    const std::size_t shortest = static_cast<std::size_t>(sampleRate / maxHz);
    const std::size_t longest = static_cast<std::size_t>(sampleRate / minHz);
    if (from + count + longest > x.size()) {
        return 0;
    }
    std::vector<double> d(longest + 2, 0.0);
    double running = 0;
    for (std::size_t lag = 1; lag <= longest + 1; ++lag) {
        double sum = 0;
        for (std::size_t i = from; i < from + count; ++i) {
            const double diff = static_cast<double>(x[i]) - x[i + lag];
            sum += diff * diff;
        }
        running += sum;
        d[lag] = running > 0 ? sum * static_cast<double>(lag) / running : 1;
    }
    std::size_t deepest = shortest;
    for (std::size_t lag = shortest; lag <= longest; ++lag) {
        if (d[lag] < kThreshold) {
            while (lag + 1 <= longest && d[lag + 1] < d[lag]) {
                ++lag;
            }
            return sampleRate / static_cast<double>(lag);
        }
        if (d[lag] < d[deepest]) {
            deepest = lag;
        }
    }
    // No clear dip: the deepest one, if the sound is periodic at all.
    return d[deepest] < kAperiodic ? sampleRate / static_cast<double>(deepest) : 0;
}

double Probe::energy(const std::vector<float>& x, std::size_t from, std::size_t count) {
    double e = 0;
    for (std::size_t i = from; i < std::min(x.size(), from + count); ++i) {
        e += static_cast<double>(x[i]) * x[i];
    }
    return e;
}

double Probe::brightness(const std::vector<float>& x, std::size_t from, std::size_t count) {
    double difference = 0, level = 0;
    const std::size_t end = std::min(x.size(), from + count);
    for (std::size_t i = from + 1; i < end; ++i) {
        const double d = static_cast<double>(x[i]) - x[i - 1];
        difference += d * d;
        level += static_cast<double>(x[i]) * x[i];
    }
    return level > 0 ? difference / level : 0;
}

double Probe::sineBrightness(double frequency, double sampleRate) {
    const double s = 2 * std::sin(kTwoPi / 2 * frequency / sampleRate);
    return s * s;
}
