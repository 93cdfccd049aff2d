#include "battle/EffectLook.h"

#include <algorithm>

namespace {

constexpr float kGrowStep = 0.125f;
constexpr float kFullSize = 1.0f;
constexpr float kFadeFrom = 2.0f;
// Not 0.0625: the fade takes 33 frames and ends just below zero.
constexpr float kFadeStep = 0.06125f;
// While fading, the size is half the level.
constexpr float kFadeSizeRatio = 0.5f;

}  // namespace

EffectLook EffectLook::advance(bool& fading, float& level) {
    if (!fading) {
        level += kGrowStep;
        const EffectLook look{std::min(level, kFullSize), 1.0f};
        if (level >= kFadeFrom) {
            fading = true;
        }
        return look;
    }
    level -= kFadeStep;
    return EffectLook{level * kFadeSizeRatio, level};
}
