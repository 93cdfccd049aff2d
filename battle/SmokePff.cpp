#include "battle/SmokePff.h"

#include "battle/EffectLook.h"
#include "graphics/ImageDrawer.h"

namespace {

// Where the left and the right wall's bricks are drawn.
constexpr float kLeftX = 440.0f;
constexpr float kRightX = 520.0f;

}  // namespace

SmokePff::SmokePff(bool side, float y)
    : x(side ? kRightX : kLeftX), y(y), fading(false), level(EffectLook::kStartLevel) {}

void SmokePff::advance() {
    EffectLook::advance(fading, level);
}

void SmokePff::draw() {
    const EffectLook look = EffectLook::advance(fading, level);
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageSmokePff, x, y, look.scale, look.scale,
                                          1.0f, 1.0f, 1.0f, look.alpha);
}
