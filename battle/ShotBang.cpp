#include "battle/ShotBang.h"

#include "battle/EffectLook.h"
#include "graphics/ImageDrawer.h"

namespace {

constexpr float kLeftX = 186.0f;
constexpr float kRightX = 780.0f;

}  // namespace

ShotBang::ShotBang(bool side, float y)
    : x(side ? kRightX : kLeftX), y(y), fading(false), level(EffectLook::kStartLevel) {}

void ShotBang::advance() {
    EffectLook::advance(fading, level);
}

void ShotBang::draw() {
    const EffectLook look = EffectLook::advance(fading, level);
    ImageDrawer::getInstance()->drawImage(ImageDrawer::ImageShotBang, x, y, look.scale, look.scale,
                                          1.0f, 1.0f, 1.0f, look.alpha);
}
