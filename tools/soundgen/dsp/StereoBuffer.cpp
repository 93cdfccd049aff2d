#include "dsp/StereoBuffer.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kHalfPi = 1.5707963267948966;
}

StereoBuffer::StereoBuffer(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

void StereoBuffer::add(std::size_t frame, double l, double r) {
    if (frame >= left.size()) {
        return;
    }
    left[frame] += static_cast<float>(l);
    right[frame] += static_cast<float>(r);
}

double StereoBuffer::leftGain(double pan) {
    return std::cos(std::clamp(pan, 0.0, 1.0) * kHalfPi);
}

double StereoBuffer::rightGain(double pan) {
    return std::sin(std::clamp(pan, 0.0, 1.0) * kHalfPi);
}

void StereoBuffer::addPanned(std::size_t frame, double sample, double pan) {
    add(frame, sample * leftGain(pan), sample * rightGain(pan));
}

void StereoBuffer::addMono(long long startFrame, const std::vector<float>& mono, double pan,
                           double gain) {
    const double l = gain * leftGain(pan);
    const double r = gain * rightGain(pan);
    const long long size = static_cast<long long>(left.size());
    const long long end = std::min(size, startFrame + static_cast<long long>(mono.size()));
    for (long long f = std::max(0LL, startFrame); f < end; ++f) {
        const double s = mono[static_cast<std::size_t>(f - startFrame)];
        left[static_cast<std::size_t>(f)] += static_cast<float>(s * l);
        right[static_cast<std::size_t>(f)] += static_cast<float>(s * r);
    }
}
