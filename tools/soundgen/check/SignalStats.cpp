#include "check/SignalStats.h"

#include <algorithm>
#include <cmath>

double SignalStats::peak(const std::vector<float>& x) {
    double p = 0;
    for (float v : x) {
        p = std::max(p, static_cast<double>(std::fabs(v)));
    }
    return p;
}

double SignalStats::mean(const std::vector<float>& x) {
    if (x.empty()) {
        return 0;
    }
    double sum = 0;
    for (float v : x) {
        sum += v;
    }
    return sum / static_cast<double>(x.size());
}

double SignalStats::rms(const std::vector<float>& x, std::size_t first, std::size_t count) {
    const std::size_t end = std::min(x.size(), first + count);
    if (first >= end) {
        return 0;
    }
    double sum = 0;
    for (std::size_t i = first; i < end; ++i) {
        sum += static_cast<double>(x[i]) * x[i];
    }
    return std::sqrt(sum / static_cast<double>(end - first));
}

SignalStats::Seam SignalStats::seam(const std::vector<float>& x, std::size_t window) {
    Seam s;
    const std::size_t n = x.size();
    if (n < 2) {
        return s;
    }
    s.jump = std::fabs(static_cast<double>(x[0]) - x[n - 1]);
    const std::size_t w = std::min(window, n / 2);
    double sumSquares = 0;
    std::size_t steps = 0;
    auto look = [&](std::size_t i) {
        const double step = std::fabs(static_cast<double>(x[i + 1]) - x[i]);
        s.largestNearbyStep = std::max(s.largestNearbyStep, step);
        sumSquares += step * step;
        ++steps;
    };
    for (std::size_t i = 0; i + 1 < w; ++i) {
        look(i);
    }
    for (std::size_t i = n - w; i + 1 < n; ++i) {
        look(i);
    }
    if (steps > 0) {
        s.rmsNearbyStep = std::sqrt(sumSquares / static_cast<double>(steps));
    }
    return s;
}
