#include "effects/EffectShaping.h"

#include <algorithm>
#include <cmath>

#include "dsp/AudioFormat.h"
#include "dsp/Biquad.h"

namespace {
constexpr double kPi = 3.141592653589793;
constexpr double kButterworthQ = 0.7071;

// Raised-cosine ramp from 0 (x = 0) to 1 (x = 1).
double ramp(double x) {
    return 0.5 - 0.5 * std::cos(kPi * std::clamp(x, 0.0, 1.0));
}
}  // namespace

std::vector<float> EffectShaping::finish(const std::vector<double>& samples) {
    const double sr = AudioFormat::kSampleRate;
    Biquad dcBlock;
    dcBlock.setHighpass(sr, kHighpassHz, kButterworthQ);
    const double fadeIn = kFadeInSeconds * sr;
    const double fadeOut = kFadeOutSeconds * sr;
    const double n = static_cast<double>(samples.size());
    std::vector<float> out(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double x = static_cast<double>(i);
        const double gain = ramp(x / fadeIn) * ramp((n - 1 - x) / fadeOut);
        out[i] = static_cast<float>(dcBlock.process(samples[i]) * gain);
    }
    return out;
}
