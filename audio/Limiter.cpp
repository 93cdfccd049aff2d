#include "audio/Limiter.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kChannels = 2;
constexpr float kUnityGain = 1.0f;
// Share of the distance to unity the gain recovers per frame.
constexpr float kRelease = 1.0f / Limiter::kReleaseFrames;

float finiteOrSilence(float sample) {
    return std::isfinite(sample) ? sample : 0.0f;
}

}  // namespace

void Limiter::process(float* block, int frames) {
    // The usual block fits and nothing is recovering: one pass, which the
    // compiler vectorises, and the block stays as it is. NaN counts as outside.
    const int samples = kChannels * frames;
    int outside = 0;
    for (int i = 0; i < samples; ++i) {
        outside |= !(std::fabs(block[i]) <= kThreshold);
    }
    if (outside == 0 && currentGain == kUnityGain && holdLeft == 0) {
        return;
    }
    reduce(block, frames);
}

float Limiter::knee(float peak) {
    if (peak <= kThreshold) {
        return peak;
    }
    // u / (1 + u) rises from 0 with slope 1 and tends to 1: the curve leaves
    // the straight line without a corner and never reaches the ceiling.
    const float headroom = kCeiling - kThreshold;
    const float over = (peak - kThreshold) / headroom;
    return kThreshold + headroom * over / (1.0f + over);
}

void Limiter::reduce(float* block, int frames) {
    float gain = currentGain;
    int hold = holdLeft;
    for (int frame = 0; frame < frames; ++frame) {
        float& left = block[kChannels * frame];
        float& right = block[kChannels * frame + 1];
        left = finiteOrSilence(left);
        right = finiteOrSilence(right);
        if (hold > 0) {
            --hold;
        } else {
            gain += (kUnityGain - gain) * kRelease;
            if (gain > kUnityGain - kUnitySnap) {
                gain = kUnityGain;
            }
        }
        const float peak = std::max(std::fabs(left), std::fabs(right));
        // Below the threshold after the gain, the frame is under the knee too.
        if (peak * gain > kThreshold) {
            gain = std::min(gain, knee(peak) / peak);
            hold = kHoldFrames;
        }
        // Rounding of the division can leave a hair above the knee.
        left = std::clamp(left * gain, -kCeiling, kCeiling);
        right = std::clamp(right * gain, -kCeiling, kCeiling);
    }
    currentGain = gain;
    holdLeft = hold;
}
